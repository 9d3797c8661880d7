// Filmstrip knobs: every frame shows the knob turned to value i / (F - 1);
// the light falls from the upper left and does not turn with the knob.

#include "Artwork.h"
#include "Layout.h"
#include "Paint.h"

#include <cmath>

namespace artwork {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Bakelite {
    uint32_t light;
    uint32_t mid;
    uint32_t dark;
};

constexpr Bakelite kBlack{0x5A524C, 0x24201D, 0x0E0C0B};
constexpr Bakelite kOxblood{0x9A4A3C, 0x5A1F18, 0x2A0D0A};
constexpr uint32_t kPointerCream = 0xF4E7C9;

// Frames run down the columns first: frame i sits in column i / rows and
// row i % rows.
// Each frame is as large as the knob's rectangle on the panel.
void drawStrip(cairo_t* cr, const velvaTonKnobLayout& knob,
               void (*drawFrame)(cairo_t*, double cx, double cy, double value)) {
    const int frames = knob.frames;
    const int columns = knob.columns;
    const double frameWidth = knob.rect.width();
    const double frameHeight = knob.rect.height();
    int rows = (frames + columns - 1) / columns;
    for (int i = 0; i < frames; ++i) {
        double x = (i / rows) * frameWidth;
        double y = (i % rows) * frameHeight;
        cairo_save(cr);
        cairo_rectangle(cr, x, y, frameWidth, frameHeight);
        cairo_clip(cr);
        drawFrame(cr, x + frameWidth * 0.5, y + frameHeight * 0.5, frames > 1 ? i / double(frames - 1) : 0.0);
        cairo_restore(cr);
    }
}

void fillCircle(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_fill(cr);
}

// A lit dome: highlight towards the upper left.
void fillDome(cairo_t* cr, double cx, double cy, double r, const Bakelite& colours) {
    cairo_pattern_t* dome = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.45, r * 0.05, cx, cy, r * 1.05);
    addStop(dome, 0.0, colours.light);
    addStop(dome, 0.45, colours.mid);
    addStop(dome, 1.0, colours.dark);
    cairo_set_source(cr, dome);
    fillCircle(cr, cx, cy, r);
    cairo_pattern_destroy(dome);
}

// Grip flutes around the rim; they turn with the knob.
void drawFlutes(cairo_t* cr, double cx, double cy, double inner, double outer, int count, double value) {
    double turn = (-135.0 + 270.0 * value) * kPi / 180.0;
    cairo_set_line_width(cr, outer * 0.045);
    for (int i = 0; i < count; ++i) {
        double a = turn + 2 * kPi * i / count;
        double sx = std::sin(a), sy = -std::cos(a);
        // Flutes facing the light are brighter.
        double facing = 0.5 + 0.5 * std::cos(a + kPi * 0.25 + kPi * 0.5);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.05 + 0.16 * facing);
        cairo_move_to(cr, cx + sx * inner, cy + sy * inner);
        cairo_line_to(cr, cx + sx * outer, cy + sy * outer);
        cairo_stroke(cr);
        double b = a + kPi / count;
        double bx = std::sin(b), by = -std::cos(b);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        cairo_move_to(cr, cx + bx * inner, cy + by * inner);
        cairo_line_to(cr, cx + bx * outer, cy + by * outer);
        cairo_stroke(cr);
    }
}

void drawPointerLine(cairo_t* cr, double cx, double cy, double value, double from, double to, double width) {
    double dx, dy;
    knobDirection(value, dx, dy);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, width + 1.0);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
    cairo_move_to(cr, cx + dx * from, cy + dy * from);
    cairo_line_to(cr, cx + dx * to, cy + dy * to);
    cairo_stroke(cr);
    cairo_set_line_width(cr, width);
    setColor(cr, kPointerCream);
    cairo_move_to(cr, cx + dx * from, cy + dy * from);
    cairo_line_to(cr, cx + dx * to, cy + dy * to);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// The large knob of Time, Compression and Output: a metal skirt, a fluted
// bakelite body and a domed cap, the pointer drawn across skirt and body.
void drawLargeKnob(cairo_t* cr, double cx, double cy, double value, const Bakelite& body) {
    drawRoundShadow(cr, cx + 1.5, cy + 2.5, 33.0, 4.0, 0.55);
    // Skirt.
    cairo_pattern_t* skirt = cairo_pattern_create_linear(cx - 30, cy - 30, cx + 30, cy + 30);
    addStop(skirt, 0.0, 0xD8CDB8);
    addStop(skirt, 0.5, 0x8C8270);
    addStop(skirt, 1.0, 0x4A4238);
    cairo_set_source(cr, skirt);
    fillCircle(cr, cx, cy, 32.0);
    cairo_pattern_destroy(skirt);
    setColor(cr, 0x2A241E, 0.8);
    cairo_set_line_width(cr, 0.6);
    cairo_arc(cr, cx, cy, 32.0, 0, 2 * kPi);
    cairo_stroke(cr);
    // Skirt index mark.
    double dx, dy;
    knobDirection(value, dx, dy);
    cairo_set_line_width(cr, 2.2);
    setColor(cr, 0x1A1512);
    cairo_move_to(cr, cx + dx * 26.5, cy + dy * 26.5);
    cairo_line_to(cr, cx + dx * 31.5, cy + dy * 31.5);
    cairo_stroke(cr);
    // Body and flutes.
    drawRoundShadow(cr, cx + 0.8, cy + 1.5, 25.0, 2.0, 0.6);
    fillDome(cr, cx, cy, 25.0, body);
    drawFlutes(cr, cx, cy, 20.5, 25.0, 40, value);
    // Cap.
    cairo_pattern_t* cap = cairo_pattern_create_linear(cx - 18, cy - 18, cx + 18, cy + 18);
    addStop(cap, 0.0, body.light);
    addStop(cap, 0.6, body.mid);
    addStop(cap, 1.0, body.dark);
    cairo_set_source(cr, cap);
    fillCircle(cr, cx, cy, 19.5);
    cairo_pattern_destroy(cap);
    cairo_pattern_t* gloss = cairo_pattern_create_radial(cx - 6, cy - 8, 0.5, cx - 4, cy - 5, 16);
    cairo_pattern_add_color_stop_rgba(gloss, 0.0, 1, 1, 1, 0.28);
    cairo_pattern_add_color_stop_rgba(gloss, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(cr, gloss);
    fillCircle(cr, cx, cy, 19.5);
    cairo_pattern_destroy(gloss);
    drawPointerLine(cr, cx, cy, value, 6.0, 24.0, 2.4);
}

void drawTimeFrame(cairo_t* cr, double cx, double cy, double value) {
    drawLargeKnob(cr, cx, cy, value, kBlack);
}

void drawCompressionFrame(cairo_t* cr, double cx, double cy, double value) {
    drawLargeKnob(cr, cx, cy, value, kOxblood);
}

// The Ratio selector: a chicken-head pointer knob on a round base.
void drawRatioFrame(cairo_t* cr, double cx, double cy, double value) {
    drawRoundShadow(cr, cx + 1.0, cy + 2.0, 17.0, 3.0, 0.5);
    fillDome(cr, cx, cy, 16.0, kBlack);
    double dx, dy;
    knobDirection(value, dx, dy);
    double px = -dy, py = dx;  // perpendicular
    auto at = [&](double along, double across, double& x, double& y) {
        x = cx + dx * along + px * across;
        y = cy + dy * along + py * across;
    };
    // Shadow of the head, then the head itself.
    for (int pass = 0; pass < 2; ++pass) {
        double ox = pass == 0 ? 1.2 : 0.0, oy = pass == 0 ? 2.0 : 0.0;
        double x, y;
        cairo_new_path(cr);
        at(26.0, 0.0, x, y);
        cairo_move_to(cr, x + ox, y + oy);
        double x1, y1, x2, y2;
        at(14.0, 7.0, x1, y1);
        at(-10.0, 11.0, x2, y2);
        at(-15.0, 0.0, x, y);
        cairo_curve_to(cr, x1 + ox, y1 + oy, x2 + ox, y2 + oy, x + ox, y + oy);
        at(-10.0, -11.0, x1, y1);
        at(14.0, -7.0, x2, y2);
        at(26.0, 0.0, x, y);
        cairo_curve_to(cr, x1 + ox, y1 + oy, x2 + ox, y2 + oy, x + ox, y + oy);
        cairo_close_path(cr);
        if (pass == 0) {
            cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
            cairo_fill(cr);
        } else {
            cairo_pattern_t* head = cairo_pattern_create_linear(cx - 20, cy - 20, cx + 20, cy + 20);
            addStop(head, 0.0, 0x6A625B);
            addStop(head, 0.35, 0x2C2724);
            addStop(head, 1.0, 0x0C0A09);
            cairo_set_source(cr, head);
            cairo_fill_preserve(cr);
            cairo_pattern_destroy(head);
            cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
            cairo_set_line_width(cr, 0.6);
            cairo_stroke(cr);
        }
    }
    // Ridge highlight and the cream index line along the head.
    double x0, y0, x1, y1;
    at(-8.0, -3.0, x0, y0);
    at(16.0, -2.0, x1, y1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
    drawPointerLine(cr, cx, cy, value, 8.0, 23.0, 1.8);
    // Centre screw cover.
    fillDome(cr, cx, cy, 4.0, kBlack);
}

// The small knobs of AttackRatio and ValveLevel.
void drawSmallFrame(cairo_t* cr, double cx, double cy, double value) {
    drawRoundShadow(cr, cx + 0.6, cy + 1.2, 11.0, 2.0, 0.55);
    fillDome(cr, cx, cy, 11.0, kBlack);
    drawFlutes(cr, cx, cy, 8.5, 11.0, 20, value);
    cairo_pattern_t* cap = cairo_pattern_create_linear(cx - 8, cy - 8, cx + 8, cy + 8);
    addStop(cap, 0.0, kBlack.light);
    addStop(cap, 1.0, kBlack.dark);
    cairo_set_source(cr, cap);
    fillCircle(cr, cx, cy, 8.0);
    cairo_pattern_destroy(cap);
    drawPointerLine(cr, cx, cy, value, 2.5, 10.5, 1.6);
}

}  // namespace

void drawTimeKnob(cairo_t* cr) {
    drawStrip(cr, knobLayout(kHRXBitmapTimeKnob), drawTimeFrame);
}

void drawCompressionKnob(cairo_t* cr) {
    drawStrip(cr, knobLayout(kHRXBitmapCompressionKnob), drawCompressionFrame);
}

void drawOutputKnob(cairo_t* cr) {
    drawStrip(cr, knobLayout(kHRXBitmapOutputKnob), drawTimeFrame);
}

void drawRatioKnob(cairo_t* cr) {
    drawStrip(cr, knobLayout(kHRXBitmapRatioKnob), drawRatioFrame);
}

void drawAttackRatioKnob(cairo_t* cr) {
    drawStrip(cr, knobLayout(kHRXBitmapAttackRatioKnob), drawSmallFrame);
}

void drawValveLevelKnob(cairo_t* cr) {
    drawStrip(cr, knobLayout(kHRXBitmapValveLevelKnob), drawSmallFrame);
}

}  // namespace artwork
