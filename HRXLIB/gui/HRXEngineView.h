#pragma once

#include <cstdint>

#include "HRXGeometry.h"

// The toolkit companion of a control as the control sees it. A control
// without a companion (not yet added to a container) skips these calls.
class HRXEngineView {
public:
    virtual ~HRXEngineView() = default;
    virtual void redraw() = 0;
    // Copies the control's value into the toolkit control and tells the
    // toolkit's listener, which hands it to the editor's controlChanged.
    virtual void reportValue() = 0;
    virtual void setTooltipText(const char* text) = 0;
    // Sets the toolkit control's value and redraws.
    virtual void setValue(double value) = 0;
    virtual void setViewSize(const HRXRect& rect) = 0;
    virtual void setTag(int32_t tag) = 0;
};
