#pragma once

// Helpers of the container, bank-form and preset file tests: factory records
// and in-place patching of serialised containers (little-endian, like the
// test machine and the format).

#include "HRXPresetContainer.h"
#include "velvaTonFactoryPresets.h"

#include <cstring>
#include <vector>

inline HRXPresetRecord factoryRecord(int32_t slot) {
    HRXPresetRecord bank[kFactoryPresetSlots];
    HRXPresetRecord clipboard;
    buildFactoryBank(bank, clipboard);
    return bank[slot];
}

inline uint32_t wordAt(const std::vector<uint8_t>& bytes, size_t at) {
    uint32_t w;
    std::memcpy(&w, bytes.data() + at, 4);
    return w;
}

inline void putWord(std::vector<uint8_t>& bytes, size_t at, uint32_t w) {
    std::memcpy(bytes.data() + at, &w, 4);
}
inline void putFloat(std::vector<uint8_t>& bytes, size_t at, float f) {
    std::memcpy(bytes.data() + at, &f, 4);
}

inline bool sameRecord(const HRXPresetRecord& a, const HRXPresetRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
