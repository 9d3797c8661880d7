#pragma once

#include <cstdint>

// Rounds float samples (full scale +-1.0) to 16 or 24-bit whole numbers, with
// optional triangular (TPDF) dither of +-1 step, and counts the samples that
// do not fit and are clipped. The dither noise is the same on every run.
class SampleQuantiser {
public:
    SampleQuantiser(int bits, bool dither);

    // The sample as libsndfile's left-aligned 32-bit integer.
    int32_t quantise(float sample);

    int64_t clippedSamples() const { return clipped_; }

private:
    double uniform();  // 0 <= u < 1

    double scale_;   // steps per full scale: 2^(bits-1)
    int32_t shift_;  // 2^(32-bits): from a step to libsndfile's 32-bit integer
    bool dither_;
    uint64_t state_ = 0x9e3779b97f4a7c15u;
    int64_t clipped_ = 0;
};
