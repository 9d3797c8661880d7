#pragma once

#include <cstdint>
#include <cstring>

// One preset's settings: the unit in which settings move between the bank,
// the setups, the undo ring, files, the clipboard and the state chunk.
constexpr int32_t kPresetNameSize = 24;   // bytes of the name field
constexpr int32_t kPresetNameLength = 23; // characters at most
constexpr int32_t kPresetRecordValues = 12;

struct HRXPresetRecord {
    char name[kPresetNameSize];               // NUL-terminated
    float values[kPresetRecordValues];        // normalised values of parameters 0..11
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
