#include "PresetBarStyle.h"

#include <cmath>

#include "HRXLibraryResources.h"

namespace PresetBarStyle {

namespace {

uint8_t mixChannel(uint8_t from, uint8_t to, double amount) {
    return static_cast<uint8_t>(std::lround(from + (to - from) * amount));
}

}  // namespace

HRXColour mix(const HRXColour& from, const HRXColour& to, double amount) {
    if (!(amount > 0.0))
        return from;
    if (amount >= 1.0)
        return to;
    return {mixChannel(from.red, to.red, amount), mixChannel(from.green, to.green, amount),
            mixChannel(from.blue, to.blue, amount), mixChannel(from.alpha, to.alpha, amount)};
}

HRXColour faceColour(const ButtonState& state) {
    if (state.pressed)
        return kFacePressed;
    if (state.active)
        return kAccent;
    return mix(kFace, kFaceHovered, state.hovered ? 1.0 : state.fade);
}

HRXColour edgeColour(const ButtonState& state) {
    if (state.pressed || state.active)
        return kAccent;
    return mix(kEdge, kEdgeHovered, state.hovered ? 1.0 : state.fade);
}

HRXColour textColour(const ButtonState& state) {
    if (state.pressed)
        return kAccent;
    if (state.active)
        return kOnAccent;
    return mix(kText, kTextBright, state.hovered ? 1.0 : state.fade);
}

void drawFrame(HRXDrawContext* context, const HRXRect& rect, const HRXColour& colour) {
    context->setLineWidth(1.0);
    context->setFrameColour(colour);
    context->frameRect(rect);
}

void drawFace(HRXDrawContext* context, const HRXRect& rect, const ButtonState& state) {
    context->setFillColour(faceColour(state));
    context->fillRect(rect);
    drawFrame(context, rect, edgeColour(state));
}

void drawTriangle(HRXDrawContext* context, const HRXRect& rect, double size, Direction direction,
                  const HRXColour& colour) {
    const double cx = (rect.left + rect.right) * 0.5;
    const double cy = (rect.top + rect.bottom) * 0.5;
    const double half = size * 0.5;
    // The tip reaches 0.8 of the base's width: a clear, not too pointed arrow.
    const double depth = size * 0.8;
    HRXPoint points[3];
    switch (direction) {
    case Direction::Left:
        points[0] = {cx - depth * 0.5, cy};
        points[1] = {cx + depth * 0.5, cy - half};
        points[2] = {cx + depth * 0.5, cy + half};
        break;
    case Direction::Right:
        points[0] = {cx + depth * 0.5, cy};
        points[1] = {cx - depth * 0.5, cy - half};
        points[2] = {cx - depth * 0.5, cy + half};
        break;
    case Direction::Up:
        points[0] = {cx, cy - depth * 0.5};
        points[1] = {cx - half, cy + depth * 0.5};
        points[2] = {cx + half, cy + depth * 0.5};
        break;
    case Direction::Down:
        points[0] = {cx, cy + depth * 0.5};
        points[1] = {cx - half, cy - depth * 0.5};
        points[2] = {cx + half, cy - depth * 0.5};
        break;
    }
    context->setFillColour(colour);
    context->fillPolygon(points, 3);
}

// A half circle open downwards, ending in an arrow head at one end: the
// usual sign for undo (head on the left) and redo (head on the right).
void drawHookArrow(HRXDrawContext* context, const HRXRect& rect, Direction direction, const HRXColour& colour) {
    constexpr int32_t kSegments = 12;
    constexpr double kPi = 3.14159265358979323846;
    const double cx = (rect.left + rect.right) * 0.5;
    const double cy = (rect.top + rect.bottom) * 0.5 + 2.5;
    const double radius = 5.0;
    const double sign = direction == Direction::Left ? 1.0 : -1.0;
    context->setLineWidth(2.0);
    context->setFrameColour(colour);
    // From the tail (lower, away from the head) over the top to the head.
    for (int32_t i = 0; i <= kSegments; ++i) {
        const double angle = kPi * i / kSegments;
        const HRXPoint point{cx + sign * radius * std::cos(angle), cy - radius * std::sin(angle)};
        if (i == 0)
            context->moveTo(point);
        else
            context->lineTo(point);
    }
    const double headX = cx - sign * radius;
    const HRXPoint head[3] = {{headX - 4.0, cy - 0.5}, {headX + 4.0, cy - 0.5}, {headX, cy + 4.5}};
    context->setFillColour(colour);
    context->fillPolygon(head, 3);
}

HRXRect inset(const HRXRect& rect, double dx, double dy) {
    return {rect.left + dx, rect.top + dy, rect.right - dx, rect.bottom - dy};
}

void drawCaption(HRXDrawContext* context, const char* text, const HRXRect& rect) {
    context->setFont(getFontArial14());
    context->setFontColour(kTextDim);
    context->drawString(text, rect, kHRXAlignRight);
}

}  // namespace PresetBarStyle
