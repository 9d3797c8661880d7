#pragma once

#include <atomic>
#include <cstdint>
#include <cstring>

// Hands state data from one thread (the audio thread, which may neither
// lock nor allocate) to another (the one saving the state) without either
// waiting: three fixed buffers, one the writer fills, one the reader holds,
// and one in between that the two swap with theirs. The reader always gets
// the newest data written since its last take.
class HRX_LV2_StateMailbox {
public:
    static constexpr uint32_t kCapacity = 4096;

    struct Slot {
        uint32_t size = 0;
        uint8_t bytes[kCapacity];
    };

    // Writer: false (nothing posted) when the data does not fit.
    bool post(const uint8_t* data, uint32_t size) {
        if (size > kCapacity)
            return false;
        Slot& slot = slots_[writing_];
        std::memcpy(slot.bytes, data, size);
        slot.size = size;
        writing_ = between_.exchange(static_cast<uint8_t>(writing_ | kFresh), std::memory_order_acq_rel) & kIndex;
        return true;
    }

    // Reader: the newest posted data not taken yet, or null. Valid until the
    // next take.
    const Slot* take() {
        if (!(between_.load(std::memory_order_acquire) & kFresh))
            return nullptr;
        reading_ = between_.exchange(reading_, std::memory_order_acq_rel) & kIndex;
        return &slots_[reading_];
    }

private:
    static constexpr uint8_t kIndex = 0x3;
    static constexpr uint8_t kFresh = 0x4;

    Slot slots_[3];
    uint8_t writing_ = 0;
    uint8_t reading_ = 1;
    std::atomic<uint8_t> between_{2};
};
