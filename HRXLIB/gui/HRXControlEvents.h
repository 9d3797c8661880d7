#pragma once

#include <cstdint>

// Mouse answers and button bits shared by the control kit and the toolkit
// companions; the values are the toolkit's own.

enum HRXMouseResult : int32_t {
    kHRXMouseHandled = 1,
    kHRXMouseNotHandled = 2,
    kHRXMouseHandledNoMoves = 3,
};

enum HRXButtonBits : uint32_t {
    kHRXLeftButton = 2,
    kHRXShift = 16,
    kHRXControl = 32,
    kHRXAlt = 64,
    kHRXDoubleClick = 0x400,
};

// The companion hands the control only these bits of the toolkit's state.
constexpr uint32_t kHRXControlButtonMask = 0x7FE;

// Control kinds; each selects a toolkit companion.
enum HRXControlKind : int32_t {
    kHRXKindSegmentSwitch = 4,
    kHRXKindFilmstripKnob = 5,
    kHRXKindMomentaryButton = 8,
    kHRXKindTextLabel = 10,
    kHRXKindTextEdit = 11,
    kHRXKindOptionMenu = 12,
    kHRXKindCustomDrawn = 13,
};

// round() of the control kit: add 0.5 and truncate toward zero.
inline int32_t hrxRound(double x) {
    return static_cast<int32_t>(x + 0.5);
}

// NaN (a corrupt host value) becomes 0.0, so no control ever holds one.
inline double hrxClamp01(double v) {
    return v > 0.0 ? (v < 1.0 ? v : 1.0) : 0.0;
}
