// The settings-file parser: bounded by the bytes given, and whatever it
// accepts must survive formatting and parsing again unchanged.
#include "HRXSettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<HRXSettingsValue> values;
    if (!parseSettingsText(reinterpret_cast<const char*>(data), size, values)) {
        if (!values.empty())
            __builtin_trap();
        return 0;
    }
    const std::string text = formatSettingsText(values);
    std::vector<HRXSettingsValue> again;
    if (!parseSettingsText(text.data(), text.size(), again) || again.size() != values.size())
        __builtin_trap();
    for (size_t i = 0; i < values.size(); ++i) {
        if (again[i].name != values[i].name || again[i].isString != values[i].isString ||
            again[i].data != values[i].data)
            __builtin_trap();
    }
    return 0;
}
