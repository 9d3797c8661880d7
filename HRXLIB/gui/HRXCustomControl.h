#pragma once

#include "HRXBaseControl.h"

// Base of the custom-drawn controls: ignores the mouse and swallows the wheel
// unless a subclass says otherwise.
class HRXCustomControl : public HRXBaseControl {
public:
    HRXCustomControl(const HRXRect& rect, int32_t tag, HRXBitmap* bitmap)
        : HRXBaseControl(rect, tag, bitmap, kHRXKindCustomDrawn) {}

    int32_t onMouseDown(const HRXPoint&, uint32_t) override { return kHRXMouseNotHandled; }
    int32_t onMouseMoved(const HRXPoint&, uint32_t) override { return kHRXMouseNotHandled; }
    int32_t onMouseUp(const HRXPoint&, uint32_t) override { return kHRXMouseNotHandled; }
    int32_t onMouseEntered(const HRXPoint&, uint32_t) override { return kHRXMouseNotHandled; }
    int32_t onMouseExited(const HRXPoint&, uint32_t) override { return kHRXMouseNotHandled; }
    bool onWheel(const HRXPoint&, float, uint32_t) override { return true; }
};
