// Cvx_WordIndex: the prefix tree behind every word list, one node per character of an indexed
// word, 65 possible children a node (folded codes 0x20 to 0x60). Every walk over the nodes is
// iterative, so a word of any length costs no stack depth.
#include <vxcheck/word_list.h>

#include <vxcheck/platform/mbstring.h>

#include "check/index_arena.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace {

// Slot of a character, or -1 when its folded code has no slot (control characters, '{' to '~',
// bytes above 0x7F). Such a word is never indexed; see docs/decisions.md.
int SlotOf(char ch) {
    const int code = FoldToUpper(static_cast<unsigned char>(ch));
    const int slot = code - Cvx_WordIndexNode::kFirstCode;
    return (slot >= 0 && slot < Cvx_WordIndexNode::kSlots) ? slot : -1;
}

using vxcheck::detail::IndexEntry;
using vxcheck::detail::IndexNodes;

// The child of node at slot, or 0 when it has none. Children are chained in slot order; the
// root's are also found by slot directly.
std::uint32_t ChildAt(const IndexNodes& nodes, std::uint32_t node, int slot) {
    if (node == 0) {
        return nodes.rootChildren[static_cast<std::size_t>(slot)];
    }
    const std::vector<IndexEntry>& entries = nodes.entries;
    std::uint32_t child = entries[node].firstChild;
    while (child != 0 && entries[child].slot < slot) {
        child = entries[child].nextSibling;
    }
    return child != 0 && entries[child].slot == slot ? child : 0;
}

} // namespace

// Copies share their nodes until one of them inserts a word (docs/decisions.md, "Index nodes
// live in arenas").
Cvx_WordIndex::Cvx_WordIndex() : root(vxcheck::detail::EmptyIndexRoot()), lastPosition(-1) {}

Cvx_WordIndex::Cvx_WordIndex(const Cvx_WordIndex& other)
    : root(other.root), walkResult(other.walkResult), lastPosition(other.lastPosition) {
    vxcheck::detail::ShareIndex(root);
}

Cvx_WordIndex& Cvx_WordIndex::operator=(const Cvx_WordIndex& other) {
    if (this != &other) {
        walkResult = other.walkResult;
        vxcheck::detail::ShareIndex(other.root);
        Release();
        root = other.root;
        lastPosition = other.lastPosition;
    }
    return *this;
}

Cvx_WordIndex::~Cvx_WordIndex() {
    Release();
}

void Cvx_WordIndex::Release() {
    vxcheck::detail::ReleaseIndex(root);
    root = nullptr;
}

int Cvx_WordIndex::Lookup(const CString& text) {
    const IndexNodes& nodes = vxcheck::detail::NodesOf(root);
    const std::vector<IndexEntry>& entries = nodes.entries;
    std::uint32_t node = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
        const int slot = SlotOf(text[i]);
        if (slot < 0) {
            return -1;
        }
        node = ChildAt(nodes, node, slot);
        if (node == 0) {
            return -1;
        }
    }
    if (entries[node].terminal == 1) {
        lastPosition = entries[node].position;
        return 0;
    }
    return entries[node].count;
}

int Cvx_WordIndex::IndexedWordCount() const {
    const std::vector<IndexEntry>& entries = vxcheck::detail::NodesOf(root).entries;
    int total = 0;
    for (std::uint32_t child = entries[0].firstChild; child != 0;
         child = entries[child].nextSibling) {
        total += entries[child].count;
    }
    return total > 0 ? total : -1;
}

void Cvx_WordIndex::Insert(const CString& word, int position) {
    for (int i = 0; i < word.GetLength(); ++i) {
        if (SlotOf(word[i]) < 0) {
            return;
        }
    }
    root = vxcheck::detail::OwnIndex(root);
    IndexNodes& nodes = vxcheck::detail::NodesOf(root);
    std::vector<IndexEntry>& entries = nodes.entries;
    std::uint32_t node = 0;
    for (int i = 0; i < word.GetLength(); ++i) {
        const auto slot = static_cast<std::uint8_t>(SlotOf(word[i]));
        // The link that leads to the first child whose slot is not below slot.
        std::uint32_t before = 0; // 0: the link is the node's firstChild
        std::uint32_t child = entries[node].firstChild;
        while (child != 0 && entries[child].slot < slot) {
            before = child;
            child = entries[child].nextSibling;
        }
        if (child != 0 && entries[child].slot == slot) {
            ++entries[child].count;
        } else {
            IndexEntry fresh;
            fresh.count = 1;
            fresh.nextSibling = child;
            fresh.character = word[i];
            fresh.slot = slot;
            entries.push_back(fresh);
            child = static_cast<std::uint32_t>(entries.size() - 1);
            (before == 0 ? entries[node].firstChild : entries[before].nextSibling) = child;
            if (node == 0) {
                nodes.rootChildren[slot] = child;
            }
        }
        node = child;
    }
    entries[node].terminal = 1;
    entries[node].position = position;
}

void Cvx_WordIndex::Walk(const std::vector<CString>& source,
                         const std::vector<unsigned char>* flags) {
    const std::vector<IndexEntry>& entries = vxcheck::detail::NodesOf(root).entries;
    // Pre-order: a node's own word, then its children in slot order, then its later siblings,
    // which wait on the stack below the children.
    std::vector<std::uint32_t> pending{0};
    while (!pending.empty()) {
        const IndexEntry& node = entries[pending.back()];
        pending.pop_back();
        if (node.terminal == 1) {
            const auto at = static_cast<std::size_t>(node.position);
            const bool listed = flags == nullptr || (at < flags->size() && (*flags)[at] == 1);
            if (listed) {
                // A source shorter than the words gives an empty entry (docs/decisions.md).
                walkResult.push_back(at < source.size() ? source[at] : CString());
            }
        }
        if (node.nextSibling != 0) {
            pending.push_back(node.nextSibling);
        }
        if (node.firstChild != 0) {
            pending.push_back(node.firstChild);
        }
    }
}

void Cvx_WordIndex::TakeWalkResult(std::vector<CString>& target) {
    target = std::move(walkResult);
    walkResult.clear();
}
