// The command line's NAME=VALUE parser: whatever it accepts is a normalised
// value from 0 to 1, and the editor's notation of that value reads back to a
// value the editor shows the same way.
#include "ParameterArgument.h"
#include "ParameterNotation.h"
#include "velvaTonParameters.h"

#include <cstdint>
#include <string>

namespace {

std::string display(int32_t index, double value) {
    char text[kParameterDisplaySize + 1] = {};
    getParameterDisplay(index, value, text);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    int32_t index = -1;
    double value = -1.0;
    std::string error;
    if (!parseParameterAssignment(text, index, value, error)) {
        if (error.empty())
            __builtin_trap();
        return 0;
    }
    if (!(getParameterFlags(index) & kFlagHostParameter) || !(value >= 0.0 && value <= 1.0))
        __builtin_trap();
    double again = -1.0;
    if (!parseParameterValue(index, formatParameterValue(index, value), again, error) ||
        display(index, again) != display(index, value))
        __builtin_trap();
    return 0;
}
