#pragma once

#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>

// Messages from one thread to one other without a lock, and without an
// allocation after construction: a ring of fixed slots, each holding one
// message of at most kSlotBytes. Neither side ever waits; the writer is
// told when the ring is full.
class LV2TestRing {
public:
    static constexpr uint32_t kSlots = 8;
    static constexpr uint32_t kSlotBytes = 4352;  // a state message of the largest state data

    LV2TestRing() : slots_(new Slot[kSlots]) {}

    // Writer: false, writing nothing, when the message is too long or every
    // slot is taken.
    bool push(const void* bytes, uint32_t size) {
        const uint32_t written = written_.load(std::memory_order_relaxed);
        if (size > kSlotBytes || written - read_.load(std::memory_order_acquire) == kSlots)
            return false;
        Slot& slot = slots_[written % kSlots];
        std::memcpy(slot.bytes, bytes, size);
        slot.size = size;
        written_.store(written + 1, std::memory_order_release);
        return true;
    }

    // Reader: the oldest message not yet popped, or null.
    const uint8_t* front(uint32_t* size) const {
        const uint32_t read = read_.load(std::memory_order_relaxed);
        if (read == written_.load(std::memory_order_acquire))
            return nullptr;
        const Slot& slot = slots_[read % kSlots];
        *size = slot.size;
        return slot.bytes;
    }
    void pop() { read_.store(read_.load(std::memory_order_relaxed) + 1, std::memory_order_release); }

private:
    struct Slot {
        uint32_t size = 0;
        alignas(8) uint8_t bytes[kSlotBytes];
    };
    static_assert(std::atomic<uint32_t>::is_always_lock_free, "the render thread must not take a lock");

    std::unique_ptr<Slot[]> slots_;
    std::atomic<uint32_t> written_{0};  // counts from construction; wraps harmlessly
    std::atomic<uint32_t> read_{0};
};
