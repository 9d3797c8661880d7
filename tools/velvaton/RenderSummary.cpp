#include "RenderSummary.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLargestReductionDb = 200.0;

double peakOf(const float* samples, int64_t count, double peak) {
    for (int64_t i = 0; i < count; ++i) {
        const double magnitude = std::fabs(static_cast<double>(samples[i]));
        if (magnitude > peak)  // NaN never becomes the peak
            peak = magnitude;
    }
    return peak;
}

void printLevel(FILE* stream, const char* label, double peak) {
    if (peak > 0.0)
        std::fprintf(stream, "%s %.2f dBFS\n", label, 20.0 * std::log10(peak));
    else
        std::fprintf(stream, "%s -inf dBFS\n", label);
}

}  // namespace

double reductionToDb(double reduction) {
    const double gain = 1.0 - reduction;
    if (!(gain > 0.0))
        return kLargestReductionDb;
    return std::min(kLargestReductionDb, -20.0 * std::log10(gain));
}

void RenderSummary::addInput(const float* samples, int64_t count) {
    inputPeak = peakOf(samples, count, inputPeak);
}

void RenderSummary::addOutput(const float* samples, int64_t count) {
    outputPeak = peakOf(samples, count, outputPeak);
}

void RenderSummary::addBlockReduction(double reduction, uint32_t blockFrames) {
    const double db = reductionToDb(reduction);
    maxReductionDb = std::max(maxReductionDb, db);
    reductionDbFrames += db * blockFrames;
    frames += blockFrames;
}

double RenderSummary::averageReductionDb() const {
    return frames > 0 ? reductionDbFrames / static_cast<double>(frames) : 0.0;
}

void RenderSummary::print(FILE* stream) const {
    printLevel(stream, "input peak:    ", inputPeak);
    printLevel(stream, "output peak:   ", outputPeak);
    std::fprintf(stream, "gain reduction: largest %.2f dB, average %.2f dB\n", maxReductionDb, averageReductionDb());
    if (clippedSamples >= 0)
        std::fprintf(stream, "output:         %s, %lld samples clipped\n", output.c_str(),
                     static_cast<long long>(clippedSamples));
    else if (!output.empty())
        std::fprintf(stream, "output:         %s\n", output.c_str());
}
