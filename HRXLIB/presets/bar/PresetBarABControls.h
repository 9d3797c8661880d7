#pragma once

#include "PresetBarBasicControl.h"

// The A/B switch: "A" and "B" side by side, the active setup lit. A press on
// a half reports 0.0 (A) or 1.0 (B).
class ABCompPresetBarControl : public PresetBarBasicControl {
public:
    ABCompPresetBarControl(const HRXRect& rect, int32_t tag);

    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    // Shows setup B (true) or A as active.
    void showSetupB(bool isB);
};

// Copies the active setup over the other: shows "A>B" while A is active and
// "B>A" while B is.
class ABCopyPresetBarControl : public PresetBarBasicControl {
public:
    ABCopyPresetBarControl(const HRXRect& rect, int32_t tag);

    void draw(HRXDrawContext* context) override;
    void showFromB(bool isB);
    bool isFromB() const { return fromB_; }

private:
    bool fromB_ = false;
};
