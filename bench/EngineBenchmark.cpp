// Cost of the engine per frame at 48 kHz; each benchmark reports "per_frame".
#include "BenchmarkSignals.h"
#include "FrameCounter.h"
#include "velvaTonEffect.h"
#include "velvaTonParameters.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

template <typename Sample>
struct Channels {
    std::vector<Sample> left, right;

    explicit Channels(const std::vector<double>& source, const std::vector<double>& second)
        : left(source.begin(), source.end()), right(second.begin(), second.end()) {}
};

template <typename Sample>
void processBlock(velvaTonEffect& fx, Sample* left, Sample* right, uint32_t frames) {
    Sample* io[2] = {left, right};
    if constexpr (sizeof(Sample) == sizeof(float))
        fx.process(io, io, frames);
    else
        fx.processDouble(io, io, frames);
}

// Runs `material` through a fresh engine in blocks, wrapping around; the
// engine processes a copy so every pass sees the same input.
template <typename Sample>
void runMaterial(benchmark::State& state, bool stereo, const std::vector<double>& material,
                 const std::vector<double>& secondChannel, double attackRatio) {
    auto fx = std::make_unique<velvaTonEffect>();
    fx->setSampleRate(kBenchRate);
    fx->setParameter(kAttackRatio, attackRatio);
    const Channels<Sample> source(material, secondChannel);
    std::vector<Sample> left(kBlock), right(kBlock);
    size_t position = 0;
    int64_t frames = 0;
    for (auto _ : state) {
        if (position + kBlock > source.left.size())
            position = 0;
        std::copy_n(source.left.begin() + static_cast<std::ptrdiff_t>(position), kBlock, left.begin());
        std::copy_n(source.right.begin() + static_cast<std::ptrdiff_t>(position), kBlock, right.begin());
        processBlock(*fx, left.data(), stereo ? right.data() : nullptr, kBlock);
        benchmark::DoNotOptimize(left.data());
        position += kBlock;
        frames += kBlock;
    }
    reportFrames(state, frames);
}

template <typename Sample>
void BM_Drums(benchmark::State& state) {
    const bool stereo = state.range(0) == 2;
    runMaterial<Sample>(state, stereo, drumSignal(kSignalFrames, 1), drumSignal(kSignalFrames, 2), 0.5);
}

template <typename Sample>
void BM_WorstCaseAttack(benchmark::State& state) {
    const bool stereo = state.range(0) == 2;
    const std::vector<double> rising = risingSignal(kSignalFrames);
    runMaterial<Sample>(state, stereo, rising, rising, 0.0);
}

// Silence after loud material: the recursions decay for as long as the
// benchmark runs; the denormal guards must keep this as fast as the loud case.
template <typename Sample>
void BM_SilenceAfterLoud(benchmark::State& state) {
    const bool stereo = state.range(0) == 2;
    auto fx = std::make_unique<velvaTonEffect>();
    fx->setSampleRate(kBenchRate);
    Channels<Sample> loud(drumSignal(kSignalFrames, 1), drumSignal(kSignalFrames, 2));
    for (size_t start = 0; start + kBlock <= loud.left.size(); start += kBlock)
        processBlock(*fx, loud.left.data() + start, stereo ? loud.right.data() + start : nullptr, kBlock);
    std::vector<Sample> left(kBlock), right(kBlock);
    int64_t frames = 0;
    for (auto _ : state) {
        std::fill(left.begin(), left.end(), Sample(0));
        std::fill(right.begin(), right.end(), Sample(0));
        processBlock(*fx, left.data(), stereo ? right.data() : nullptr, kBlock);
        benchmark::DoNotOptimize(left.data());
        frames += kBlock;
    }
    reportFrames(state, frames);
}

}  // namespace

BENCHMARK_TEMPLATE(BM_Drums, float)->Arg(1)->Arg(2)->ArgName("channels");
BENCHMARK_TEMPLATE(BM_Drums, double)->Arg(1)->Arg(2)->ArgName("channels");
BENCHMARK_TEMPLATE(BM_WorstCaseAttack, float)->Arg(1)->Arg(2)->ArgName("channels");
BENCHMARK_TEMPLATE(BM_WorstCaseAttack, double)->Arg(1)->Arg(2)->ArgName("channels");
BENCHMARK_TEMPLATE(BM_SilenceAfterLoud, float)->Arg(1)->Arg(2)->ArgName("channels");
BENCHMARK_TEMPLATE(BM_SilenceAfterLoud, double)->Arg(1)->Arg(2)->ArgName("channels");
