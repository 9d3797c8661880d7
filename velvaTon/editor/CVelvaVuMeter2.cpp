#include "CVelvaVuMeter2.h"

#include <cmath>

#include "HRXBitmap.h"
#include "HRXDrawContext.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

void rememberBitmap(HRXBitmap* bitmap) {
    if (bitmap)
        bitmap->remember();
}

void forgetBitmap(HRXBitmap* bitmap) {
    if (bitmap)
        bitmap->forget();
}

}  // namespace

CVelvaVuMeter2::CVelvaVuMeter2(const HRXRect& rect, HRXBitmap* litFace, HRXBitmap* secondImage, HRXBitmap* unlitFace,
                               const HRXPoint& pivot, double innerRadius, double outerRadius)
    : HRXCustomControl(rect, kTag, nullptr),
      litFace_(litFace),
      secondImage_(secondImage),
      unlitFace_(unlitFace),
      pivot_(pivot),
      innerRadius_(innerRadius),
      outerRadius_(outerRadius) {
    rememberBitmap(litFace);
    rememberBitmap(secondImage);
    rememberBitmap(unlitFace);
    faceRect_.left = std::trunc(rect.left);
    faceRect_.top = std::trunc(rect.top);
    faceRect_.right = faceRect_.left + (litFace ? litFace->getWidth() : 0.0);
    faceRect_.bottom = faceRect_.top + (litFace ? litFace->getHeight() : 0.0);
}

CVelvaVuMeter2::~CVelvaVuMeter2() {
    forgetBitmap(litFace_);
    forgetBitmap(secondImage_);
    forgetBitmap(unlitFace_);
}

void CVelvaVuMeter2::needleEnds(double v, HRXPoint& inner, HRXPoint& outer) const {
    // 120 degrees at 0.0 to 60 degrees at 1.0; screen y grows downwards.
    const double angle = 2.0 * kPi / 3.0 - v * kPi / 3.0;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    inner = {pivot_.x + 0.5 + innerRadius_ * c, pivot_.y + 0.5 - innerRadius_ * s};
    outer = {pivot_.x + 0.5 + outerRadius_ * c, pivot_.y + 0.5 - outerRadius_ * s};
}

void CVelvaVuMeter2::draw(HRXDrawContext* context) {
    context->setLineWidth(2.0);
    HRXPoint inner;
    HRXPoint outer;
    needleEnds(value_, inner, outer);
    context->drawBitmap(lamp_ ? litFace_ : unlitFace_, faceRect_, {0.0, 0.0}, 1.0f);
    context->setFrameColour(lamp_ ? kNeedleLit : kNeedleUnlit);
    context->moveTo(inner);
    context->lineTo(outer);
}
