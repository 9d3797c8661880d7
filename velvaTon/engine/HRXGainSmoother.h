#pragma once

// One-pole gain smoother: one step per sample toward the target with a fixed
// per-sample coefficient, followed by a flush that keeps the approach out of
// subnormal differences (it may move a value by one rounding step).
inline void tickGainSmoother(double& value, double target) {
    value = value + (target - value) * 0.001;
    value = (value + 1e-14) - 1e-14;
}
