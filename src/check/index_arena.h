// The storage of a prefix index's nodes: blocks of nodes that belong to one arena, released all
// at once, and shared by the copies of an index until one of them changes (copy on write).
#pragma once

#include <vxcheck/word_list.h>

namespace vxcheck::detail {

// The root of a new, empty index. Every empty index shares one arena until its first insertion.
Cvx_WordIndexNode* EmptyIndexRoot();
// Another owner of the arena that holds root.
void ShareIndex(Cvx_WordIndexNode* root);
// Drops one owner of the arena that holds root; the last one frees its blocks.
void ReleaseIndex(Cvx_WordIndexNode* root);
// The root of an arena that root's index alone owns, ready to change: root itself when it is,
// else the root of a copy of its nodes (and root's arena loses one owner).
Cvx_WordIndexNode* OwnIndex(Cvx_WordIndexNode* root);
// A new node, value-initialised, in the arena that holds root (which its index alone owns).
Cvx_WordIndexNode* NewIndexNode(Cvx_WordIndexNode* root);

} // namespace vxcheck::detail
