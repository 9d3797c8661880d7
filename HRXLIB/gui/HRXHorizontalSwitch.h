#pragma once

#include "HRXBaseControl.h"

// Segment switch of N positions side by side, left to right 0..N-1; the strip
// holds the N states stacked vertically, each as high as the view.
class HRXHorizontalSwitch : public HRXBaseControl {
public:
    HRXHorizontalSwitch(const HRXRect& rect, int32_t tag, HRXBitmap* bitmap, int32_t positions);

    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseMoved(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseUp(const HRXPoint& point, uint32_t buttons) override;
    bool onWheel(const HRXPoint& point, float distance, uint32_t buttons) override;

    int32_t getPosition() const { return hrxRound((positions_ - 1) * value_); }

private:
    int32_t positions_;
    double segmentWidth_;
};
