#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

// Reports "per_frame": seconds of CPU per frame (an inverted rate, printed
// with an SI prefix, so in ns).
inline void reportFrames(benchmark::State& state, int64_t frames) {
    state.counters["per_frame"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
