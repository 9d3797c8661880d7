#pragma once

#include <cairo.h>

#include <cstdint>

namespace artwork {

// One image: its resource id, its size in logical units (stored at twice
// that) and the routine that draws it in logical units.
struct Artwork {
    uint32_t id;
    int width;
    int height;
    void (*draw)(cairo_t* cr);
};

void drawBackground(cairo_t* cr);
void drawAboutBox(cairo_t* cr);
void drawDesignerPicture(cairo_t* cr);
void drawProcessSwitch(cairo_t* cr);
void drawTimeKnob(cairo_t* cr);
void drawCompressionKnob(cairo_t* cr);
void drawOutputKnob(cairo_t* cr);
void drawRatioKnob(cairo_t* cr);
void drawAttackRatioKnob(cairo_t* cr);
void drawValveLevelKnob(cairo_t* cr);
void drawMeterFaceLit(cairo_t* cr);
void drawMeterFaceUnlit(cairo_t* cr);
void drawMeterBezel(cairo_t* cr);

// Shared with the background, which prints the same bezel around the face.
void drawMeterBezelAt(cairo_t* cr, double x, double y, double width, double height);

}  // namespace artwork
