#include "BenchmarkSignals.h"

#include <cmath>
#include <cstdint>

std::vector<double> drumSignal(size_t frames, unsigned seed) {
    std::vector<double> out(frames);
    uint32_t state = 0x12345678u + seed;
    const size_t burstPeriod = static_cast<size_t>(kBenchRate / 4.0);
    for (size_t i = 0; i < frames; ++i) {
        state = state * 1664525u + 1013904223u;
        const double noise = static_cast<double>(state >> 8) / 8388608.0 - 1.0;
        const double sinceBurst = static_cast<double>(i % burstPeriod) / kBenchRate;
        const double burst = 0.4 * std::exp(-sinceBurst / 0.04) * noise;
        out[i] = 0.3 * std::sin(6.283185307179586 * 55.0 * static_cast<double>(i) / kBenchRate) + burst;
    }
    return out;
}

std::vector<double> risingSignal(size_t frames) {
    std::vector<double> out(frames);
    const double start = 1e-4;
    const double end = 0.7;
    for (size_t i = 0; i < frames; ++i) {
        const double level = start * std::pow(end / start, static_cast<double>(i) / static_cast<double>(frames));
        out[i] = (i % 2 == 0) ? level : -level;
    }
    return out;
}
