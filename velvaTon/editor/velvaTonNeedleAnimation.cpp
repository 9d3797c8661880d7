#include "velvaTonNeedleAnimation.h"

void velvaTonNeedleAnimation::reset()
{
    startValue = targetValue = 0.0;
    startTime = targetTime = 0.0;
    jumpFirst = true;
}

void velvaTonNeedleAnimation::newValue(double value, double now)
{
    startValue = targetValue;
    startTime = targetTime;
    targetValue = value;
    targetTime = now;
    jumpFirst = true;
}

void velvaTonNeedleAnimation::meterReset()
{
    startValue = targetValue = 0.0;
    jumpFirst = true;
}

double velvaTonNeedleAnimation::valueAt(double now)
{
    if (jumpFirst) {
        jumpFirst = false;
        return startValue;
    }
    const double x = now > targetTime ? now - targetTime + startTime : targetTime;
    if (targetTime > startTime)
        return startValue + (targetValue - startValue) * (x - startTime) / (targetTime - startTime);
    return startValue;
}
