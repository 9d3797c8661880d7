#include "HRXAnimKnob.h"

#include <cmath>

#include "HRXBitmap.h"
#include "HRXDrawContext.h"
#include "HRXProduct.h"

int32_t HRXAnimKnob::knobMode = 0;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kThreeHalvesPi = 4.71238898038469;
constexpr double kThreeQuartersPi = 2.356194490192345;

}  // namespace

HRXAnimKnob::HRXAnimKnob(const HRXRect& rect, int32_t tag, HRXBitmap* bitmap, int32_t frames, int32_t columns)
    : HRXBaseControl(rect, tag, bitmap, kHRXKindFilmstripKnob), frames(frames), columns(columns < 1 ? 1 : columns)
{
    rows = hrxRound(std::ceil(static_cast<double>(frames) / this->columns));
    if (rows < 1)
        rows = 1;
    if (bitmap) {
        frameHeight = hrxRound(bitmap->getHeight() / rows);
        frameWidth = hrxRound(bitmap->getWidth() / this->columns);
    } else {
        frameHeight = static_cast<int32_t>(rect.height());
        frameWidth = static_cast<int32_t>(rect.width());
    }
    // The parameter's step counts give the wheel's notch and fine factor
    // until the editor sets its own.
    int32_t steps = product().getParameterSteps(tag);
    int32_t coarse = product().getParameterCoarseSteps(tag);
    if (steps < 1)
        steps = 1000;
    if (coarse < 1)
        coarse = 1000;
    wheelStep = 1.0 / coarse;
    fineWheelFactor = static_cast<double>(coarse) / steps;
}

int32_t HRXAnimKnob::frameIndexFor(double v) const
{
    if (v < 0.0 || frameHeight <= 0)
        return 0;
    return hrxRound((frames - 1) * v);
}

HRXPoint HRXAnimKnob::frameOffset(int32_t index) const
{
    const int32_t column = index / rows;
    const int32_t row = index - column * rows;
    return {static_cast<double>(column * frameWidth), static_cast<double>(row * frameHeight)};
}

void HRXAnimKnob::draw(HRXDrawContext* context)
{
    context->drawBitmap(bitmap, viewRect, frameOffset(frameIndexFor(value)), 1.0f);
}

double HRXAnimKnob::circularValue(const HRXPoint& relative) const
{
    const double w2 = viewRect.width() * 0.5;
    const double h2 = viewRect.height() * 0.5;
    const double dy = (relative.y - h2) / (h2 - 3.0);
    const double dx = (relative.x - w2) / (w2 - 3.0);
    double a = std::atan2(dy, dx) - kThreeHalvesPi;
    while (a > kPi)
        a -= 2.0 * kPi;
    while (a < -kPi)
        a += 2.0 * kPi;
    if (a > kThreeQuartersPi)
        return 1.0;
    if (a < -kThreeQuartersPi)
        return 0.0;
    return a / kThreeHalvesPi + 0.5;
}

int32_t HRXAnimKnob::onMouseDown(const HRXPoint& point, uint32_t buttons)
{
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    const bool isDoubleClick = (buttons & kHRXDoubleClick) != 0;
    if (ignoreDoubleClick && isDoubleClick) {
        doubleClicked = true;
        return kHRXMouseHandledNoMoves;
    }
    if (!ignoreDoubleClick)
        doubleClicked = false;

    if ((buttons & (kHRXControl | kHRXAlt)) || isDoubleClick) {
        value = getDefaultValue();
        beginEdit();
        valueChanged();
        endEdit();
        redraw();
        return kHRXMouseHandledNoMoves;
    }

    beginEdit();
    const double range = maximum - minimum;
    pixels = normalDragPixels;
    startValue = value;
    savedButtons = buttons;
    halfRange = range * 0.5;
    valuePerPixel = range / pixels;
    if (knobMode != 0) {
        lastCircular = circularValue(relativeToView(point));
        return onMouseMoved(point, buttons);
    }
    if (buttons & kHRXShift) {
        pixels = fineDragPixels;
        valuePerPixel = range / pixels;
    }
    startPoint = point;
    return onMouseMoved(point, buttons);
}

int32_t HRXAnimKnob::onMouseMoved(const HRXPoint& point, uint32_t buttons)
{
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    if (knobMode == 0) {
        const double delta = (point.x - startPoint.x) + (startPoint.y - point.y);
        if (buttons != savedButtons) {
            // The resolution changes mid-drag: move the start value so the
            // knob stays where it is and continues at the new rate.
            pixels = (buttons & kHRXShift) ? fineDragPixels : normalDragPixels;
            const double newValuePerPixel = (maximum - minimum) / pixels;
            startValue += (valuePerPixel - newValuePerPixel) * delta;
            valuePerPixel = newValuePerPixel;
            savedButtons = buttons;
        }
        value = hrxClamp01(startValue + delta * valuePerPixel);
    } else {
        const double a = circularValue(relativeToView(point));
        // Crossing the dead zone keeps the knob at the end it left from.
        if (lastCircular - a > halfRange) {
            value = maximum;
        } else if (a - lastCircular > halfRange) {
            value = minimum;
        } else {
            value = a;
            lastCircular = a;
        }
    }
    valueChanged();
    redraw();
    return kHRXMouseHandled;
}

int32_t HRXAnimKnob::onMouseUp(const HRXPoint&, uint32_t)
{
    endEdit();
    return kHRXMouseHandled;
}

int32_t HRXAnimKnob::onMouseEntered(const HRXPoint&, uint32_t) { return kHRXMouseHandled; }
int32_t HRXAnimKnob::onMouseExited(const HRXPoint&, uint32_t) { return kHRXMouseHandled; }

bool HRXAnimKnob::onWheel(const HRXPoint&, float distance, uint32_t buttons)
{
    // Small distances (smooth-scrolling devices) apply as they are; larger
    // ones count as one notch.
    double d = distance;
    if (distance > 0.1)
        d = 1.0;
    else if (distance < -0.1)
        d = -1.0;
    beginEdit();
    double step = wheelStep;
    if (buttons & kHRXShift)
        step *= fineWheelFactor;
    value = hrxClamp01(value + d * step);
    valueChanged();
    endEdit();
    redraw();
    return true;
}
