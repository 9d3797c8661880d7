#include "Paint.h"

#include <cmath>
#include <string>

namespace artwork {

namespace {

constexpr double kPi = 3.14159265358979323846;

void selectFace(cairo_t* cr, Face face) {
    switch (face) {
    case Face::Sans:
        cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        break;
    case Face::SansBold:
        cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        break;
    case Face::SerifItalicBold:
        cairo_select_font_face(cr, "Liberation Serif", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_BOLD);
        break;
    }
}

// A small linear congruential generator: the same grain on every build.
struct Random {
    uint32_t state;
    double next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 16777216.0;
    }
};

}  // namespace

void setColor(cairo_t* cr, uint32_t rgb, double alpha) {
    cairo_set_source_rgba(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha);
}

void addStop(cairo_pattern_t* pattern, double offset, uint32_t rgb, double alpha) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                                      (rgb & 0xFF) / 255.0, alpha);
}

void drawText(cairo_t* cr, Face face, double size, double x, double y, const char* text, Align align,
              double letterSpacing) {
    cairo_save(cr);
    selectFace(cr, face);
    cairo_set_font_size(cr, size);
    // Ink height of capitals and figures centres every line the same way.
    cairo_text_extents_t capitals;
    cairo_text_extents(cr, "H0", &capitals);
    double width = 0.0;
    std::string s(text);
    size_t count = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            continue;
        size_t next = i + 1;
        while (next < s.size() && (static_cast<unsigned char>(s[next]) & 0xC0) == 0x80)
            ++next;
        cairo_text_extents_t glyph;
        cairo_text_extents(cr, s.substr(i, next - i).c_str(), &glyph);
        width += glyph.x_advance;
        ++count;
    }
    if (count > 1)
        width += letterSpacing * static_cast<double>(count - 1);
    double left = x;
    if (align == Align::Centre)
        left = x - width * 0.5;
    else if (align == Align::Right)
        left = x - width;
    double baseline = y + capitals.height * 0.5;
    double pen = left;
    for (size_t i = 0; i < s.size();) {
        size_t next = i + 1;
        while (next < s.size() && (static_cast<unsigned char>(s[next]) & 0xC0) == 0x80)
            ++next;
        std::string glyphText = s.substr(i, next - i);
        cairo_move_to(cr, pen, baseline);
        cairo_show_text(cr, glyphText.c_str());
        cairo_text_extents_t glyph;
        cairo_text_extents(cr, glyphText.c_str(), &glyph);
        pen += glyph.x_advance + letterSpacing;
        i = next;
    }
    cairo_new_path(cr);
    cairo_restore(cr);
}

double textWidth(cairo_t* cr, Face face, double size, const char* text) {
    cairo_save(cr);
    selectFace(cr, face);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    cairo_restore(cr);
    return extents.x_advance;
}

double capitalHeight(cairo_t* cr, Face face, double size) {
    cairo_save(cr);
    selectFace(cr, face);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, "H0", &extents);
    cairo_restore(cr);
    return extents.height;
}

void knobDirection(double value, double& dx, double& dy) {
    double angle = (-135.0 + 270.0 * value) * kPi / 180.0;
    dx = std::sin(angle);
    dy = -std::cos(angle);
}

void drawGrain(cairo_t* cr, double x, double y, double width, double height, uint32_t seed, double strength) {
    Random random{seed};
    cairo_save(cr);
    cairo_set_line_width(cr, 0.5);
    for (double row = y + 0.25; row < y + height; row += 0.5) {
        double shade = random.next();
        double start = x + random.next() * width * 0.3;
        double length = width * (0.4 + random.next() * 0.6);
        if (shade < 0.5)
            cairo_set_source_rgba(cr, 0, 0, 0, strength * (0.5 - shade));
        else
            cairo_set_source_rgba(cr, 1, 1, 1, strength * (shade - 0.5));
        cairo_move_to(cr, start, row);
        cairo_line_to(cr, std::fmin(start + length, x + width), row);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void drawRoundShadow(cairo_t* cr, double cx, double cy, double radius, double spread, double alpha) {
    cairo_pattern_t* shadow = cairo_pattern_create_radial(cx, cy, radius * 0.6, cx, cy, radius + spread);
    cairo_pattern_add_color_stop_rgba(shadow, 0.0, 0, 0, 0, alpha);
    cairo_pattern_add_color_stop_rgba(shadow, 0.55, 0, 0, 0, alpha * 0.6);
    cairo_pattern_add_color_stop_rgba(shadow, 1.0, 0, 0, 0, 0.0);
    cairo_set_source(cr, shadow);
    cairo_arc(cr, cx, cy, radius + spread, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(shadow);
}

void drawScrew(cairo_t* cr, double cx, double cy, double radius, double slotAngle) {
    drawRoundShadow(cr, cx + 0.4, cy + 0.6, radius, 1.0, 0.35);
    cairo_pattern_t* head = cairo_pattern_create_radial(cx - radius * 0.4, cy - radius * 0.4, 0.2, cx, cy, radius);
    addStop(head, 0.0, 0xF4EBD8);
    addStop(head, 0.6, 0xB9AC95);
    addStop(head, 1.0, 0x7D715F);
    cairo_set_source(cr, head);
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(head);
    double dx = std::cos(slotAngle) * radius * 0.8;
    double dy = std::sin(slotAngle) * radius * 0.8;
    cairo_set_line_width(cr, radius * 0.28);
    setColor(cr, 0x3A3128, 0.85);
    cairo_move_to(cr, cx - dx, cy - dy);
    cairo_line_to(cr, cx + dx, cy + dy);
    cairo_stroke(cr);
}

void roundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - radius, y + radius, radius, -kPi / 2, 0);
    cairo_arc(cr, x + width - radius, y + height - radius, radius, 0, kPi / 2);
    cairo_arc(cr, x + radius, y + height - radius, radius, kPi / 2, kPi);
    cairo_arc(cr, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

}  // namespace artwork
