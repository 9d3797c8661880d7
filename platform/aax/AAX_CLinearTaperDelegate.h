#pragma once

#include <cmath>

#include "AAX_ITaperDelegate.h"

// Linear taper from min to max. RealPrecision > 0 rounds real values to
// 1/RealPrecision (1000: three decimals); 0 keeps them unrounded.
template <typename T, int32_t RealPrecision = 1000>
class AAX_CLinearTaperDelegate : public AAX_ITaperDelegate<T> {
public:
    AAX_CLinearTaperDelegate(T minValue = 0, T maxValue = 1) : min_(minValue), max_(maxValue) {}

    AAX_CLinearTaperDelegate* Clone() const override { return new AAX_CLinearTaperDelegate(*this); }
    T GetMinimumValue() const override { return min_; }
    T GetMaximumValue() const override { return max_; }

    T ConstrainRealValue(T value) const override {
        const T low = min_ < max_ ? min_ : max_;
        const T high = min_ < max_ ? max_ : min_;
        if (RealPrecision > 0) {
            value = static_cast<T>(std::round(static_cast<double>(value) * RealPrecision) / RealPrecision);
        }
        if (!(value >= low))
            return low;  // NaN becomes the low end
        if (value > high)
            return high;
        return value;
    }

    T NormalizedToReal(double normalizedValue) const override {
        if (!(normalizedValue >= 0.0))
            normalizedValue = 0.0;
        if (normalizedValue > 1.0)
            normalizedValue = 1.0;
        const double real =
            normalizedValue * (static_cast<double>(max_) - static_cast<double>(min_)) + static_cast<double>(min_);
        return ConstrainRealValue(static_cast<T>(real));
    }

    double RealToNormalized(T realValue) const override {
        if (max_ == min_)
            return 0.0;
        realValue = ConstrainRealValue(realValue);
        return (static_cast<double>(realValue) - static_cast<double>(min_)) /
               (static_cast<double>(max_) - static_cast<double>(min_));
    }

private:
    T min_;
    T max_;
};
