// Index arenas. One allocation holds an arena's header and the Cvx_WordIndexNode that the index
// keeps as its root, so the index finds its arena from its root pointer. The entries are one
// vector: a node is never freed on its own, and the last owner frees the whole arena
// (docs/decisions.md, "Index nodes live in arenas").
#include "check/index_arena.h"

#include <atomic>
#include <cstddef>
#include <new>

namespace vxcheck::detail {

namespace {

struct Arena {
    std::atomic<long> owners{1};
    IndexNodes nodes;
};

constexpr std::size_t kRootOffset = (sizeof(Arena) + alignof(Cvx_WordIndexNode) - 1) /
                                    alignof(Cvx_WordIndexNode) * alignof(Cvx_WordIndexNode);
static_assert(alignof(Arena) <= alignof(std::max_align_t));

std::byte* Bytes(void* pointer) {
    return static_cast<std::byte*>(pointer);
}

Arena* ArenaOf(Cvx_WordIndexNode* root) {
    return std::launder(reinterpret_cast<Arena*>(Bytes(root) - kRootOffset));
}

// A new arena with one owner; nodes, when given, are copied in place of the lone root.
Cvx_WordIndexNode* NewArena(const IndexNodes* nodes) {
    void* memory = ::operator new(kRootOffset + sizeof(Cvx_WordIndexNode));
    Arena* arena = nullptr;
    try {
        arena = nodes != nullptr ? new (memory) Arena{{1}, *nodes} : new (memory) Arena;
    } catch (...) {
        ::operator delete(memory);
        throw;
    }
    return new (Bytes(arena) + kRootOffset) Cvx_WordIndexNode();
}

// The one empty index that every new index starts from; its holder keeps one owner until exit.
struct EmptyIndex {
    Cvx_WordIndexNode* root = NewArena(nullptr);
    EmptyIndex() = default;
    EmptyIndex(const EmptyIndex&) = delete;
    EmptyIndex& operator=(const EmptyIndex&) = delete;
    ~EmptyIndex() { ReleaseIndex(root); }
};

} // namespace

Cvx_WordIndexNode* EmptyIndexRoot() {
    static const EmptyIndex empty;
    ShareIndex(empty.root);
    return empty.root;
}

void ShareIndex(Cvx_WordIndexNode* root) {
    ArenaOf(root)->owners.fetch_add(1, std::memory_order_relaxed);
}

void ReleaseIndex(Cvx_WordIndexNode* root) {
    Arena* arena = ArenaOf(root);
    if (arena->owners.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        root->~Cvx_WordIndexNode();
        arena->~Arena();
        ::operator delete(arena);
    }
}

Cvx_WordIndexNode* OwnIndex(Cvx_WordIndexNode* root) {
    Arena* arena = ArenaOf(root);
    if (arena->owners.load(std::memory_order_acquire) == 1) {
        return root;
    }
    Cvx_WordIndexNode* copy = NewArena(&arena->nodes);
    ReleaseIndex(root);
    return copy;
}

IndexNodes& NodesOf(Cvx_WordIndexNode* root) {
    return ArenaOf(root)->nodes;
}

} // namespace vxcheck::detail
