#pragma once

#include "HRXCustomControl.h"
#include "PresetBarStyle.h"

// Common behaviour of the preset bar's controls: a value (0.5 at first), the
// pressed and hovered states, a hover light that fades out over 30 idle ticks
// after the pointer leaves or a click, and an inner rectangle 4 units inside
// the view where the control draws its face. A left press reports the value
// (the tag's command runs).
class PresetBarBasicControl : public HRXCustomControl {
public:
    static constexpr int32_t kFadeTicks = 30;
    static constexpr double kInnerInset = 4.0;

    PresetBarBasicControl(const HRXRect& rect, int32_t tag);

    void setViewSize(const HRXRect& rect) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseUp(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseEntered(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseExited(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseMoved(const HRXPoint& point, uint32_t buttons) override;

    // One idle tick: the hover light fades; redraws while it does.
    void tickFade();

    bool isPressed() const { return pressed_; }
    bool isHovered() const { return hovered_; }
    int32_t getFadeCounter() const { return fadeCounter_; }
    const HRXRect& getInnerRect() const { return innerRect_; }

protected:
    PresetBarStyle::ButtonState buttonState() const;

    HRXRect innerRect_;
    bool pressed_ = false;
    bool hovered_ = false;
    int32_t fadeCounter_ = 0;
};

// A control that swallows left clicks without reporting them: the parts of
// a menu or panel where a click must not reach the editor beneath.
class PresetBarClickStopper : public HRXCustomControl {
public:
    explicit PresetBarClickStopper(const HRXRect& rect) : HRXCustomControl(rect, -1, nullptr) {}
    int32_t onMouseDown(const HRXPoint&, uint32_t buttons) override {
        return (buttons & kHRXLeftButton) ? kHRXMouseHandledNoMoves : kHRXMouseNotHandled;
    }
};
