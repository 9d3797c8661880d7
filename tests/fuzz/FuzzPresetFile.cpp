// The preset-file reader over arbitrary bytes: it must stay within them,
// change nothing unless it accepts, and leave only valid values behind.
#include "HRXPresetContainer.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HRXPresetRecord record;
    setPresetRecordName(record, "before");
    for (float& v : record.values)
        v = 0.5f;
    const HRXPresetRecord before = record;
    const bool read = readPresetContainer(data, size, record);
    if (!read && std::memcmp(&record, &before, sizeof record) != 0)
        __builtin_trap();
    if (record.name[kPresetNameLength] != '\0')
        __builtin_trap();
    for (const float v : record.values) {
        if (!(v >= 0.0f && v <= 1.0f))
            __builtin_trap();
    }
    return 0;
}
