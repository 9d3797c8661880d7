#include "CVelvaVuMeter2.h"

#include <cmath>

#include "HRXBitmap.h"
#include "HRXDrawContext.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

void rememberBitmap(HRXBitmap* bitmap)
{
    if (bitmap)
        bitmap->remember();
}

void forgetBitmap(HRXBitmap* bitmap)
{
    if (bitmap)
        bitmap->forget();
}

}  // namespace

CVelvaVuMeter2::CVelvaVuMeter2(const HRXRect& rect, HRXBitmap* litFace, HRXBitmap* secondImage,
                               HRXBitmap* unlitFace, const HRXPoint& pivot, double innerRadius, double outerRadius)
    : HRXCustomControl(rect, kTag, nullptr), litFace(litFace), secondImage(secondImage), unlitFace(unlitFace),
      pivot(pivot), innerRadius(innerRadius), outerRadius(outerRadius)
{
    rememberBitmap(litFace);
    rememberBitmap(secondImage);
    rememberBitmap(unlitFace);
    faceRect.left = std::trunc(rect.left);
    faceRect.top = std::trunc(rect.top);
    faceRect.right = faceRect.left + (litFace ? litFace->getWidth() : 0.0);
    faceRect.bottom = faceRect.top + (litFace ? litFace->getHeight() : 0.0);
}

CVelvaVuMeter2::~CVelvaVuMeter2()
{
    forgetBitmap(litFace);
    forgetBitmap(secondImage);
    forgetBitmap(unlitFace);
}

void CVelvaVuMeter2::needleEnds(double v, HRXPoint& inner, HRXPoint& outer) const
{
    // 120 degrees at 0.0 to 60 degrees at 1.0; screen y grows downwards.
    const double angle = 2.0 * kPi / 3.0 - v * kPi / 3.0;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    inner = {pivot.x + 0.5 + innerRadius * c, pivot.y + 0.5 - innerRadius * s};
    outer = {pivot.x + 0.5 + outerRadius * c, pivot.y + 0.5 - outerRadius * s};
}

void CVelvaVuMeter2::draw(HRXDrawContext* context)
{
    context->setLineWidth(2.0);
    HRXPoint inner;
    HRXPoint outer;
    needleEnds(value, inner, outer);
    context->drawBitmap(lamp ? litFace : unlitFace, faceRect, {0.0, 0.0}, 1.0f);
    context->setFrameColour(lamp ? kNeedleLit : kNeedleUnlit);
    context->moveTo(inner);
    context->lineTo(outer);
}
