#include "HRXHorizontalSwitch.h"

#include "HRXDrawContext.h"

HRXHorizontalSwitch::HRXHorizontalSwitch(const HRXRect& rect, int32_t tag, HRXBitmap* bitmap, int32_t positions)
    : HRXBaseControl(rect, tag, bitmap, kHRXKindSegmentSwitch), positions(positions < 2 ? 2 : positions),
      segmentWidth(static_cast<int32_t>(rect.width()) / static_cast<double>(this->positions))
{
}

void HRXHorizontalSwitch::draw(HRXDrawContext* context)
{
    context->drawBitmap(bitmap, viewRect, {0.0, getPosition() * viewRect.height()}, 1.0f);
}

int32_t HRXHorizontalSwitch::onMouseDown(const HRXPoint& point, uint32_t buttons)
{
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    if (buttons & (kHRXControl | kHRXAlt)) {
        beginEdit();
        value = getDefaultValue();
        valueChanged();
        endEdit();
        redraw();
        return kHRXMouseHandledNoMoves;
    }
    segmentWidth = static_cast<int32_t>(viewRect.width()) / static_cast<double>(positions);
    beginEdit();
    return onMouseMoved(point, buttons);
}

int32_t HRXHorizontalSwitch::onMouseMoved(const HRXPoint& point, uint32_t buttons)
{
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    const int32_t position = static_cast<int32_t>((point.x - viewRect.left) / segmentWidth);
    value = hrxClamp01(static_cast<double>(position) / (positions - 1));
    valueChanged();
    redraw();
    return kHRXMouseHandled;
}

int32_t HRXHorizontalSwitch::onMouseUp(const HRXPoint&, uint32_t)
{
    endEdit();
    return kHRXMouseHandled;
}

bool HRXHorizontalSwitch::onWheel(const HRXPoint&, float distance, uint32_t)
{
    beginEdit();
    const double step = 1.0 / (positions - 1);
    if (distance > 0.1)
        value += step;
    if (distance < -0.1)
        value -= step;
    value = hrxClamp01(hrxRound((positions - 1) * value) / static_cast<double>(positions - 1));
    valueChanged();
    endEdit();
    redraw();
    return true;
}
