#pragma once

// Maps a parameter's real value to the host's normalised 0..1 and back.
template <typename T>
class AAX_ITaperDelegate {
public:
    virtual ~AAX_ITaperDelegate() = default;
    virtual AAX_ITaperDelegate* Clone() const = 0;
    virtual T GetMinimumValue() const = 0;
    virtual T GetMaximumValue() const = 0;
    virtual T ConstrainRealValue(T value) const = 0;
    virtual T NormalizedToReal(double normalizedValue) const = 0;  // clamps to 0..1 first
    virtual double RealToNormalized(T realValue) const = 0;
};
