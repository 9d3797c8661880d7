// The gain-reduction meter: a printed face, lit from behind or dark, whose
// scale sits where the needle points for each reduction. The needle's value
// is 1 minus the linear gain, and it swings from 120 degrees (value 0) to
// 60 degrees (value 1) about a pivot below the face.

#include "Artwork.h"
#include "Layout.h"
#include "Paint.h"

#include <cmath>
#include <cstdio>

namespace artwork {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFaceWidth = kMeterRect.right - kMeterRect.left;
constexpr double kFaceHeight = kMeterRect.bottom - kMeterRect.top;
// The pivot in face coordinates, with the half-unit the needle adds.
constexpr double kPivotX = kMeterPivot.x - kMeterRect.left + 0.5;
constexpr double kPivotY = kMeterPivot.y - kMeterRect.top + 0.5;

// The editor strokes the needle 2 units wide.
constexpr double kNeedleHalfWidth = 1.0;

// Screen point at a radius from the pivot for a needle angle in degrees.
void polar(double degrees, double radius, double& x, double& y) {
    double a = degrees * kPi / 180.0;
    x = kPivotX + radius * std::cos(a);
    y = kPivotY - radius * std::sin(a);
}

double angleForReduction(double decibels) {
    double value = 1.0 - std::pow(10.0, decibels / 20.0);
    return 120.0 - 60.0 * value;
}

struct FaceColours {
    uint32_t centre;
    uint32_t edge;
    uint32_t ink;
    uint32_t red;
    double inkAlpha;
};

void drawFace(cairo_t* cr, const FaceColours& c) {
    // Paper, brightest where the lamp sits behind it.
    cairo_pattern_t* paper = cairo_pattern_create_radial(50, 46, 4, 50, 40, 70);
    addStop(paper, 0.0, c.centre);
    addStop(paper, 1.0, c.edge);
    cairo_set_source(cr, paper);
    cairo_rectangle(cr, 0, 0, kFaceWidth, kFaceHeight);
    cairo_fill(cr);
    cairo_pattern_destroy(paper);
    drawGrain(cr, 0, 0, kFaceWidth, kFaceHeight, 0x5EED, 0.05);

    // Scale arc, heavier and red beyond -12 dB.
    const double arcRadius = 70.0;
    double from = angleForReduction(0.0);
    double split = angleForReduction(-12.0);
    double to = angleForReduction(-24.0);
    cairo_set_line_width(cr, 0.8);
    setColor(cr, c.ink, c.inkAlpha);
    cairo_new_path(cr);
    cairo_arc(cr, kPivotX, kPivotY, arcRadius, -from * kPi / 180.0, -split * kPi / 180.0);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2.2);
    setColor(cr, c.red, c.inkAlpha);
    cairo_arc(cr, kPivotX, kPivotY, arcRadius + 1.5, -split * kPi / 180.0, -to * kPi / 180.0);
    cairo_stroke(cr);

    // Ticks: every decibel to -6, then the longer steps.
    static const double kMinor[] = {-1, -2, -4, -5, -8, -10, -15, -18, -21};
    static const double kMajor[] = {0, -3, -6, -12, -24};
    cairo_set_line_width(cr, 0.6);
    for (double d : kMinor) {
        double x0, y0, x1, y1;
        polar(angleForReduction(d), arcRadius, x0, y0);
        polar(angleForReduction(d), arcRadius + 3.0, x1, y1);
        setColor(cr, d < -12 ? c.red : c.ink, c.inkAlpha);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        cairo_stroke(cr);
    }
    cairo_set_line_width(cr, 1.0);
    for (double d : kMajor) {
        double a = angleForReduction(d);
        double x0, y0, x1, y1;
        polar(a, arcRadius - 1.5, x0, y0);
        polar(a, arcRadius + 5.0, x1, y1);
        setColor(cr, d < -12 ? c.red : c.ink, c.inkAlpha);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        cairo_stroke(cr);
        char label[8];
        std::snprintf(label, sizeof(label), "%d", static_cast<int>(d));
        const double labelRadius = arcRadius + 10.5;
        double labelAngle = a;
        if (d == 0.0) {
            // The needle rests on the 0 mark and would hide a figure printed
            // on it: the "0" sits just left of its mark, where the needle
            // never goes. Its box must clear the needle's half width and a
            // gap, measured across the needle.
            const double halfWidth = textWidth(cr, Face::SansBold, kSmallestText, label) * 0.5;
            const double halfHeight = capitalHeight(cr, Face::SansBold, kSmallestText) * 0.5;
            const double across =
                halfWidth * std::fabs(std::sin(a * kPi / 180.0)) + halfHeight * std::fabs(std::cos(a * kPi / 180.0));
            labelAngle += std::asin((across + kNeedleHalfWidth + 1.5) / labelRadius) * 180.0 / kPi;
        }
        double lx, ly;
        polar(labelAngle, labelRadius, lx, ly);
        drawText(cr, Face::SansBold, kSmallestText, lx, ly, label, Align::Centre);
    }

    // Legends.
    setColor(cr, c.ink, c.inkAlpha);
    drawText(cr, Face::SansBold, kSmallestText, kFaceWidth * 0.5 + 17.0, 27.5, "dB", Align::Centre, 0.4);
    setColor(cr, c.ink, c.inkAlpha * 0.75);
    drawText(cr, Face::SerifItalicBold, kSmallestText + 0.5, kFaceWidth * 0.5, 35.0, "velvaTon", Align::Centre);

    // Shade under the bezel's upper edge and a faint reflection on the glass.
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, 8);
    cairo_pattern_add_color_stop_rgba(shade, 0.0, 0, 0, 0, 0.35);
    cairo_pattern_add_color_stop_rgba(shade, 1.0, 0, 0, 0, 0.0);
    cairo_set_source(cr, shade);
    cairo_rectangle(cr, 0, 0, kFaceWidth, 8);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 38, 0);
    cairo_line_to(cr, 12, kFaceHeight);
    cairo_line_to(cr, 0, kFaceHeight);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.07);
    cairo_fill(cr);
    // Pivot housing peeking over the lower edge.
    cairo_pattern_t* housing = cairo_pattern_create_linear(0, kFaceHeight - 6, 0, kFaceHeight);
    addStop(housing, 0.0, 0x3A302A);
    addStop(housing, 1.0, 0x120E0C);
    cairo_set_source(cr, housing);
    cairo_arc(cr, kPivotX, kFaceHeight + 22.0, 26.0, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(housing);
}

}  // namespace

void drawMeterFaceLit(cairo_t* cr) {
    drawFace(cr, FaceColours{0xFFEBB8, 0xE0A957, 0x2A1A10, 0xB3261E, 0.92});
}

void drawMeterFaceUnlit(cairo_t* cr) {
    drawFace(cr, FaceColours{0xB4A88F, 0x7E715D, 0x2E241C, 0x7A3A30, 0.8});
}

void drawMeterBezelAt(cairo_t* cr, double x, double y, double width, double height) {
    cairo_pattern_t* outer = cairo_pattern_create_linear(x, y, x, y + height);
    addStop(outer, 0.0, 0x5B4A3E);
    addStop(outer, 0.5, 0x2C221C);
    addStop(outer, 1.0, 0x171210);
    cairo_set_source(cr, outer);
    roundedRectangle(cr, x, y, width, height, 4.0);
    cairo_fill(cr);
    cairo_pattern_destroy(outer);
    cairo_set_line_width(cr, 0.8);
    cairo_set_source_rgba(cr, 1, 0.93, 0.8, 0.25);
    roundedRectangle(cr, x + 0.6, y + 0.6, width - 1.2, height - 1.2, 3.6);
    cairo_stroke(cr);
    // The window the face shows through.
    setColor(cr, 0x0A0806);
    roundedRectangle(cr, x + 5.5, y + 1.5, width - 11.0, height - 3.0, 1.5);
    cairo_fill(cr);
}

void drawMeterBezel(cairo_t* cr) {
    drawMeterBezelAt(cr, 0, 0, 113, 46);
}

}  // namespace artwork
