#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

// Conversions with the results of the x86 instructions, defined for every input
// (C++ leaves out-of-range conversions undefined).

// Round to 32-bit float; beyond the float range the result is +-infinity.
inline float narrowToFloat(double value) {
    if (value > static_cast<double>(FLT_MAX))
        return std::numeric_limits<float>::infinity();
    if (value < -static_cast<double>(FLT_MAX))
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

// Truncation toward zero; NaN and values outside the int32 range give INT32_MIN.
inline int32_t truncToInt32(double value) {
    if (!(value > -2147483649.0 && value < 2147483648.0))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

template <typename Sample>
inline Sample narrowSample(double value) {
    if constexpr (sizeof(Sample) == sizeof(float))
        return narrowToFloat(value);
    else
        return value;
}
