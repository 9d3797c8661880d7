#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Conversions with the results of the x86 instructions, defined for every input
// (C++ leaves out-of-range conversions undefined).

// Round to nearest 32-bit float. Magnitudes from halfway between FLT_MAX and
// 2^128 upward round to infinity, as the hardware conversion does.
inline float narrowToFloat(double value) {
    constexpr double kFloatOverflow = 0x1.ffffffp+127;
    if (value >= kFloatOverflow)
        return std::numeric_limits<float>::infinity();
    if (value <= -kFloatOverflow)
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
