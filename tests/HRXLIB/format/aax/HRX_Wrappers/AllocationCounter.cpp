#include "AllocationCounter.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

// Null when out of memory; the throwing forms of operator new throw instead.
void* allocate(std::size_t size, std::size_t alignment = 0) noexcept {
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (size == 0)
        size = 1;
    if (alignment <= alignof(std::max_align_t))
        return std::malloc(size);
    void* memory = nullptr;
    return posix_memalign(&memory, alignment, size) == 0 ? memory : nullptr;
}

void* orThrow(void* memory) {
    if (!memory)
        throw std::bad_alloc();
    return memory;
}
}  // namespace

AllocationCounter::AllocationCounter() {
    allocations = 0;
    counting = true;
}
AllocationCounter::~AllocationCounter() {
    counting = false;
}
void AllocationCounter::pause() {
    counting = false;
}
void AllocationCounter::resume() {
    counting = true;
}
long AllocationCounter::count() const {
    return allocations.load();
}

#define EXPORTED __attribute__((visibility("default")))

EXPORTED void* operator new(std::size_t size) {
    return orThrow(allocate(size));
}
EXPORTED void* operator new[](std::size_t size) {
    return orThrow(allocate(size));
}
EXPORTED void* operator new(std::size_t size, std::align_val_t alignment) {
    return orThrow(allocate(size, static_cast<std::size_t>(alignment)));
}
EXPORTED void* operator new[](std::size_t size, std::align_val_t alignment) {
    return orThrow(allocate(size, static_cast<std::size_t>(alignment)));
}
EXPORTED void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}
EXPORTED void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}
EXPORTED void operator delete(void* memory) noexcept {
    std::free(memory);
}
EXPORTED void operator delete[](void* memory) noexcept {
    std::free(memory);
}
EXPORTED void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
EXPORTED void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
EXPORTED void operator delete(void* memory, std::align_val_t) noexcept {
    std::free(memory);
}
EXPORTED void operator delete[](void* memory, std::align_val_t) noexcept {
    std::free(memory);
}
EXPORTED void operator delete(void* memory, std::size_t, std::align_val_t) noexcept {
    std::free(memory);
}
EXPORTED void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept {
    std::free(memory);
}
