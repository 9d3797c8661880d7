#pragma once

#include <cstdint>
#include <cstring>

#include "HRXParameterSpace.h"

// One preset's settings: the unit in which settings move between the bank,
// the setups, the undo ring, files, the clipboard and the state chunk.
constexpr int32_t kPresetNameSize = 24;    // bytes of the name field
constexpr int32_t kPresetNameLength = 23;  // characters at most

struct HRXPresetRecord {
    char name[kPresetNameSize];   // NUL-terminated
    float values[kPresetValues];  // normalised values of parameters 0..11
};

// Records of the working bank that the state chunk saves, the factory bank
// filling it.
constexpr int32_t kBankRecords = 43;

// Where a preset shows in the preset menu.
struct HRXPresetPlacement {
    int32_t category;  // its category, or left as the caller set it (none)
    int32_t designer;  // always 0
};
static_assert(sizeof(HRXPresetRecord) == 72, "records are copied and compared as 72 bytes");

// Sets the name, cut to 23 characters; every byte after the terminator is
// zero, so equal names give equal bytes.
inline void setPresetRecordName(HRXPresetRecord& record, const char* name) {
    std::memset(record.name, 0, sizeof record.name);
    size_t length = 0;
    while (length < static_cast<size_t>(kPresetNameLength) && name[length] != '\0')
        ++length;
    std::memcpy(record.name, name, length);
}
