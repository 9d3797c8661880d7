#pragma once

#include "HRXDrawContext.h"

// Colours and shapes shared by the preset bar, its menus and panels: light
// text on dark faces, the panel's amber as the accent, three states for
// every button (normal, hovered, pressed).
namespace PresetBarStyle {

constexpr HRXColour kBarBackground{0x1E, 0x1E, 0x1E, 0xFF};
constexpr HRXColour kPresetMenuBackground{0x1E, 0x1E, 0x1E, 0xC8};
constexpr HRXColour kConfigMenuBackground{0x19, 0x19, 0x19, 0xE6};
constexpr HRXColour kFace{0x2E, 0x2E, 0x2E, 0xFF};
constexpr HRXColour kFaceHovered{0x40, 0x40, 0x40, 0xFF};
constexpr HRXColour kFacePressed{0x5A, 0x47, 0x22, 0xFF};
constexpr HRXColour kEdge{0x4C, 0x4C, 0x4C, 0xFF};
constexpr HRXColour kEdgeHovered{0x78, 0x78, 0x78, 0xFF};
constexpr HRXColour kField{0x10, 0x10, 0x10, 0xFF};
constexpr HRXColour kListBackground{0x14, 0x14, 0x14, 0xFF};
constexpr HRXColour kText{0xDA, 0xDA, 0xDA, 0xFF};
constexpr HRXColour kTextBright{0xFF, 0xFF, 0xFF, 0xFF};
constexpr HRXColour kTextDim{0x96, 0x96, 0x96, 0xFF};
constexpr HRXColour kAccent{0xF0, 0xB4, 0x4A, 0xFF};
constexpr HRXColour kOnAccent{0x1A, 0x14, 0x08, 0xFF};
constexpr HRXColour kBackdrop{0x00, 0x00, 0x00, 0x96};
constexpr HRXColour kNone{0x00, 0x00, 0x00, 0x00};

// How far a button is lit: pressed wins, then hovered; `fade` (0 .. 1) keeps
// some of the hover light for a moment after the pointer left.
struct ButtonState {
    bool pressed = false;
    bool hovered = false;
    double fade = 0.0;
    bool active = false;  // selected (an A/B half, a page, a group)
};

HRXColour mix(const HRXColour& from, const HRXColour& to, double amount);
HRXColour faceColour(const ButtonState& state);
HRXColour edgeColour(const ButtonState& state);
HRXColour textColour(const ButtonState& state);

// A button's face: filled, with a one-unit edge inside the rectangle.
void drawFace(HRXDrawContext* context, const HRXRect& rect, const ButtonState& state);
void drawFrame(HRXDrawContext* context, const HRXRect& rect, const HRXColour& colour);

enum class Direction { Left, Right, Up, Down };
// A filled triangle of the given width (across its base) centred in rect.
void drawTriangle(HRXDrawContext* context, const HRXRect& rect, double size, Direction direction,
                  const HRXColour& colour);
// A hooked arrow (undo to the left, redo to the right) centred in rect.
void drawHookArrow(HRXDrawContext* context, const HRXRect& rect, Direction direction, const HRXColour& colour);

HRXRect inset(const HRXRect& rect, double dx, double dy);

// The caption of a configuration control: dimmed, right-aligned in the
// control's first kCaptionWidth units.
constexpr double kCaptionWidth = 130.0;
void drawCaption(HRXDrawContext* context, const char* text, const HRXRect& rect);

}  // namespace PresetBarStyle
