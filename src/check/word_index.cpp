// Cvx_WordIndex: the 65-slot prefix tree behind every word list. Every walk over the nodes is
// iterative, so a word of any length costs no stack depth.
#include <vxcheck/word_list.h>

#include <vxcheck/platform/mbstring.h>

#include "check/index_arena.h"

#include <algorithm>
#include <utility>

namespace {

// Slot of a character, or -1 when its folded code has no slot (control characters, '{' to '~',
// bytes above 0x7F). Such a word is never indexed; see docs/decisions.md.
int SlotOf(char ch) {
    const int code = FoldToUpper(static_cast<unsigned char>(ch));
    const int slot = code - Cvx_WordIndexNode::kFirstCode;
    return (slot >= 0 && slot < Cvx_WordIndexNode::kSlots) ? slot : -1;
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
    const Cvx_WordIndexNode* node = root;
    for (int i = 0; i < text.GetLength(); ++i) {
        const int slot = SlotOf(text[i]);
        if (slot < 0 || node->children[slot] == nullptr) {
            return -1;
        }
        node = node->children[slot];
    }
    if (node->terminal == 1) {
        lastPosition = node->position;
        return 0;
    }
    return node->count;
}

int Cvx_WordIndex::IndexedWordCount() const {
    int total = 0;
    for (const Cvx_WordIndexNode* child : root->children) {
        total += child != nullptr ? child->count : 0;
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
    Cvx_WordIndexNode* node = root;
    for (int i = 0; i < word.GetLength(); ++i) {
        Cvx_WordIndexNode*& child = node->children[SlotOf(word[i])];
        if (child != nullptr) {
            ++child->count;
        } else {
            child = vxcheck::detail::NewIndexNode(root);
            child->character = word[i];
            child->count = 1;
        }
        node = child;
    }
    node->terminal = 1;
    node->position = position;
}

void Cvx_WordIndex::Walk(const std::vector<CString>& source,
                         const std::vector<unsigned char>* flags) {
    // Pre-order: a node's own word, then its children in slot order.
    std::vector<const Cvx_WordIndexNode*> pending{root};
    while (!pending.empty()) {
        const Cvx_WordIndexNode* node = pending.back();
        pending.pop_back();
        if (node->terminal == 1) {
            const auto at = static_cast<std::size_t>(node->position);
            const bool listed = flags == nullptr || (at < flags->size() && (*flags)[at] == 1);
            if (listed) {
                // A source shorter than the words gives an empty entry (docs/decisions.md).
                walkResult.push_back(at < source.size() ? source[at] : CString());
            }
        }
        // The children go on the stack in reverse slot order, so they come off in slot order. A
        // node's count is its own word plus its children's counts, so the scan stops once it has
        // met every word below the node: a leaf costs no scan. The root keeps no count.
        int below = node == root ? -1 : node->count - node->terminal;
        const std::size_t first = pending.size();
        for (int slot = 0; slot < Cvx_WordIndexNode::kSlots && below != 0; ++slot) {
            if (node->children[slot] != nullptr) {
                pending.push_back(node->children[slot]);
                below -= node->children[slot]->count;
            }
        }
        std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(first), pending.end());
    }
}

void Cvx_WordIndex::TakeWalkResult(std::vector<CString>& target) {
    target = std::move(walkResult);
    walkResult.clear();
}
