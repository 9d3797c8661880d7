#pragma once

#include <cstdint>

#include "HRXGeometry.h"

class HRXBaseControl;
class HRXBitmap;

// A view container as the engine-neutral editor sees it: made by the graphical
// engine, attached to the frame with addView/removeView. Deleting the handle
// drops its reference to the container; views the frame still holds live on
// until the frame goes.
class HRXViewContainer {
public:
    virtual ~HRXViewContainer() = default;
    virtual void setViewSize(const HRXRect& rect) = 0;
    virtual HRXRect getRect() const = 0;
    virtual void setBackground(HRXBitmap* bitmap) = 0;
    virtual void setBackgroundId(uint32_t resourceId) = 0;
    virtual void setBackgroundColour(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) = 0;
    // Creates the control's toolkit companion, which from then on owns the
    // control. Answers false (and keeps nothing) for a kind without companion.
    virtual bool addControl(HRXBaseControl* control) = 0;
    // Removes the control's companion, which deletes the control.
    virtual void removeControl(HRXBaseControl* control) = 0;
};
