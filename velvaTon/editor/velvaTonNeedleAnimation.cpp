#include "velvaTonNeedleAnimation.h"

void velvaTonNeedleAnimation::reset() {
    startValue_ = targetValue_ = 0.0;
    startTime_ = targetTime_ = 0.0;
    jumpFirst_ = true;
}

void velvaTonNeedleAnimation::newValue(double value, double now) {
    startValue_ = targetValue_;
    startTime_ = targetTime_;
    targetValue_ = value;
    targetTime_ = now;
    jumpFirst_ = true;
}

void velvaTonNeedleAnimation::meterReset() {
    startValue_ = targetValue_ = 0.0;
    jumpFirst_ = true;
}

double velvaTonNeedleAnimation::valueAt(double now) {
    if (jumpFirst_) {
        jumpFirst_ = false;
        return startValue_;
    }
    const double x = now > targetTime_ ? now - targetTime_ + startTime_ : targetTime_;
    if (targetTime_ > startTime_)
        return startValue_ + (targetValue_ - startValue_) * (x - startTime_) / (targetTime_ - startTime_);
    return startValue_;
}
