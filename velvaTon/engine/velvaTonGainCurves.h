#pragma once

#include <cmath>
#include <cstdint>

// The fixed gain curves and step tables of the compressor. e is the square
// root of the envelope; every curve tends to 1 as e tends to 0. The
// expressions keep the exact operation order the sound is defined by.

constexpr int32_t kRatioSettings = 7;

struct velvaTonRatio {
    double ratio;      // R, the valve ceiling before the valve output scale
    double companion;  // 1/R, the valve input factor before the valve input scale
};

constexpr velvaTonRatio kRatioTable[kRatioSettings] = {
    {22.4, 0.044642857142857144},
    {15.839039999999997, 0.06313513950340426},
    {8.0, 0.125},
    {5.6568, 0.1767783906095319},
    {4.0, 0.25},
    {2.82, 0.3546099290780142},
    {2.8, 0.35714285714285715},
};

inline double gainCurve(int32_t ratioIndex, double e) {
    switch (ratioIndex) {
    case 0: return 0.6 / (1.0 + 0.4 * e) + 0.4;
    case 1: return 0.8 / (1.0 + 0.4 * e) + 0.2;
    case 2:
        return (0.3 * (std::atan(1.2 * e) * 0.92 / 1.2 + 0.08 * e) + 0.7 * (0.9 * e / (1.0 + 0.35 * e) + 0.1 * e)) / e;
    case 3:
        return (0.65 * (std::atan(1.2 * e) * 0.95 / 1.2 + 0.05 * e) + 0.35 * (0.95 * e / (1.0 + 0.35 * e) + 0.05 * e)) /
               e;
    case 4: return (std::atan(1.2 * e) * 0.97 / 1.2 + 0.03 * e) / e;
    case 5:
        return (0.5 * (std::atan(1.2 * e) * 0.982 / 1.2 + 0.018 * e) + 0.5 * (std::tanh(e) * 0.982 + 0.018 * e)) / e;
    default: return (std::tanh(e) * 0.99 + 0.01 * e) / e;
    }
}

// programEnvelope steps per sample while the detector is above the envelope.
// The 32-bit and 64-bit kernels have their own tables.
constexpr int32_t kAttackSteps32[kRatioSettings] = {56, 33, 20, 10, 5, 3, 1};
constexpr int32_t kAttackSteps64[kRatioSettings] = {40, 25, 16, 10, 6, 4, 2};
constexpr int32_t kAttackStepsOutOfRange = 10;

inline int32_t attackSteps(const int32_t (&table)[kRatioSettings], int32_t attackRatioIndex) {
    return (attackRatioIndex >= 0 && attackRatioIndex < kRatioSettings) ? table[attackRatioIndex]
                                                                        : kAttackStepsOutOfRange;
}
