// Floors under the engine's cost, on the materials and settings of
// EngineBenchmark.cpp. The kernel's stages run apart on values recorded from
// a full run:
//   EnvelopeFloor     followEnvelope alone, with the detector values and the
//                     retuned coefficients precomputed: the serial chain,
//                     which nothing can shorten;
//   IndependentFloor  senseLevel and applyGain alone, with the envelope values
//                     precomputed: the work that does not wait on the chain.
// The engine runs the stages one after the other, so the sum of the two floors
// is what it can reach. Each benchmark reports "per_frame".
#include "BenchmarkSignals.h"
#include "FrameCounter.h"
#include "velvaTonEffect.h"
#include "velvaTonKernel.h"
#include "velvaTonParameters.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

using velvaTonKernel::kSubBlockFrames;
using velvaTonKernel::SubBlock;

enum class Material { Drums, WorstCaseAttack, SilenceAfterLoud };

template <typename Sample>
struct Recording {
    velvaTonEngineState start;
    velvaTonKernel::BlockSettings block;
    std::vector<Sample> left, right;
    std::vector<SubBlock> subBlocks;
};

// The engine as EngineBenchmark.cpp sets it up for `material`, then every
// sub-block of the material through the three stages, kept.
template <typename Sample, int Channels>
Recording<Sample> record(Material material) {
    auto fx = std::make_unique<velvaTonEffect>();
    fx->setSampleRate(kBenchRate);
    fx->setParameter(kAttackRatio, material == Material::WorstCaseAttack ? 0.0 : 0.5);
    Recording<Sample> rec;
    std::vector<double> left, right;
    if (material == Material::Drums) {
        left = drumSignal(kSignalFrames, 1);
        right = drumSignal(kSignalFrames, 2);
    } else if (material == Material::WorstCaseAttack) {
        left = right = risingSignal(kSignalFrames);
    } else {
        std::vector<Sample> loudL(kSignalFrames), loudR(kSignalFrames);
        const std::vector<double> a = drumSignal(kSignalFrames, 1), b = drumSignal(kSignalFrames, 2);
        std::copy(a.begin(), a.end(), loudL.begin());
        std::copy(b.begin(), b.end(), loudR.begin());
        for (size_t start = 0; start + kBlock <= kSignalFrames; start += kBlock) {
            Sample* io[2] = {&loudL[start], Channels == 2 ? &loudR[start] : nullptr};
            if constexpr (sizeof(Sample) == sizeof(float))
                fx->process(io, io, kBlock);
            else
                fx->processDouble(io, io, kBlock);
        }
        left = right = std::vector<double>(kSignalFrames, 0.0);
    }
    rec.left.assign(left.begin(), left.end());
    rec.right.assign(right.begin(), right.end());

    rec.start = fx->snapshot();
    velvaTonEngineState state = rec.start;
    rec.block = velvaTonKernel::beginBlock<Sample>(state);
    rec.subBlocks.resize(kSignalFrames / kSubBlockFrames);
    std::vector<Sample> out0(kSubBlockFrames), out1(kSubBlockFrames);
    Sample* const out[2] = {out0.data(), out1.data()};
    for (size_t k = 0; k < rec.subBlocks.size(); ++k) {
        SubBlock& sub = rec.subBlocks[k];
        sub.frames = kSubBlockFrames;
        const Sample* const in[2] = {&rec.left[k * kSubBlockFrames], &rec.right[k * kSubBlockFrames]};
        velvaTonKernel::senseLevel<Channels>(state, in, sub);
        velvaTonKernel::followEnvelope(state, rec.block.attackSteps, sub);
        velvaTonKernel::applyGain<Channels>(state, rec.block, sub, out);
    }
    return rec;
}

template <typename Sample, int Channels>
void envelopeFloor(benchmark::State& bench, Material material) {
    Recording<Sample> rec = record<Sample, Channels>(material);
    velvaTonEngineState state = rec.start;
    size_t next = 0;
    int64_t frames = 0;
    for (auto _ : bench) {
        for (uint32_t k = 0; k < kBlock / kSubBlockFrames; ++k, ++next) {
            if (next == rec.subBlocks.size())
                next = 0;
            velvaTonKernel::followEnvelope(state, rec.block.attackSteps, rec.subBlocks[next]);
        }
        benchmark::DoNotOptimize(state.envelope);
        frames += kBlock;
    }
    reportFrames(bench, frames);
}

template <typename Sample, int Channels>
void independentFloor(benchmark::State& bench, Material material) {
    Recording<Sample> rec = record<Sample, Channels>(material);
    velvaTonEngineState state = rec.start;
    SubBlock work;
    work.frames = kSubBlockFrames;
    std::vector<Sample> out0(kSubBlockFrames), out1(kSubBlockFrames);
    Sample* const out[2] = {out0.data(), out1.data()};
    size_t next = 0;
    int64_t frames = 0;
    for (auto _ : bench) {
        for (uint32_t k = 0; k < kBlock / kSubBlockFrames; ++k, ++next) {
            if (next == rec.subBlocks.size())
                next = 0;
            const size_t first = next * kSubBlockFrames;
            const Sample* const in[2] = {&rec.left[first], &rec.right[first]};
            velvaTonKernel::senseLevel<Channels>(state, in, work);
            std::copy_n(rec.subBlocks[next].envelope, kSubBlockFrames, work.envelope);
            velvaTonKernel::applyGain<Channels>(state, rec.block, work, out);
        }
        benchmark::DoNotOptimize(out0.data());
        frames += kBlock;
    }
    reportFrames(bench, frames);
}

template <typename Sample>
void BM_EnvelopeFloor(benchmark::State& bench, Material material) {
    if (bench.range(0) == 2)
        envelopeFloor<Sample, 2>(bench, material);
    else
        envelopeFloor<Sample, 1>(bench, material);
}

template <typename Sample>
void BM_IndependentFloor(benchmark::State& bench, Material material) {
    if (bench.range(0) == 2)
        independentFloor<Sample, 2>(bench, material);
    else
        independentFloor<Sample, 1>(bench, material);
}

// Each floor for each material, 32-bit and 64-bit, one and two channels.
[[maybe_unused]] const bool kFloorsRegistered = [] {
    const struct {
        const char* name;
        Material material;
    } materials[] = {{"Drums", Material::Drums},
                     {"WorstCaseAttack", Material::WorstCaseAttack},
                     {"SilenceAfterLoud", Material::SilenceAfterLoud}};
    for (const auto& m : materials) {
        const std::string suffix = std::string("/") + m.name;
        benchmark::RegisterBenchmark(("BM_EnvelopeFloor<float>" + suffix).c_str(), BM_EnvelopeFloor<float>, m.material)
            ->Arg(1)
            ->Arg(2)
            ->ArgName("channels");
        benchmark::RegisterBenchmark(("BM_EnvelopeFloor<double>" + suffix).c_str(), BM_EnvelopeFloor<double>,
                                     m.material)
            ->Arg(1)
            ->Arg(2)
            ->ArgName("channels");
        benchmark::RegisterBenchmark(("BM_IndependentFloor<float>" + suffix).c_str(), BM_IndependentFloor<float>,
                                     m.material)
            ->Arg(1)
            ->Arg(2)
            ->ArgName("channels");
        benchmark::RegisterBenchmark(("BM_IndependentFloor<double>" + suffix).c_str(), BM_IndependentFloor<double>,
                                     m.material)
            ->Arg(1)
            ->Arg(2)
            ->ArgName("channels");
    }
    return true;
}();

}  // namespace
