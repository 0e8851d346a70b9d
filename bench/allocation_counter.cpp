// The global operator new and delete of the benchmark program, counting held and peak bytes. The
// library's allocations come here too: the program's definitions replace the runtime's.
#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};

// Each block carries its size in front of it, so delete knows what it gives back.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *reinterpret_cast<std::size_t*>(block) = size;
    const std::size_t now = held.fetch_add(size) + size;
    std::size_t high = peak.load();
    while (now > high && !peak.compare_exchange_weak(high, now)) {
    }
    return block + kHeader;
}

void Release(void* pointer) noexcept {
    if (pointer == nullptr) {
        return;
    }
    unsigned char* block = static_cast<unsigned char*>(pointer) - kHeader;
    held.fetch_sub(*reinterpret_cast<std::size_t*>(block));
    std::free(block);
}

} // namespace

namespace vxcheck::bench {

std::size_t HeldBytes() {
    return held.load();
}
std::size_t PeakBytes() {
    return peak.load();
}
void ResetPeak() {
    peak.store(held.load());
}

} // namespace vxcheck::bench

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* pointer) noexcept {
    Release(pointer);
}
void operator delete[](void* pointer) noexcept {
    Release(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    Release(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
    Release(pointer);
}
