#include "HRXKickButton.h"

#include "HRXDrawContext.h"

HRXKickButton::HRXKickButton(const HRXRect& rect, int32_t tag)
    : HRXBaseControl(rect, tag, nullptr, kHRXKindMomentaryButton), frameHeight_(static_cast<int32_t>(rect.height())) {}

void HRXKickButton::draw(HRXDrawContext* context) {
    if (!bitmap_)
        return;
    const int32_t state = pressed_ ? 2 : (hover_ ? 1 : 0);
    context->drawBitmap(bitmap_, viewRect_, {0.0, static_cast<double>(state * frameHeight_)}, 1.0f);
}

int32_t HRXKickButton::onMouseDown(const HRXPoint&, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseHandledNoMoves;
    if (doubleClickOnly_ && !(buttons & kHRXDoubleClick))
        return kHRXMouseHandledNoMoves;
    pressed_ = true;
    value_ = (doubleClickOnly_ && (buttons & kHRXControl)) ? 0.5 : 1.0;
    valueChanged();
    redraw();
    return kHRXMouseHandled;
}

int32_t HRXKickButton::onMouseMoved(const HRXPoint&, uint32_t) {
    return kHRXMouseHandled;
}

int32_t HRXKickButton::onMouseUp(const HRXPoint&, uint32_t) {
    value_ = 0.0;
    pressed_ = false;
    redraw();
    return kHRXMouseHandled;
}

int32_t HRXKickButton::onMouseEntered(const HRXPoint&, uint32_t) {
    hover_ = true;
    redraw();
    return kHRXMouseHandled;
}

int32_t HRXKickButton::onMouseExited(const HRXPoint&, uint32_t) {
    hover_ = false;
    redraw();
    return kHRXMouseHandled;
}
