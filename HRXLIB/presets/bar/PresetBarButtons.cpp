#include "PresetBarButtons.h"

#include <cmath>

#include "HRXLibraryResources.h"

using namespace PresetBarStyle;

PresetBarLabelButton::PresetBarLabelButton(const HRXRect& rect, int32_t tag, const char* label)
    : PresetBarBasicControl(rect, tag), label_(label ? label : ""), font_(getFontArial14()) {}

void PresetBarLabelButton::draw(HRXDrawContext* context) {
    ButtonState state = buttonState();
    state.active = active_;
    drawFace(context, innerRect_, state);
    context->setFont(font_);
    context->setFontColour(textColour(state));
    context->drawString(label_.c_str(), innerRect_, kHRXAlignCentre);
}

void PresetBarLabelButton::setLabel(const char* text) {
    label_ = text ? text : "";
    redraw();
}

void PresetBarLabelButton::setActive(bool isActive) {
    if (active_ == isActive)
        return;
    active_ = isActive;
    redraw();
}

void PresetBarConfigMenuButton::draw(HRXDrawContext* context) {
    constexpr int32_t kTeeth = 8;
    constexpr double kPi = 3.14159265358979323846;
    // Lit while the configuration menu is open (value 1.0).
    ButtonState state = buttonState();
    state.active = value_ > 0.5 && !state.pressed;
    drawFace(context, innerRect_, state);
    // A cog: eight teeth around a ring, its hole in the face's colour.
    const double cx = (innerRect_.left + innerRect_.right) * 0.5;
    const double cy = (innerRect_.top + innerRect_.bottom) * 0.5;
    const double outer = 7.0;
    const double root = 5.2;
    HRXPoint cog[kTeeth * 4];
    for (int32_t i = 0; i < kTeeth; ++i) {
        const double centre = 2.0 * kPi * i / kTeeth;
        const double halfTooth = kPi / kTeeth * 0.45;
        const double halfGap = kPi / kTeeth;
        const double angles[4] = {centre - halfGap, centre - halfTooth, centre + halfTooth, centre + halfGap};
        const double radii[4] = {root, outer, outer, root};
        for (int32_t k = 0; k < 4; ++k)
            cog[i * 4 + k] = {cx + radii[k] * std::cos(angles[k]), cy + radii[k] * std::sin(angles[k])};
    }
    context->setFillColour(textColour(state));
    context->fillPolygon(cog, kTeeth * 4);
    constexpr int32_t kHoleSides = 16;
    HRXPoint hole[kHoleSides];
    for (int32_t i = 0; i < kHoleSides; ++i) {
        const double angle = 2.0 * kPi * i / kHoleSides;
        hole[i] = {cx + 2.4 * std::cos(angle), cy + 2.4 * std::sin(angle)};
    }
    context->setFillColour(faceColour(state));
    context->fillPolygon(hole, kHoleSides);
}
