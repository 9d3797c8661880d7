#include "PresetBarScaleControls.h"

#include <cmath>
#include <cstdio>

#include "HRXGlobalSettings.h"

using namespace PresetBarStyle;

PresetBarScaleMenuButton::PresetBarScaleMenuButton(const HRXRect& rect, int32_t tag)
    : PresetBarMenuButton(rect, tag, nullptr) {
    setZoom(1.0);
    value_ = 0.0;
}

void PresetBarScaleMenuButton::setZoom(double factor) {
    zoom_ = HRXGlobalSettings::limitZoomFactor(factor);
    char text[16];
    std::snprintf(text, sizeof text, "%d%%", static_cast<int>(HRXGlobalSettings::zoomPercentOf(zoom_)));
    setLabel(text);
}

void PresetBarScaleMenuButton::chooseZoom(double factor) {
    setZoom(factor);
    changedByUser_ = true;
}

PresetBarScaleMenuButton::MenuRequest PresetBarScaleMenuButton::takeMenuRequest() {
    const MenuRequest request = menuRequest_;
    menuRequest_ = MenuRequest::None;
    return request;
}

int32_t PresetBarScaleMenuButton::onMouseDown(const HRXPoint& point, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    if (buttons & (kHRXDoubleClick | kHRXControl | kHRXAlt)) {
        chooseZoom(1.0);
        value_ = 0.0;
        menuRequest_ = MenuRequest::Close;
    } else {
        value_ = value_ > 0.5 ? 0.0 : 1.0;
        menuRequest_ = value_ > 0.5 ? MenuRequest::Open : MenuRequest::Close;
    }
    return PresetBarMenuButton::onMouseDown(point, buttons);
}

bool PresetBarScaleMenuButton::onWheel(const HRXPoint&, float distance, uint32_t buttons) {
    double notches = distance;
    if (distance > 0.1f)
        notches = 1.0;
    else if (distance < -0.1f)
        notches = -1.0;
    chooseZoom(zoom_ + notches * ((buttons & kHRXShift) ? kFineWheelStep : kWheelStep));
    valueChanged();
    return true;
}

PresetBarScaleCornerControl::PresetBarScaleCornerControl(const HRXRect& rect, int32_t tag)
    : PresetBarScaleMenuButton(rect, tag) {}

void PresetBarScaleCornerControl::draw(HRXDrawContext* context) {
    // Three short diagonals in the very corner, clear of the panel's screw.
    const HRXColour colour = (hovered_ || dragging_) ? kAccent : HRXColour{0x30, 0x22, 0x14, 0xB0};
    context->setLineWidth(1.5);
    context->setFrameColour(colour);
    for (double offset : {3.0, 7.0, 11.0}) {
        context->moveTo({viewRect_.right - offset, viewRect_.bottom - 1.5});
        context->lineTo({viewRect_.right - 1.5, viewRect_.bottom - offset});
    }
}

void PresetBarScaleCornerControl::setPlacement(const HRXPoint& newOrigin, double width, double height) {
    origin_ = newOrigin;
    windowWidth_ = width;
    windowHeight_ = height;
}

HRXPoint PresetBarScaleCornerControl::windowPixels(const HRXPoint& point) const {
    return {(origin_.x + point.x) * zoom_, (origin_.y + point.y) * zoom_};
}

int32_t PresetBarScaleCornerControl::onMouseDown(const HRXPoint& point, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    dragging_ = true;
    dragStartZoom_ = zoom_;
    dragStart_ = windowPixels(point);
    pressed_ = true;
    redraw();
    return kHRXMouseHandled;
}

// The window grows by the pointer's travel in pixels: width and height each
// ask for a zoom, and the grip takes their mean.
int32_t PresetBarScaleCornerControl::onMouseMoved(const HRXPoint& point, uint32_t buttons) {
    if (!dragging_ || !(buttons & kHRXLeftButton))
        return PresetBarScaleMenuButton::onMouseMoved(point, buttons);
    const HRXPoint now = windowPixels(point);
    const double wanted =
        dragStartZoom_ + ((now.x - dragStart_.x) / windowWidth_ + (now.y - dragStart_.y) / windowHeight_) * 0.5;
    const double limited = HRXGlobalSettings::limitZoomFactor(std::round(wanted * 100.0) / 100.0);
    if (limited != zoom_) {
        chooseZoom(limited);
        valueChanged();
    }
    return kHRXMouseHandled;
}

int32_t PresetBarScaleCornerControl::onMouseUp(const HRXPoint& point, uint32_t buttons) {
    dragging_ = false;
    return PresetBarScaleMenuButton::onMouseUp(point, buttons);
}
