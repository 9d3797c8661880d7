#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

// Bytes that one thread publishes whole and other threads read whole, without
// a lock: a sequence lock over atomic 64-bit words. The writer never waits; a
// reader that overlaps a publication reads again, so it always gets the bytes
// of one publication, never a mix of two.
//
// The render thread publishes the meters and private fields after each block
// this way, and the main thread reads them.
class AAXHostSnapshot {
public:
    explicit AAXHostSnapshot(size_t bytes);
    AAXHostSnapshot(const AAXHostSnapshot&) = delete;
    AAXHostSnapshot& operator=(const AAXHostSnapshot&) = delete;

    size_t size() const { return words_ * sizeof(uint64_t); }

    // Writer (one thread at a time): beginWrite, any number of writes at
    // offsets that are multiples of 8 (the tail of the last word is zeroed),
    // endWrite. Nothing here blocks or allocates.
    void beginWrite();
    void write(size_t offset, const void* data, size_t size);
    void endWrite();

    // Reader, any thread: size bytes from offset, all of one publication.
    // Ranges outside the snapshot are not read (the caller checks them).
    void read(size_t offset, void* out, size_t size) const;

private:
    static_assert(std::atomic<uint64_t>::is_always_lock_free, "the render thread must not take a lock");
    size_t words_;
    std::unique_ptr<std::atomic<uint64_t>[]> data_;
    std::atomic<uint64_t> sequence_{0};  // odd while a publication is under way
};
