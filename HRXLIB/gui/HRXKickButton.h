#pragma once

#include "HRXBaseControl.h"

// Momentary button: reports 1.0 on press and nothing on release. Without a
// bitmap it is an invisible hot area.
class HRXKickButton : public HRXBaseControl {
public:
    HRXKickButton(const HRXRect& rect, int32_t tag);

    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseMoved(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseUp(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseEntered(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseExited(const HRXPoint& point, uint32_t buttons) override;

    // Only a double-click presses it; with Control held it reports 0.5.
    void setDoubleClickOnly(bool only) { doubleClickOnly_ = only; }
    bool isPressed() const { return pressed_; }
    bool isHovered() const { return hover_; }

private:
    int32_t frameHeight_;
    bool hover_ = false;
    bool pressed_ = false;
    bool doubleClickOnly_ = false;
};
