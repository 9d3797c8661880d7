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
    : HRXBaseControl(rect, tag, bitmap, kHRXKindFilmstripKnob), frames_(frames), columns_(columns < 1 ? 1 : columns) {
    rows_ = hrxRound(std::ceil(static_cast<double>(frames) / this->columns_));
    if (rows_ < 1)
        rows_ = 1;
    if (bitmap) {
        frameHeight_ = hrxRound(bitmap->getHeight() / rows_);
        frameWidth_ = hrxRound(bitmap->getWidth() / this->columns_);
    } else {
        frameHeight_ = static_cast<int32_t>(rect.height());
        frameWidth_ = static_cast<int32_t>(rect.width());
    }
    // The parameter's step counts give the wheel's notch and fine factor
    // until the editor sets its own.
    int32_t steps = product().getParameterSteps(tag);
    int32_t coarse = product().getParameterCoarseSteps(tag);
    if (steps < 1)
        steps = 1000;
    if (coarse < 1)
        coarse = 1000;
    wheelStep_ = 1.0 / coarse;
    fineWheelFactor_ = static_cast<double>(coarse) / steps;
}

int32_t HRXAnimKnob::frameIndexFor(double v) const {
    if (v < 0.0 || frameHeight_ <= 0)
        return 0;
    return hrxRound((frames_ - 1) * v);
}

HRXPoint HRXAnimKnob::frameOffset(int32_t index) const {
    const int32_t column = index / rows_;
    const int32_t row = index - column * rows_;
    return {static_cast<double>(column * frameWidth_), static_cast<double>(row * frameHeight_)};
}

void HRXAnimKnob::draw(HRXDrawContext* context) {
    context->drawBitmap(bitmap_, viewRect_, frameOffset(frameIndexFor(value_)), 1.0f);
}

double HRXAnimKnob::circularValue(const HRXPoint& relative) const {
    const double w2 = viewRect_.width() * 0.5;
    const double h2 = viewRect_.height() * 0.5;
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

int32_t HRXAnimKnob::onMouseDown(const HRXPoint& point, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    const bool isDoubleClick = (buttons & kHRXDoubleClick) != 0;
    if (ignoreDoubleClick_ && isDoubleClick) {
        doubleClicked_ = true;
        return kHRXMouseHandledNoMoves;
    }
    if (!ignoreDoubleClick_)
        doubleClicked_ = false;

    if ((buttons & (kHRXControl | kHRXAlt)) || isDoubleClick) {
        value_ = getDefaultValue();
        beginEdit();
        valueChanged();
        endEdit();
        redraw();
        return kHRXMouseHandledNoMoves;
    }

    beginEdit();
    const double range = maximum_ - minimum_;
    pixels_ = normalDragPixels_;
    startValue_ = value_;
    savedButtons_ = buttons;
    halfRange_ = range * 0.5;
    valuePerPixel_ = range / pixels_;
    if (knobMode != 0) {
        lastCircular_ = circularValue(relativeToView(point));
        return onMouseMoved(point, buttons);
    }
    if (buttons & kHRXShift) {
        pixels_ = fineDragPixels_;
        valuePerPixel_ = range / pixels_;
    }
    startPoint_ = point;
    return onMouseMoved(point, buttons);
}

int32_t HRXAnimKnob::onMouseMoved(const HRXPoint& point, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    if (knobMode == 0) {
        const double delta = (point.x - startPoint_.x) + (startPoint_.y - point.y);
        if (buttons != savedButtons_) {
            // The resolution changes mid-drag: move the start value so the
            // knob stays where it is and continues at the new rate.
            pixels_ = (buttons & kHRXShift) ? fineDragPixels_ : normalDragPixels_;
            const double newValuePerPixel = (maximum_ - minimum_) / pixels_;
            startValue_ += (valuePerPixel_ - newValuePerPixel) * delta;
            valuePerPixel_ = newValuePerPixel;
            savedButtons_ = buttons;
        }
        value_ = hrxClamp01(startValue_ + delta * valuePerPixel_);
    } else {
        const double a = circularValue(relativeToView(point));
        // Crossing the dead zone keeps the knob at the end it left from.
        if (lastCircular_ - a > halfRange_) {
            value_ = maximum_;
        } else if (a - lastCircular_ > halfRange_) {
            value_ = minimum_;
        } else {
            value_ = a;
            lastCircular_ = a;
        }
    }
    valueChanged();
    redraw();
    return kHRXMouseHandled;
}

int32_t HRXAnimKnob::onMouseUp(const HRXPoint&, uint32_t) {
    endEdit();
    return kHRXMouseHandled;
}

int32_t HRXAnimKnob::onMouseEntered(const HRXPoint&, uint32_t) {
    return kHRXMouseHandled;
}
int32_t HRXAnimKnob::onMouseExited(const HRXPoint&, uint32_t) {
    return kHRXMouseHandled;
}

bool HRXAnimKnob::onWheel(const HRXPoint&, float distance, uint32_t buttons) {
    // Small distances (smooth-scrolling devices) apply as they are; larger
    // ones count as one notch.
    double d = distance;
    if (distance > 0.1)
        d = 1.0;
    else if (distance < -0.1)
        d = -1.0;
    beginEdit();
    double step = wheelStep_;
    if (buttons & kHRXShift)
        step *= fineWheelFactor_;
    value_ = hrxClamp01(value_ + d * step);
    valueChanged();
    endEdit();
    redraw();
    return true;
}
