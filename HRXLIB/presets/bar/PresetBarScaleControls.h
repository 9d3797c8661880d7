#pragma once

#include "PresetBarButtons.h"

// The zoom button: shows the editor zoom as "%d%%" and changes it by the
// mouse wheel (5 % a notch, 1 % with Shift), resets it to 100 % on a
// double-click or a Control/Alt click, and opens or closes the zoom menu on
// a plain click. Every change is reported (tag 60); the bar then resizes the
// window to the zoom taken from here when the user changed it here.
class PresetBarScaleMenuButton : public PresetBarMenuButton {
public:
    static constexpr double kWheelStep = 0.05;
    static constexpr double kFineWheelStep = 0.01;

    enum class MenuRequest { None, Open, Close };

    PresetBarScaleMenuButton(const HRXRect& rect, int32_t tag);

    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    bool onWheel(const HRXPoint& point, float distance, uint32_t buttons) override;

    // The zoom shown (limited), without reporting it.
    void setZoom(double factor);
    double getZoom() const { return zoom_; }
    // A zoom the user chose (in the zoom menu): kept as changed here.
    void chooseZoom(double factor);
    bool wasChangedByUser() const { return changedByUser_; }
    void clearChangedByUser() { changedByUser_ = false; }
    // What the last click asks of the zoom menu; asking clears it.
    MenuRequest takeMenuRequest();

protected:
    double zoom_ = 1.0;
    bool changedByUser_ = false;
    MenuRequest menuRequest_ = MenuRequest::None;
};

// The zoom grip in the editor's lower right corner: dragging it zooms the
// window so that the corner follows the pointer, in whole percent.
class PresetBarScaleCornerControl : public PresetBarScaleMenuButton {
public:
    PresetBarScaleCornerControl(const HRXRect& rect, int32_t tag);

    void draw(HRXDrawContext* context) override;
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseMoved(const HRXPoint& point, uint32_t buttons) override;
    int32_t onMouseUp(const HRXPoint& point, uint32_t buttons) override;
    bool onWheel(const HRXPoint&, float, uint32_t) override { return false; }

    // Where the grip's container lies in the window and the window's size,
    // both in logical units.
    void setPlacement(const HRXPoint& origin, double windowWidth, double windowHeight);
    bool isDragging() const { return dragging_; }

private:
    HRXPoint windowPixels(const HRXPoint& point) const;

    HRXPoint origin_;
    double windowWidth_ = 400.0;
    double windowHeight_ = 327.0;
    bool dragging_ = false;
    double dragStartZoom_ = 1.0;
    HRXPoint dragStart_;
};
