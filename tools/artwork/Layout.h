#pragma once

// The panel prints scales and captions around the rectangles the editor
// places its controls in; both take them from the editor's layout header.

#include "velvaTonEditorLayout.h"

namespace artwork {

inline double centreX(const HRXRect& r) {
    return (r.left + r.right) * 0.5;
}
inline double centreY(const HRXRect& r) {
    return (r.top + r.bottom) * 0.5;
}

// The layout row of the knob drawn from an image strip.
inline const velvaTonKnobLayout& knobLayout(uint32_t bitmapId) {
    for (const velvaTonKnobLayout& knob : kKnobLayout) {
        if (knob.bitmapId == bitmapId)
            return knob;
    }
    return kKnobLayout[0];  // every strip drawn here has a row
}

}  // namespace artwork
