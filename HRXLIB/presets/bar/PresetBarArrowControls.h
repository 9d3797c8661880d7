#pragma once

#include "PresetBarBasicControl.h"

// Two arrows side by side: a press (or double-click) on the left one reports
// 0.0, on the right one 1.0. Each arrow is drawn pressed, hovered or normal.
class PresetBarTwoArrowControl : public PresetBarBasicControl {
public:
    PresetBarTwoArrowControl(const HRXRect& rect, int32_t tag);

    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseMoved(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseUp(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseExited(const HRXPoint& point, uint32_t buttons) override;

    HRXRect leftArrowRect() const;
    HRXRect rightArrowRect() const;

protected:
    virtual void drawArrow(HRXDrawContext* context, const HRXRect& rect, bool left, const HRXColour& colour) = 0;

private:
    // -1 none, 0 left, 1 right.
    int32_t arrowAt(const HRXPoint& point) const;

    int32_t pressedArrow_ = -1;
    int32_t hoveredArrow_ = -1;
};

// Previous and next preset of the list.
class PresetBarNudgeControl : public PresetBarTwoArrowControl {
public:
    using PresetBarTwoArrowControl::PresetBarTwoArrowControl;

protected:
    void drawArrow(HRXDrawContext* context, const HRXRect& rect, bool left, const HRXColour& colour) override;
};

// Undo and redo.
class PresetBarUndoRedoControl : public PresetBarTwoArrowControl {
public:
    using PresetBarTwoArrowControl::PresetBarTwoArrowControl;

protected:
    void drawArrow(HRXDrawContext* context, const HRXRect& rect, bool left, const HRXColour& colour) override;
};
