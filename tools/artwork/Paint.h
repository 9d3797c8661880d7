#pragma once

// Drawing helpers shared by the artwork: colours, text, grain and the knob
// geometry every scale and pointer follows.

#include <cairo.h>

#include <cstdint>

namespace artwork {

// Every image is drawn in logical units onto pixels at twice that size.
constexpr double kPixelsPerUnit = 2.0;

// The smallest type size of any legend, scale figure or caption: smaller
// lettering does not read on the panel at 100 %.
constexpr double kSmallestText = 7.0;

void setColor(cairo_t* cr, uint32_t rgb, double alpha = 1.0);
void addStop(cairo_pattern_t* pattern, double offset, uint32_t rgb, double alpha = 1.0);

enum class Align { Left, Centre, Right };
enum class Face { Sans, SansBold, SerifItalicBold };

// Draws one line of text whose ink is vertically centred on y; x is the
// left edge, centre or right edge by align. letterSpacing adds space
// between characters (logical units).
void drawText(cairo_t* cr, Face face, double size, double x, double y, const char* text, Align align,
              double letterSpacing = 0.0);

// Advance width and capital height of a line of text (logical units).
double textWidth(cairo_t* cr, Face face, double size, const char* text);
double capitalHeight(cairo_t* cr, Face face, double size);

// Knob pointers sweep 270 degrees: value 0.0 at lower left, 0.5 straight up,
// 1.0 at lower right. Answers the unit direction (screen y grows downwards).
void knobDirection(double value, double& dx, double& dy);

// Fine horizontal grain, deterministic for a seed, over a rectangle.
void drawGrain(cairo_t* cr, double x, double y, double width, double height, uint32_t seed, double strength);

// A soft round shadow under a knob.
void drawRoundShadow(cairo_t* cr, double cx, double cy, double radius, double spread, double alpha);

// A slotted screw head.
void drawScrew(cairo_t* cr, double cx, double cy, double radius, double slotAngle);

void roundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius);

}  // namespace artwork
