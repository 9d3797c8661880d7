#include "AAXHostSnapshot.h"

#include <cstring>
#include <thread>

// The word stores are release and the word loads acquire: a reader that sees
// any word of a publication in progress also sees the odd sequence number
// stored before it, so its closing check fails and it reads again. No
// fences, so ThreadSanitizer follows every hand-over.

AAXHostSnapshot::AAXHostSnapshot(size_t bytes)
    : words_((bytes + sizeof(uint64_t) - 1) / sizeof(uint64_t)), data_(new std::atomic<uint64_t>[words_]) {
    for (size_t i = 0; i < words_; ++i)
        data_[i].store(0, std::memory_order_relaxed);
}

void AAXHostSnapshot::beginWrite() {
    sequence_.store(sequence_.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
}

void AAXHostSnapshot::write(size_t offset, const void* data, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    size_t word = offset / sizeof(uint64_t);
    for (size_t done = 0; done < size; done += sizeof(uint64_t), ++word) {
        uint64_t value = 0;
        std::memcpy(&value, bytes + done, size - done < sizeof value ? size - done : sizeof value);
        data_[word].store(value, std::memory_order_release);
    }
}

void AAXHostSnapshot::endWrite() {
    sequence_.store(sequence_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

void AAXHostSnapshot::read(size_t offset, void* out, size_t size) const {
    auto* bytes = static_cast<unsigned char*>(out);
    for (;;) {
        const uint64_t before = sequence_.load(std::memory_order_acquire);
        if (before & 1) {
            std::this_thread::yield();
            continue;
        }
        size_t done = 0;
        while (done < size) {
            const size_t at = offset + done;
            const size_t skip = at % sizeof(uint64_t);
            const size_t count = sizeof(uint64_t) - skip < size - done ? sizeof(uint64_t) - skip : size - done;
            const uint64_t value = data_[at / sizeof(uint64_t)].load(std::memory_order_acquire);
            std::memcpy(bytes + done, reinterpret_cast<const unsigned char*>(&value) + skip, count);
            done += count;
        }
        if (sequence_.load(std::memory_order_relaxed) == before)
            return;
    }
}
