#include "HRXKickButton.h"

#include "HRXDrawContext.h"

HRXKickButton::HRXKickButton(const HRXRect& rect, int32_t tag)
    : HRXBaseControl(rect, tag, nullptr, kHRXKindMomentaryButton), frameHeight(static_cast<int32_t>(rect.height()))
{
}

void HRXKickButton::draw(HRXDrawContext* context)
{
    if (!bitmap)
        return;
    const int32_t state = pressed ? 2 : (hover ? 1 : 0);
    context->drawBitmap(bitmap, viewRect, {0.0, static_cast<double>(state * frameHeight)}, 1.0f);
}

int32_t HRXKickButton::onMouseDown(const HRXPoint&, uint32_t buttons)
{
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseHandledNoMoves;
    if (doubleClickOnly && !(buttons & kHRXDoubleClick))
        return kHRXMouseHandledNoMoves;
    pressed = true;
    value = (doubleClickOnly && (buttons & kHRXControl)) ? 0.5 : 1.0;
    valueChanged();
    redraw();
    return kHRXMouseHandled;
}

int32_t HRXKickButton::onMouseMoved(const HRXPoint&, uint32_t) { return kHRXMouseHandled; }

int32_t HRXKickButton::onMouseUp(const HRXPoint&, uint32_t)
{
    value = 0.0;
    pressed = false;
    redraw();
    return kHRXMouseHandled;
}

int32_t HRXKickButton::onMouseEntered(const HRXPoint&, uint32_t)
{
    hover = true;
    redraw();
    return kHRXMouseHandled;
}

int32_t HRXKickButton::onMouseExited(const HRXPoint&, uint32_t)
{
    hover = false;
    redraw();
    return kHRXMouseHandled;
}
