// The storage of a prefix index: its nodes as small entries in one contiguous array (an arena),
// released at once, and shared by the copies of an index until one of them changes it (copy on
// write). The index's root pointer is the handle of its arena.
#pragma once

#include <vxcheck/word_list.h>

#include <array>
#include <cstdint>
#include <vector>

namespace vxcheck::detail {

// One node of an index. Its children form a chain through nextSibling in slot order, so that a
// node costs 20 bytes whatever its number of children; entry 0 is the root, which is no one's
// child, so 0 also stands for "none".
struct IndexEntry {
    std::int32_t count = 0;     // indexed words that pass through or end here
    std::int32_t position = -1; // position of the word that ends here, or -1
    std::uint32_t firstChild = 0;
    std::uint32_t nextSibling = 0;
    char character = 0;    // the character, as spelled, of the word that created the node
    std::uint8_t slot = 0; // folded code - 0x20
    std::uint8_t terminal = 0;
};

// The nodes of one index, and the root's children by slot: every lookup starts at the root, which
// has the most children, so it finds its first node without walking a chain.
struct IndexNodes {
    std::vector<IndexEntry> entries{IndexEntry()}; // entries[0] is the root
    std::array<std::uint32_t, Cvx_WordIndexNode::kSlots> rootChildren{};
};

// The root of a new, empty index. Every empty index shares one arena until its first insertion.
Cvx_WordIndexNode* EmptyIndexRoot();
// Another owner of the arena that root stands for.
void ShareIndex(Cvx_WordIndexNode* root);
// Drops one owner of the arena that root stands for; the last one frees it.
void ReleaseIndex(Cvx_WordIndexNode* root);
// The root of an arena that root's index alone owns, ready to change: root itself when it is,
// else the root of a copy of its entries (and root's arena loses one owner).
Cvx_WordIndexNode* OwnIndex(Cvx_WordIndexNode* root);
// The nodes of the arena that root stands for.
IndexNodes& NodesOf(Cvx_WordIndexNode* root);

} // namespace vxcheck::detail
