#include "PresetBarArrowControls.h"

using namespace PresetBarStyle;

PresetBarTwoArrowControl::PresetBarTwoArrowControl(const HRXRect& rect, int32_t tag)
    : PresetBarBasicControl(rect, tag) {}

// The inner rectangle's halves, a unit apart.
HRXRect PresetBarTwoArrowControl::leftArrowRect() const {
    const double middle = (innerRect_.left + innerRect_.right) * 0.5;
    return {innerRect_.left, innerRect_.top, middle - 1.0, innerRect_.bottom};
}

HRXRect PresetBarTwoArrowControl::rightArrowRect() const {
    const double middle = (innerRect_.left + innerRect_.right) * 0.5;
    return {middle + 1.0, innerRect_.top, innerRect_.right, innerRect_.bottom};
}

int32_t PresetBarTwoArrowControl::arrowAt(const HRXPoint& point) const {
    if (leftArrowRect().contains(point))
        return 0;
    if (rightArrowRect().contains(point))
        return 1;
    return -1;
}

void PresetBarTwoArrowControl::draw(HRXDrawContext* context) {
    const double fade = static_cast<double>(fadeCounter_) / kFadeTicks;
    for (int32_t arrow = 0; arrow < 2; ++arrow) {
        ButtonState state;
        state.pressed = pressedArrow_ == arrow;
        state.hovered = hovered_ && hoveredArrow_ == arrow;
        state.fade = hoveredArrow_ == arrow ? fade : 0.0;
        const HRXRect rect = arrow == 0 ? leftArrowRect() : rightArrowRect();
        drawFace(context, rect, state);
        drawArrow(context, rect, arrow == 0, textColour(state));
    }
}

int32_t PresetBarTwoArrowControl::onMouseDown(const HRXPoint& point, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    const int32_t arrow = arrowAt(point);
    if (arrow < 0)
        return kHRXMouseHandled;
    pressedArrow_ = arrow;
    hoveredArrow_ = arrow;
    value_ = arrow == 0 ? 0.0 : 1.0;
    return PresetBarBasicControl::onMouseDown(point, buttons);
}

int32_t PresetBarTwoArrowControl::onMouseMoved(const HRXPoint& point, uint32_t buttons) {
    const int32_t arrow = arrowAt(point);
    if (arrow != hoveredArrow_) {
        hoveredArrow_ = arrow;
        redraw();
    }
    return PresetBarBasicControl::onMouseMoved(point, buttons);
}

int32_t PresetBarTwoArrowControl::onMouseUp(const HRXPoint& point, uint32_t buttons) {
    pressedArrow_ = -1;
    return PresetBarBasicControl::onMouseUp(point, buttons);
}

int32_t PresetBarTwoArrowControl::onMouseExited(const HRXPoint& point, uint32_t buttons) {
    pressedArrow_ = -1;
    return PresetBarBasicControl::onMouseExited(point, buttons);
}

void PresetBarNudgeControl::drawArrow(HRXDrawContext* context, const HRXRect& rect, bool left,
                                      const HRXColour& colour) {
    drawTriangle(context, rect, 10.0, left ? Direction::Left : Direction::Right, colour);
}

void PresetBarUndoRedoControl::drawArrow(HRXDrawContext* context, const HRXRect& rect, bool left,
                                         const HRXColour& colour) {
    drawHookArrow(context, rect, left ? Direction::Left : Direction::Right, colour);
}
