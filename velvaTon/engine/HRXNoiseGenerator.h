#pragma once

#include <cstdint>

// Three-word shift-register generator. Its output, about +-1e-10, is added to
// the driven signal so the recursions never run on exact zeros and decay into
// subnormal numbers.
struct HRXNoiseState {
    uint32_t s1 = 592;
    uint32_t s2 = 153768;
    uint32_t s3 = 1526;
};

inline double tickNoise(HRXNoiseState& n) {
    n.s1 = ((((n.s1 >> 9) ^ n.s1) >> 6) & 0x1fffu) ^ (n.s1 << 13);
    n.s2 = ((((n.s2 >> 2) ^ n.s2) >> 7) & 0xfffffu) ^ (n.s2 << 20);
    n.s3 = ((((n.s3 >> 6) ^ n.s3) >> 8) & 0x1ffffu) ^ (n.s3 << 17);
    const double r = static_cast<double>(n.s1 ^ n.s2 ^ n.s3) * 2.3283064365e-10;
    return (2.0 * r - 1.0) * 1e-10;
}
