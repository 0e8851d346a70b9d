// Index arenas. An arena's first block begins with its header and then the root node, so an index
// finds its arena from the root it holds; later blocks hold nodes only. Nodes are never freed one
// by one: the last owner frees the blocks (docs/decisions.md, "Index nodes live in arenas").
#include "check/index_arena.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <new>
#include <utility>
#include <vector>

namespace vxcheck::detail {

namespace {

struct Block {
    Block* next; // the block made before this one
};

struct Arena {
    std::atomic<long> owners;
    Block* blocks;           // newest first; the last is the first block
    Cvx_WordIndexNode* free; // the next unused node of the newest block
    Cvx_WordIndexNode* end;  // the end of the newest block
    std::size_t nodes;       // nodes handed out, the root included
};

constexpr std::size_t kNodeSize = sizeof(Cvx_WordIndexNode);
constexpr std::size_t kAlign = alignof(Cvx_WordIndexNode);
constexpr std::size_t RoundUp(std::size_t size) {
    return (size + kAlign - 1) / kAlign * kAlign;
}
// Where the nodes begin in the first block and in a later one.
constexpr std::size_t kFirstNodes = RoundUp(sizeof(Block) + sizeof(Arena));
constexpr std::size_t kLaterNodes = RoundUp(sizeof(Block));
// Blocks grow with the arena, so that a large index costs few allocations and a small one little
// unused room; no block holds more than kMostNodes (about 140 KB).
constexpr std::size_t kFewestNodes = 8;
constexpr std::size_t kMostNodes = 256;

std::byte* Bytes(void* pointer) {
    return static_cast<std::byte*>(pointer);
}

Arena* ArenaOf(Cvx_WordIndexNode* root) {
    return std::launder(reinterpret_cast<Arena*>(Bytes(root) - kFirstNodes + sizeof(Block)));
}

Cvx_WordIndexNode* NodesOf(Block* block, std::size_t offset) {
    return reinterpret_cast<Cvx_WordIndexNode*>(Bytes(block) + offset);
}

// A new arena with room for capacity nodes, its root handed out; one owner.
Cvx_WordIndexNode* NewArena(std::size_t capacity) {
    auto* block = static_cast<Block*>(::operator new(kFirstNodes + capacity * kNodeSize));
    block->next = nullptr;
    Cvx_WordIndexNode* nodes = NodesOf(block, kFirstNodes);
    auto* arena = new (Bytes(block) + sizeof(Block)) Arena{{1}, block, nodes, nodes + capacity, 0};
    arena->free = nodes + 1;
    arena->nodes = 1;
    return new (nodes) Cvx_WordIndexNode();
}

void FreeArena(Arena* arena) {
    Block* block = arena->blocks;
    arena->~Arena();
    while (block != nullptr) {
        ::operator delete(std::exchange(block, block->next));
    }
}

// The one empty index that every new index starts from; its holder keeps one owner until exit.
struct EmptyIndex {
    Cvx_WordIndexNode* root = NewArena(1);
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
        FreeArena(arena);
    }
}

Cvx_WordIndexNode* NewIndexNode(Cvx_WordIndexNode* root) {
    Arena* arena = ArenaOf(root);
    if (arena->free == arena->end) {
        const std::size_t capacity = std::clamp(arena->nodes, kFewestNodes, kMostNodes);
        auto* block = static_cast<Block*>(::operator new(kLaterNodes + capacity * kNodeSize));
        block->next = arena->blocks;
        arena->blocks = block;
        arena->free = NodesOf(block, kLaterNodes);
        arena->end = arena->free + capacity;
    }
    ++arena->nodes;
    return new (arena->free++) Cvx_WordIndexNode();
}

// The copy holds every node in one block, made with one walk over the source.
Cvx_WordIndexNode* OwnIndex(Cvx_WordIndexNode* root) {
    Arena* arena = ArenaOf(root);
    if (arena->owners.load(std::memory_order_acquire) == 1) {
        return root;
    }
    Cvx_WordIndexNode* copy = NewArena(arena->nodes);
    *copy = *root;
    try {
        std::vector<Cvx_WordIndexNode*> pending{copy};
        while (!pending.empty()) {
            Cvx_WordIndexNode* node = pending.back();
            pending.pop_back();
            for (Cvx_WordIndexNode*& child : node->children) {
                if (child != nullptr) {
                    Cvx_WordIndexNode* fresh = NewIndexNode(copy);
                    *fresh = *child;
                    child = fresh;
                    pending.push_back(fresh);
                }
            }
        }
    } catch (...) {
        ReleaseIndex(copy);
        throw;
    }
    ReleaseIndex(root);
    return copy;
}

} // namespace vxcheck::detail
