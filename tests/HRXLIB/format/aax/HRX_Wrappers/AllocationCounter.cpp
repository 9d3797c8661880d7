#include "AllocationCounter.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> counting {false};
std::atomic<long> allocations {0};

void* allocate(std::size_t size, std::size_t alignment = 0) {
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (size == 0)
        size = 1;
    void* memory = nullptr;
    if (alignment > alignof(std::max_align_t)) {
        if (posix_memalign(&memory, alignment, size) != 0)
            memory = nullptr;
    } else {
        memory = std::malloc(size);
    }
    if (!memory)
        throw std::bad_alloc();
    return memory;
}
}  // namespace

AllocationCounter::AllocationCounter() {
    allocations = 0;
    counting = true;
}
AllocationCounter::~AllocationCounter() { counting = false; }
void AllocationCounter::pause() { counting = false; }
void AllocationCounter::resume() { counting = true; }
long AllocationCounter::count() const { return allocations.load(); }

#define EXPORTED __attribute__((visibility("default")))

EXPORTED void* operator new(std::size_t size) { return allocate(size); }
EXPORTED void* operator new[](std::size_t size) { return allocate(size); }
EXPORTED void* operator new(std::size_t size, std::align_val_t alignment) {
    return allocate(size, static_cast<std::size_t>(alignment));
}
EXPORTED void* operator new[](std::size_t size, std::align_val_t alignment) {
    return allocate(size, static_cast<std::size_t>(alignment));
}
EXPORTED void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
EXPORTED void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
EXPORTED void operator delete(void* memory) noexcept { std::free(memory); }
EXPORTED void operator delete[](void* memory) noexcept { std::free(memory); }
EXPORTED void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
EXPORTED void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
EXPORTED void operator delete(void* memory, std::align_val_t) noexcept { std::free(memory); }
EXPORTED void operator delete[](void* memory, std::align_val_t) noexcept { std::free(memory); }
EXPORTED void operator delete(void* memory, std::size_t, std::align_val_t) noexcept { std::free(memory); }
EXPORTED void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept { std::free(memory); }
