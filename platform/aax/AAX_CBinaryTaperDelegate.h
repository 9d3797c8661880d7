#pragma once

#include "AAX_ITaperDelegate.h"

// Two-state taper: normalised values from 0.5 up are true (1), below false.
template <typename T>
class AAX_CBinaryTaperDelegate : public AAX_ITaperDelegate<T> {
public:
    AAX_CBinaryTaperDelegate* Clone() const override { return new AAX_CBinaryTaperDelegate(*this); }
    T GetMinimumValue() const override { return static_cast<T>(false); }
    T GetMaximumValue() const override { return static_cast<T>(true); }
    T ConstrainRealValue(T value) const override { return static_cast<T>(value != static_cast<T>(0)); }
    T NormalizedToReal(double normalizedValue) const override { return static_cast<T>(normalizedValue >= 0.5); }
    double RealToNormalized(T realValue) const override { return realValue != static_cast<T>(0) ? 1.0 : 0.0; }
};
