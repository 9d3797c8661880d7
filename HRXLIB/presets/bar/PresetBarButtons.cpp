#include "PresetBarButtons.h"

#include <cmath>

#include "HRXLibraryResources.h"

using namespace PresetBarStyle;

PresetBarLabelButton::PresetBarLabelButton(const HRXRect& rect, int32_t tag, const char* label)
    : PresetBarBasicControl(rect, tag), label(label ? label : ""), font(getFontArial14())
{
}

void PresetBarLabelButton::draw(HRXDrawContext* context)
{
    ButtonState state = buttonState();
    state.active = active;
    drawFace(context, innerRect, state);
    context->setFont(font);
    context->setFontColour(textColour(state));
    context->drawString(label.c_str(), innerRect, kHRXAlignCentre);
}

void PresetBarLabelButton::setLabel(const char* text)
{
    label = text ? text : "";
    redraw();
}

void PresetBarLabelButton::setActive(bool isActive)
{
    if (active == isActive)
        return;
    active = isActive;
    redraw();
}

void PresetBarConfigMenuButton::draw(HRXDrawContext* context)
{
    constexpr int32_t kTeeth = 8;
    constexpr double kPi = 3.14159265358979323846;
    // Lit while the configuration menu is open (value 1.0).
    ButtonState state = buttonState();
    state.active = value > 0.5 && !state.pressed;
    drawFace(context, innerRect, state);
    // A cog: eight teeth around a ring, its hole in the face's colour.
    const double cx = (innerRect.left + innerRect.right) * 0.5;
    const double cy = (innerRect.top + innerRect.bottom) * 0.5;
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
