// The paste path's reading of the clipboard value: bounded by the bytes given,
// and only an accepted value may change the clipboard record.
#include "HRXPresetContainer.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HRXPresetRecord record;
    setPresetRecordName(record, "clipboard 10:00:00");
    for (float& v : record.values)
        v = 0.25f;
    const HRXPresetRecord before = record;
    const HRXClipboardRead read = readClipboardContainer(data, size, record);
    if (read != HRXClipboardRead::Accepted && std::memcmp(&record, &before, sizeof record) != 0)
        __builtin_trap();
    if (record.name[kPresetNameLength] != '\0')
        __builtin_trap();
    for (const float v : record.values) {
        if (!(v >= 0.0f && v <= 1.0f))
            __builtin_trap();
    }
    return 0;
}
