#include "PresetBarABControls.h"

#include "HRXLibraryResources.h"

using namespace PresetBarStyle;

ABCompPresetBarControl::ABCompPresetBarControl(const HRXRect& rect, int32_t tag) : PresetBarBasicControl(rect, tag) {
    value_ = 0.0;
}

void ABCompPresetBarControl::showSetupB(bool isB) {
    value_ = isB ? 1.0 : 0.0;
    redraw();
}

int32_t ABCompPresetBarControl::onMouseDown(const HRXPoint& point, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    value_ = point.x < (innerRect_.left + innerRect_.right) * 0.5 ? 0.0 : 1.0;
    return PresetBarBasicControl::onMouseDown(point, buttons);
}

void ABCompPresetBarControl::draw(HRXDrawContext* context) {
    const double middle = (innerRect_.left + innerRect_.right) * 0.5;
    const HRXRect halves[2] = {{innerRect_.left, innerRect_.top, middle, innerRect_.bottom},
                               {middle, innerRect_.top, innerRect_.right, innerRect_.bottom}};
    const char* labels[2] = {"A", "B"};
    const bool bActive = value_ > 0.5;
    context->setFont(getFontArial14());
    for (int32_t half = 0; half < 2; ++half) {
        ButtonState state = buttonState();
        state.active = (half == 1) == bActive;
        state.pressed = state.pressed && !state.active;
        drawFace(context, halves[half], state);
        context->setFontColour(textColour(state));
        context->drawString(labels[half], halves[half], kHRXAlignCentre);
    }
}

ABCopyPresetBarControl::ABCopyPresetBarControl(const HRXRect& rect, int32_t tag) : PresetBarBasicControl(rect, tag) {}

void ABCopyPresetBarControl::showFromB(bool isB) {
    if (fromB_ == isB)
        return;
    fromB_ = isB;
    redraw();
}

void ABCopyPresetBarControl::draw(HRXDrawContext* context) {
    const ButtonState state = buttonState();
    drawFace(context, innerRect_, state);
    const HRXColour colour = textColour(state);
    const double middle = (innerRect_.left + innerRect_.right) * 0.5;
    context->setFont(getFontArial14());
    context->setFontColour(colour);
    context->drawString(fromB_ ? "B" : "A", {innerRect_.left, innerRect_.top, middle - 5.0, innerRect_.bottom},
                        kHRXAlignRight);
    context->drawString(fromB_ ? "A" : "B", {middle + 5.0, innerRect_.top, innerRect_.right, innerRect_.bottom},
                        kHRXAlignLeft);
    // The arrow between them: a short shaft and a head.
    const double cy = (innerRect_.top + innerRect_.bottom) * 0.5;
    context->setLineWidth(1.5);
    context->setFrameColour(colour);
    context->moveTo({middle - 4.0, cy});
    context->lineTo({middle + 1.0, cy});
    drawTriangle(context, {middle, cy - 4.0, middle + 4.0, cy + 4.0}, 7.0, Direction::Right, colour);
}
