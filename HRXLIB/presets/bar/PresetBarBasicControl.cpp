#include "PresetBarBasicControl.h"

#include <algorithm>

namespace {

HRXRect innerOf(const HRXRect& rect)
{
    const double inset = PresetBarBasicControl::kInnerInset;
    return {std::min(rect.left, rect.right) + inset, std::min(rect.top, rect.bottom) + inset,
            std::max(rect.left, rect.right) - inset, std::max(rect.top, rect.bottom) - inset};
}

}  // namespace

PresetBarBasicControl::PresetBarBasicControl(const HRXRect& rect, int32_t tag)
    : HRXCustomControl(rect, tag, nullptr), innerRect(innerOf(rect))
{
    value = 0.5;
}

void PresetBarBasicControl::setViewSize(const HRXRect& rect)
{
    HRXCustomControl::setViewSize(rect);
    innerRect = innerOf(rect);
}

int32_t PresetBarBasicControl::onMouseDown(const HRXPoint&, uint32_t buttons)
{
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    pressed = true;
    fadeCounter = kFadeTicks;
    redraw();
    valueChanged();
    return kHRXMouseHandled;
}

int32_t PresetBarBasicControl::onMouseUp(const HRXPoint&, uint32_t)
{
    pressed = false;
    redraw();
    return kHRXMouseHandled;
}

int32_t PresetBarBasicControl::onMouseEntered(const HRXPoint&, uint32_t)
{
    hovered = true;
    fadeCounter = 0;
    redraw();
    return kHRXMouseHandled;
}

int32_t PresetBarBasicControl::onMouseExited(const HRXPoint&, uint32_t)
{
    pressed = false;
    hovered = false;
    fadeCounter = kFadeTicks;
    redraw();
    return kHRXMouseHandled;
}

int32_t PresetBarBasicControl::onMouseMoved(const HRXPoint&, uint32_t)
{
    if (pressed || !hovered) {
        pressed = false;
        hovered = true;
        redraw();
    }
    return kHRXMouseHandled;
}

void PresetBarBasicControl::tickFade()
{
    if (fadeCounter <= 0)
        return;
    --fadeCounter;
    if (!hovered)
        redraw();
}

PresetBarStyle::ButtonState PresetBarBasicControl::buttonState() const
{
    PresetBarStyle::ButtonState state;
    state.pressed = pressed;
    state.hovered = hovered;
    state.fade = static_cast<double>(fadeCounter) / kFadeTicks;
    return state;
}
