#pragma once

#include <cstdint>

// Moves the VU needle between the gain-reduction values the editor receives.
// The needle runs one value behind: on each new value it jumps to the
// previous one and travels linearly towards the new one, taking as long as
// the interval between the two latest values, and keeps going at that rate
// (until the meter's clamp) when no new value comes. Times are milliseconds
// of the system tick count.
class velvaTonNeedleAnimation {
public:
    // Forgets every value and time: the next tick shows 0.0.
    void reset();
    // A new gain-reduction value arrived at `now`.
    void newValue(double value, double now);
    // The meter was reset to 0.0.
    void meterReset();
    // The value to show at `now`; the first call after a new value or a
    // reset shows the start value.
    double valueAt(double now);

    // The latest gain-reduction value, where the needle is heading.
    double getTargetValue() const { return targetValue_; }

    // Set when the editor closes, so a reopened meter starts with a jump.
    void requestJump() { jumpFirst_ = true; }

private:
    double startValue_ = 0.0;
    double targetValue_ = 0.0;
    double startTime_ = 0.0;
    double targetTime_ = 0.0;
    bool jumpFirst_ = true;
};
