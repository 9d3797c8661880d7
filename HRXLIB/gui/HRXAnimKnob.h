#pragma once

#include "HRXBaseControl.h"

// Filmstrip knob: F frames laid out down C columns of a bitmap grid. Dragged
// linearly (right or up raises, Shift for fine resolution) or, in circular
// mode, by the pointer's angle over a 270-degree sweep; wheel steps; reset to
// the default by double-click, Control- or Alt-click.
class HRXAnimKnob : public HRXBaseControl {
public:
    // Library-wide knob mode: 0 linear (initial), any other value circular.
    static int32_t knobMode;

    HRXAnimKnob(const HRXRect& rect, int32_t tag, HRXBitmap* bitmap, int32_t frames, int32_t columns);

    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseMoved(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseUp(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseEntered(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseExited(const HRXPoint& point, uint32_t buttons) override;
    bool onWheel(const HRXPoint& point, float distance, uint32_t buttons) override;

    void setMax(double value) { maximum_ = value; }
    void setMin(double value) { minimum_ = value; }
    void setDragPixels(double pixels) { normalDragPixels_ = pixels; }
    void setFineDragPixels(double pixels) { fineDragPixels_ = pixels; }
    void setWheelStep(double step) { wheelStep_ = step; }
    void setFineWheelFactor(double factor) { fineWheelFactor_ = factor; }
    double getWheelStep() const { return wheelStep_; }
    double getFineWheelFactor() const { return fineWheelFactor_; }

    // Index of the frame drawn for a value, and that frame's source offset.
    int32_t frameIndexFor(double value) const;
    HRXPoint frameOffset(int32_t index) const;

    // 0.0 at lower left, 0.5 straight up, 1.0 at lower right, with a 90-degree
    // dead zone at the bottom; the point is relative to the view's top-left.
    double circularValue(const HRXPoint& relative) const;

private:
    HRXPoint relativeToView(const HRXPoint& point) const { return {point.x - viewRect_.left, point.y - viewRect_.top}; }

    int32_t frames_;
    int32_t columns_;
    int32_t rows_;
    int32_t frameHeight_;
    int32_t frameWidth_;
    double maximum_ = 1.0;
    double minimum_ = 0.0;

    double startValue_ = 0.0;
    uint32_t savedButtons_ = 0;
    HRXPoint startPoint_;
    double pixels_ = 300.0;
    double valuePerPixel_ = 1.0 / 300.0;
    double lastCircular_ = 0.0;
    double halfRange_ = 0.5;

    double normalDragPixels_ = 300.0;
    double fineDragPixels_ = 1500.0;
    double wheelStep_;
    double fineWheelFactor_;
};
