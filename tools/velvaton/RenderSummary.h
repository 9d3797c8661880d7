#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Levels and gain reduction gathered over a render, printed after it.
struct RenderSummary {
    double inputPeak = 0.0;  // linear, largest magnitude over all channels
    double outputPeak = 0.0;
    double maxReductionDb = 0.0;
    double reductionDbFrames = 0.0;  // sum of (reduction in dB x block frames)
    int64_t frames = 0;
    std::string output;           // how OUT was written, e.g. "FLAC, 24-bit, triangular dither"
    int64_t clippedSamples = -1;  // samples clipped to 16 or 24 bits; -1 for float output

    void addInput(const float* samples, int64_t count);
    void addOutput(const float* samples, int64_t count);
    // `reduction` is the engine's gain-reduction output (0..1) after a block.
    void addBlockReduction(double reduction, uint32_t blockFrames);

    double averageReductionDb() const;
    void print(FILE* stream) const;
};

// Gain reduction of a 0..1 reduction value, in dB (positive = quieter).
double reductionToDb(double reduction);
