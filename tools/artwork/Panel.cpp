// The editor panel, with the scales of every knob printed where the editor
// places it, and the about box picture.

#include "Artwork.h"
#include "Layout.h"
#include "Paint.h"

#include <cmath>

namespace artwork {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr uint32_t kInk = 0x2B1D14;
constexpr uint32_t kBrass = 0xC9A35E;
constexpr uint32_t kCream = 0xF3E6C8;
constexpr double kBandHeight = 44.0;

struct Scale {
    const char* const* labels;
    int labelCount;
    int minorPerStep;   // ticks between two labels
    double tickRadius;  // inner end of the ticks
    double majorLength;
    double labelGap;  // from the ticks' outer end to the nearest edge of a figure
    double fontSize;
};

// Ticks and figures around a knob centre, for values 0 to 1 over the
// knob's 270-degree sweep.
void drawScale(cairo_t* cr, double cx, double cy, const Scale& s) {
    int steps = (s.labelCount - 1) * (s.minorPerStep + 1);
    setColor(cr, kInk, 0.9);
    cairo_set_line_width(cr, 0.5);
    cairo_new_path(cr);
    // Arc from the 0.0 end (lower left) clockwise to the 1.0 end.
    cairo_arc(cr, cx, cy, s.tickRadius, 0.75 * kPi, 2.25 * kPi);
    cairo_stroke(cr);
    for (int i = 0; i <= steps; ++i) {
        double value = static_cast<double>(i) / steps;
        bool major = i % (s.minorPerStep + 1) == 0;
        double dx, dy;
        knobDirection(value, dx, dy);
        double length = major ? s.majorLength : s.majorLength * 0.5;
        cairo_set_line_width(cr, major ? 1.0 : 0.6);
        cairo_move_to(cr, cx + dx * s.tickRadius, cy + dy * s.tickRadius);
        cairo_line_to(cr, cx + dx * (s.tickRadius + length), cy + dy * (s.tickRadius + length));
        cairo_stroke(cr);
        if (major) {
            // Figures keep the same gap to the ticks whatever their width:
            // their centre moves out by the half extent facing the knob.
            const char* label = s.labels[i / (s.minorPerStep + 1)];
            double halfWidth = textWidth(cr, Face::SansBold, s.fontSize, label) * 0.5;
            double halfHeight = capitalHeight(cr, Face::SansBold, s.fontSize) * 0.5;
            double reach =
                s.tickRadius + s.majorLength + s.labelGap + std::fabs(dx) * halfWidth + std::fabs(dy) * halfHeight;
            drawText(cr, Face::SansBold, s.fontSize, cx + dx * reach, cy + dy * reach, label, Align::Centre);
        }
    }
}

void drawCaption(cairo_t* cr, double x, double y, const char* text, double letterSpacing = 2.0) {
    setColor(cr, kInk, 0.92);
    drawText(cr, Face::SansBold, kSmallestText, x, y, text, Align::Centre, letterSpacing);
}

void drawFaceplate(cairo_t* cr) {
    cairo_pattern_t* plate = cairo_pattern_create_linear(0, 0, 0, kEditorRect.bottom);
    addStop(plate, 0.0, 0xEDE1C5);
    addStop(plate, 0.55, 0xE3D3B0);
    addStop(plate, 1.0, 0xD2BE95);
    cairo_set_source(cr, plate);
    cairo_rectangle(cr, 0, 0, kEditorRect.right, kEditorRect.bottom);
    cairo_fill(cr);
    cairo_pattern_destroy(plate);
    drawGrain(cr, 0, 0, kEditorRect.right, kEditorRect.bottom, 0xC0FFEE, 0.10);
    // Darkened edges, as on an aged front plate.
    cairo_pattern_t* vignette = cairo_pattern_create_radial(200, 150, 120, 200, 150, 280);
    cairo_pattern_add_color_stop_rgba(vignette, 0.0, 0.2, 0.12, 0.05, 0.0);
    cairo_pattern_add_color_stop_rgba(vignette, 1.0, 0.2, 0.12, 0.05, 0.28);
    cairo_set_source(cr, vignette);
    cairo_rectangle(cr, 0, 0, kEditorRect.right, kEditorRect.bottom);
    cairo_fill(cr);
    cairo_pattern_destroy(vignette);
}

void drawNameBand(cairo_t* cr) {
    cairo_pattern_t* band = cairo_pattern_create_linear(0, 0, 0, kBandHeight);
    addStop(band, 0.0, 0x5A2A20);
    addStop(band, 1.0, 0x34160F);
    cairo_set_source(cr, band);
    cairo_rectangle(cr, 0, 0, kEditorRect.right, kBandHeight);
    cairo_fill(cr);
    cairo_pattern_destroy(band);
    drawGrain(cr, 0, 0, kEditorRect.right, kBandHeight, 0xBA4D, 0.08);
    // Brass trim.
    cairo_pattern_t* trim = cairo_pattern_create_linear(0, kBandHeight, 0, kBandHeight + 2.0);
    addStop(trim, 0.0, 0xE9CB8A);
    addStop(trim, 1.0, 0x8A6A34);
    cairo_set_source(cr, trim);
    cairo_rectangle(cr, 0, kBandHeight, kEditorRect.right, 2.0);
    cairo_fill(cr);
    cairo_pattern_destroy(trim);

    double cx = centreX(kNameButtonRect);
    setColor(cr, kBrass);
    drawText(cr, Face::SansBold, kSmallestText, cx, 8.0, "HRX", Align::Centre, 2.4);
    // Name with a faint engraved shadow.
    setColor(cr, 0x000000, 0.45);
    drawText(cr, Face::SerifItalicBold, 22.0, cx + 0.6, 22.6, "velvaTon", Align::Centre, 0.3);
    setColor(cr, kCream);
    drawText(cr, Face::SerifItalicBold, 22.0, cx, 22.0, "velvaTon", Align::Centre, 0.3);
    setColor(cr, kBrass);
    drawText(cr, Face::SansBold, kSmallestText, cx, 37.0, "OPTO  COMPRESSOR", Align::Centre, 1.6);

    drawScrew(cr, 12.0, 22.0, 4.0, 0.6);
    drawScrew(cr, kEditorRect.right - 12.0, 22.0, 4.0, 2.1);
}

void drawKnobScales(cairo_t* cr) {
    static const char* const kTenth[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    static const char* const kOutput[] = {"0", "5", "10", "15", "20", "25", "30"};
    static const char* const kRatio[] = {"1.2:1", "1.5:1", "2:1", "3:1", "4:1", "6:1", "10:1"};
    static const char* const kAttack[] = {"x0.25", "x0.4", "x0.6", "x1", "x1.6", "x2.5", "x4"};
    static const char* const kValve[] = {"-3", "-2", "-1", "0", "+1", "+2", "+3"};

    drawScale(cr, centreX(kTimeKnobRect), centreY(kTimeKnobRect), Scale{kTenth, 11, 1, 35.0, 3.5, 2.0, kSmallestText});
    drawScale(cr, centreX(kCompressionKnobRect), centreY(kCompressionKnobRect),
              Scale{kTenth, 11, 3, 35.0, 3.5, 2.0, kSmallestText});
    drawScale(cr, centreX(kOutputKnobRect), centreY(kOutputKnobRect),
              Scale{kOutput, 7, 4, 35.0, 3.5, 2.0, kSmallestText});
    drawScale(cr, centreX(kRatioKnobRect), centreY(kRatioKnobRect), Scale{kRatio, 7, 0, 25.0, 3.0, 1.8, kSmallestText});
    drawScale(cr, centreX(kAttackRatioKnobRect), centreY(kAttackRatioKnobRect),
              Scale{kAttack, 7, 0, 13.0, 2.0, 1.0, kSmallestText});
    drawScale(cr, centreX(kValveLevelKnobRect), centreY(kValveLevelKnobRect),
              Scale{kValve, 7, 0, 13.0, 2.0, 1.0, kSmallestText});

    double captionY = 266.0;
    drawCaption(cr, centreX(kTimeKnobRect), captionY, "TIME");
    drawCaption(cr, centreX(kCompressionKnobRect), captionY, "COMPRESSION");
    drawCaption(cr, centreX(kOutputKnobRect), captionY, "OUTPUT");
    // In the dead zone of the Ratio scale, just below its two end figures.
    drawCaption(cr, centreX(kRatioKnobRect), kRatioKnobRect.bottom - 3.0, "RATIO", 1.2);
    // Under the AttackRatio scale, left of the Time knob's scale.
    drawCaption(cr, centreX(kAttackRatioKnobRect) - 6.0, kAttackRatioKnobRect.bottom + 11.0, "ATTACK", 0.8);
    drawCaption(cr, 336.0, 101.0, "VALVE", 1.6);
    drawCaption(cr, 336.0, 111.0, "LEVEL", 1.6);
}

}  // namespace

void drawBackground(cairo_t* cr) {
    drawFaceplate(cr);
    drawNameBand(cr);
    // Meter bezel and its caption.
    drawMeterBezelAt(cr, kMeterRect.left - 6.5, kMeterRect.top - 1.5, 113.0, 46.0);
    drawCaption(cr, centreX(kMeterRect), kMeterRect.bottom + 11.0, "GAIN REDUCTION", 1.2);
    drawKnobScales(cr);
    drawScrew(cr, 12.0, kEditorRect.bottom - 12.0, 4.0, 1.2);
    drawScrew(cr, kEditorRect.right - 12.0, kEditorRect.bottom - 12.0, 4.0, 0.2);
}

void drawAboutBox(cairo_t* cr) {
    cairo_pattern_t* card = cairo_pattern_create_radial(200, 110, 30, 200, 140, 260);
    addStop(card, 0.0, 0x3E2A22);
    addStop(card, 1.0, 0x140C09);
    cairo_set_source(cr, card);
    cairo_rectangle(cr, 0, 0, kEditorRect.right, kEditorRect.bottom);
    cairo_fill(cr);
    cairo_pattern_destroy(card);
    drawGrain(cr, 0, 0, kEditorRect.right, kEditorRect.bottom, 0xAB0, 0.06);
    // Brass frame.
    cairo_set_line_width(cr, 1.2);
    setColor(cr, kBrass, 0.8);
    roundedRectangle(cr, 8, 8, kEditorRect.right - 16, kEditorRect.bottom - 16, 6);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 0.5);
    setColor(cr, kBrass, 0.4);
    roundedRectangle(cr, 12, 12, kEditorRect.right - 24, kEditorRect.bottom - 24, 4);
    cairo_stroke(cr);
    // A faint meter arc behind the title.
    cairo_set_line_width(cr, 10.0);
    cairo_set_source_rgba(cr, 1, 0.8, 0.5, 0.04);
    cairo_arc(cr, 200, 210, 150, -0.83 * kPi, -0.17 * kPi);
    cairo_stroke(cr);

    setColor(cr, kBrass);
    drawText(cr, Face::SansBold, 8.0, 200, 28, "HRX", Align::Centre, 3.0);
    setColor(cr, kCream);
    drawText(cr, Face::SerifItalicBold, 36.0, 200, 52, "velvaTon", Align::Centre, 0.4);
    setColor(cr, kBrass);
    drawText(cr, Face::SansBold, kSmallestText, 200, 84, "OPTO  COMPRESSOR  WITH  VALVE  STAGE", Align::Centre, 1.4);
    // Captions beside the texts the about box draws at run time.
    setColor(cr, 0xA89A88);
    drawText(cr, Face::Sans, 8.0, 292, 74, "version", Align::Right);
    drawText(cr, Face::Sans, 8.0, 184, 177, "member of", Align::Right);
    setColor(cr, 0x3697CE);
    drawText(cr, Face::SansBold, 9.0, 200, 141, "visit the maker online", Align::Centre, 0.3);
    cairo_set_line_width(cr, 0.5);
    setColor(cr, kBrass, 0.5);
    cairo_move_to(cr, 120, 196);
    cairo_line_to(cr, 280, 196);
    cairo_stroke(cr);
    setColor(cr, 0x8C7E6C);
    drawText(cr, Face::Sans, kSmallestText, 200, 250, "click anywhere to close", Align::Centre, 0.3);
}

void drawDesignerPicture(cairo_t* cr) {
    // A round badge: a pair of studio headphones on a warm ground.
    cairo_pattern_t* ground = cairo_pattern_create_radial(52, 48, 5, 60, 60, 62);
    addStop(ground, 0.0, 0xE9C98E);
    addStop(ground, 0.7, 0xB0763E);
    addStop(ground, 1.0, 0x5A2E18);
    cairo_set_source(cr, ground);
    cairo_arc(cr, 60, 60, 58, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(ground);
    cairo_set_line_width(cr, 2.0);
    setColor(cr, kBrass);
    cairo_arc(cr, 60, 60, 57, 0, 2 * kPi);
    cairo_stroke(cr);
    // Headband.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 7.0);
    setColor(cr, 0x2A1A12);
    cairo_arc(cr, 60, 66, 32, kPi * 1.08, kPi * 1.92);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2.0);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
    cairo_arc(cr, 60, 66, 33.5, kPi * 1.2, kPi * 1.5);
    cairo_stroke(cr);
    // Ear cups.
    for (int side = -1; side <= 1; side += 2) {
        double cx = 60 + side * 31.0;
        cairo_save(cr);
        cairo_translate(cr, cx, 72);
        cairo_scale(cr, 0.75, 1.0);
        cairo_pattern_t* cup = cairo_pattern_create_radial(-3, -5, 1, 0, 0, 14);
        addStop(cup, 0.0, 0x6A4A3A);
        addStop(cup, 1.0, 0x140C08);
        cairo_set_source(cr, cup);
        cairo_arc(cr, 0, 0, 14, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(cup);
        cairo_restore(cr);
    }
    setColor(cr, 0x2A1A12, 0.85);
    drawText(cr, Face::SerifItalicBold, 11.0, 60, 103, "velvaTon", Align::Centre);
}

}  // namespace artwork
