#include "SampleQuantiser.h"

#include <cmath>

SampleQuantiser::SampleQuantiser(int bits, bool dither)
    : scale_(std::ldexp(1.0, bits - 1)), shift_(static_cast<int32_t>(1) << (32 - bits)), dither_(dither) {}

double SampleQuantiser::uniform() {
    // xorshift64*: plenty for dither, and no state shared with anything else.
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return static_cast<double>((state_ * 0x2545f4914f6cdd1du) >> 11) * 0x1.0p-53;
}

int32_t SampleQuantiser::quantise(float sample) {
    double steps = std::isnan(sample) ? 0.0 : static_cast<double>(sample) * scale_;
    if (dither_)
        steps += uniform() - uniform();
    double rounded = std::nearbyint(steps);
    if (rounded > scale_ - 1.0) {
        rounded = scale_ - 1.0;
        ++clipped_;
    } else if (rounded < -scale_) {
        rounded = -scale_;
        ++clipped_;
    }
    return static_cast<int32_t>(rounded) * shift_;
}
