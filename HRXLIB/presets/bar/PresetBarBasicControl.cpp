#include "PresetBarBasicControl.h"

#include <algorithm>

namespace {

HRXRect innerOf(const HRXRect& rect) {
    const double inset = PresetBarBasicControl::kInnerInset;
    return {std::min(rect.left, rect.right) + inset, std::min(rect.top, rect.bottom) + inset,
            std::max(rect.left, rect.right) - inset, std::max(rect.top, rect.bottom) - inset};
}

}  // namespace

PresetBarBasicControl::PresetBarBasicControl(const HRXRect& rect, int32_t tag)
    : HRXCustomControl(rect, tag, nullptr), innerRect_(innerOf(rect)) {
    value_ = 0.5;
}

void PresetBarBasicControl::setViewSize(const HRXRect& rect) {
    HRXCustomControl::setViewSize(rect);
    innerRect_ = innerOf(rect);
}

int32_t PresetBarBasicControl::onMouseDown(const HRXPoint&, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    pressed_ = true;
    fadeCounter_ = kFadeTicks;
    redraw();
    valueChanged();
    return kHRXMouseHandled;
}

int32_t PresetBarBasicControl::onMouseUp(const HRXPoint&, uint32_t) {
    pressed_ = false;
    redraw();
    return kHRXMouseHandled;
}

int32_t PresetBarBasicControl::onMouseEntered(const HRXPoint&, uint32_t) {
    hovered_ = true;
    fadeCounter_ = 0;
    redraw();
    return kHRXMouseHandled;
}

int32_t PresetBarBasicControl::onMouseExited(const HRXPoint&, uint32_t) {
    pressed_ = false;
    hovered_ = false;
    fadeCounter_ = kFadeTicks;
    redraw();
    return kHRXMouseHandled;
}

int32_t PresetBarBasicControl::onMouseMoved(const HRXPoint&, uint32_t) {
    if (pressed_ || !hovered_) {
        pressed_ = false;
        hovered_ = true;
        redraw();
    }
    return kHRXMouseHandled;
}

void PresetBarBasicControl::tickFade() {
    if (fadeCounter_ <= 0)
        return;
    --fadeCounter_;
    if (!hovered_)
        redraw();
}

PresetBarStyle::ButtonState PresetBarBasicControl::buttonState() const {
    PresetBarStyle::ButtonState state;
    state.pressed = pressed_;
    state.hovered = hovered_;
    state.fade = static_cast<double>(fadeCounter_) / kFadeTicks;
    return state;
}
