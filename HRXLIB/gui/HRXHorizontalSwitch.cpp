#include "HRXHorizontalSwitch.h"

#include "HRXDrawContext.h"

HRXHorizontalSwitch::HRXHorizontalSwitch(const HRXRect& rect, int32_t tag, HRXBitmap* bitmap, int32_t positions)
    : HRXBaseControl(rect, tag, bitmap, kHRXKindSegmentSwitch),
      positions_(positions < 2 ? 2 : positions),
      segmentWidth_(static_cast<int32_t>(rect.width()) / static_cast<double>(this->positions_)) {}

void HRXHorizontalSwitch::draw(HRXDrawContext* context) {
    context->drawBitmap(bitmap_, viewRect_, {0.0, getPosition() * viewRect_.height()}, 1.0f);
}

int32_t HRXHorizontalSwitch::onMouseDown(const HRXPoint& point, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    if (buttons & (kHRXControl | kHRXAlt)) {
        beginEdit();
        value_ = getDefaultValue();
        valueChanged();
        endEdit();
        redraw();
        return kHRXMouseHandledNoMoves;
    }
    segmentWidth_ = static_cast<int32_t>(viewRect_.width()) / static_cast<double>(positions_);
    beginEdit();
    return onMouseMoved(point, buttons);
}

int32_t HRXHorizontalSwitch::onMouseMoved(const HRXPoint& point, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    const int32_t position = static_cast<int32_t>((point.x - viewRect_.left) / segmentWidth_);
    value_ = hrxClamp01(static_cast<double>(position) / (positions_ - 1));
    valueChanged();
    redraw();
    return kHRXMouseHandled;
}

int32_t HRXHorizontalSwitch::onMouseUp(const HRXPoint&, uint32_t) {
    endEdit();
    return kHRXMouseHandled;
}

bool HRXHorizontalSwitch::onWheel(const HRXPoint&, float distance, uint32_t) {
    beginEdit();
    const double step = 1.0 / (positions_ - 1);
    if (distance > 0.1)
        value_ += step;
    if (distance < -0.1)
        value_ -= step;
    value_ = hrxClamp01(hrxRound((positions_ - 1) * value_) / static_cast<double>(positions_ - 1));
    valueChanged();
    endEdit();
    redraw();
    return true;
}
