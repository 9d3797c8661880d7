#include "ParameterArgument.h"

#include "ParameterNotation.h"
#include "velvaTonParameters.h"

#include <cmath>
#include <cstdlib>
#include <strings.h>

int32_t findHostParameterByName(const std::string& name) {
    char slotName[kParameterNameSize + 1];
    for (int32_t index = 0; index < kParameterSlots; ++index) {
        if ((getParameterFlags(index) & kFlagHostParameter) == 0)
            continue;
        getParameterName(index, slotName);
        if (strcasecmp(slotName, name.c_str()) == 0)
            return index;
    }
    return -1;
}

std::string hostParameterNames() {
    std::string names;
    char slotName[kParameterNameSize + 1];
    for (int32_t index = 0; index < kParameterSlots; ++index) {
        if ((getParameterFlags(index) & kFlagHostParameter) == 0)
            continue;
        getParameterName(index, slotName);
        if (!names.empty())
            names += ", ";
        names += slotName;
    }
    return names;
}

bool parseNormalisedValue(const std::string& text, double& value, std::string& error) {
    const char* begin = text.c_str();
    char* end = nullptr;
    // Underflow to a subnormal or zero is a valid value; overflow gives
    // infinity and is refused below.
    const double parsed = std::strtod(begin, &end);
    if (text.empty() || end == begin || *end != '\0' || !std::isfinite(parsed)) {
        error = "'" + text + "' is not a number";
        return false;
    }
    if (parsed < 0.0 || parsed > 1.0) {
        error = "value " + text + " is outside 0 to 1";
        return false;
    }
    value = parsed;
    return true;
}

bool parseParameterAssignment(const std::string& text, int32_t& index, double& value, std::string& error) {
    const size_t equals = text.find('=');
    if (equals == std::string::npos) {
        error = "'" + text + "' is not of the form NAME=VALUE";
        return false;
    }
    const std::string name = text.substr(0, equals);
    const int32_t found = findHostParameterByName(name);
    if (found < 0) {
        error = "unknown parameter '" + name + "' (known: " + hostParameterNames() + ")";
        return false;
    }
    if (!parseParameterValue(found, text.substr(equals + 1), value, error))
        return false;
    index = found;
    return true;
}
