#pragma once

#include <cstdint>

// Engine-neutral geometry of the editor: doubles in logical units, screen y
// growing downwards.

struct HRXPoint {
    double x = 0.0;
    double y = 0.0;
};

struct HRXRect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    double width() const { return right - left; }
    double height() const { return bottom - top; }
    // Bounds included, as the about box's link test wants.
    bool contains(const HRXPoint& p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
};

struct HRXColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 255;
};
