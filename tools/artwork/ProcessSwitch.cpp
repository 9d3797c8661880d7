// The Process selector: three push buttons with jewel lamps, Valve, Clear
// and Off from left to right; frame k (top to bottom) shows button k
// pressed and lit. Only the upper part of each frame is drawn: below it the
// panel carries the ValveLevel knob.

#include "Artwork.h"
#include "Layout.h"
#include "Paint.h"

#include <cmath>

namespace artwork {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Segment {
    const char* label;
    uint32_t lampLit;
    uint32_t lampDark;
};

constexpr Segment kSegments[kProcessSwitchPositions] = {
    {"VALVE", 0xFFA436, 0x5A3416},
    {"CLEAR", 0xFFE7A8, 0x5A5038},
    {"OFF", 0xFF4A36, 0x4A1A14},
};

void drawButton(cairo_t* cr, double x, double y, double width, double height, const Segment& segment, bool pressed) {
    double sink = pressed ? 0.9 : 0.0;
    if (!pressed) {
        cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
        roundedRectangle(cr, x + 0.6, y + 1.4, width, height, 2.5);
        cairo_fill(cr);
    }
    cairo_pattern_t* face = cairo_pattern_create_linear(x, y + sink, x, y + sink + height);
    if (pressed) {
        addStop(face, 0.0, 0xB7A88C);
        addStop(face, 1.0, 0xD9CBAE);
    } else {
        addStop(face, 0.0, 0xF3E9D4);
        addStop(face, 1.0, 0xC9B995);
    }
    cairo_set_source(cr, face);
    roundedRectangle(cr, x, y + sink, width, height, 2.5);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    cairo_set_line_width(cr, 0.6);
    cairo_set_source_rgba(cr, 0.2, 0.14, 0.1, 0.8);
    roundedRectangle(cr, x, y + sink, width, height, 2.5);
    cairo_stroke(cr);

    // Jewel lamp.
    double cx = x + width * 0.5;
    double cy = y + sink + height * 0.42;
    uint32_t lamp = pressed ? segment.lampLit : segment.lampDark;
    if (pressed) {
        cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 1.0, cx, cy, 11.0);
        addStop(glow, 0.0, lamp, 0.65);
        addStop(glow, 1.0, lamp, 0.0);
        cairo_set_source(cr, glow);
        cairo_arc(cr, cx, cy, 11.0, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
    setColor(cr, 0x2A211B);
    cairo_arc(cr, cx, cy, 5.2, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_t* jewel = cairo_pattern_create_radial(cx - 1.2, cy - 1.4, 0.3, cx, cy, 4.4);
    addStop(jewel, 0.0, pressed ? 0xFFFFF0 : lamp);
    addStop(jewel, 0.35, lamp);
    addStop(jewel, 1.0, pressed ? lamp : 0x140D0A, pressed ? 0.95 : 1.0);
    cairo_set_source(cr, jewel);
    cairo_arc(cr, cx, cy, 4.4, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(jewel);
    // Facets of the jewel.
    cairo_set_source_rgba(cr, 1, 1, 1, pressed ? 0.55 : 0.25);
    cairo_arc(cr, cx - 1.4, cy - 1.6, 1.1, 0, 2 * kPi);
    cairo_fill(cr);

    setColor(cr, pressed ? 0x4A1C12 : 0x3A2C22);
    drawText(cr, Face::SansBold, kSmallestText, cx, y + sink + height - 4.6, segment.label, Align::Centre, 0.2);
}

void drawFrame(cairo_t* cr, int selected) {
    const double width = kProcessSwitchRect.width();
    const double segmentWidth = width / kProcessSwitchPositions;
    // Recessed slot holding the buttons.
    cairo_set_source_rgba(cr, 0.1, 0.07, 0.05, 0.85);
    roundedRectangle(cr, 1.0, 2.0, width - 2.0, 35.0, 3.5);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 1, 0.95, 0.85, 0.35);
    cairo_set_line_width(cr, 0.6);
    cairo_move_to(cr, 3.0, 37.3);
    cairo_line_to(cr, width - 3.0, 37.3);
    cairo_stroke(cr);
    for (int k = 0; k < kProcessSwitchPositions; ++k)
        drawButton(cr, k * segmentWidth + 3.0, 4.5, segmentWidth - 6.0, 29.0, kSegments[k], k == selected);
}

}  // namespace

void drawProcessSwitch(cairo_t* cr) {
    const double frameHeight = kProcessSwitchRect.height();
    for (int k = 0; k < kProcessSwitchPositions; ++k) {
        cairo_save(cr);
        cairo_rectangle(cr, 0, k * frameHeight, kProcessSwitchRect.width(), frameHeight);
        cairo_clip(cr);
        cairo_translate(cr, 0, k * frameHeight);
        drawFrame(cr, k);
        cairo_restore(cr);
    }
}

}  // namespace artwork
