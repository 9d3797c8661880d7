// Cost of the AAX render procedure against the engine alone, per block size:
// the same stereo material through velvaTonEffect::process directly and
// through HRX_AAX_RenderStereo (packets, cache compare, time information,
// meter taps) around an engine in a render state. Engine/N and Render/N
// report "per_frame"; Overhead/N alternates short batches of both on twin
// engines and reports the render procedure's extra cost in percent from the
// fastest batch of each, which holds up on a loaded machine.
#include "AAX_IMIDINode.h"
#include "AAX_ITransport.h"
#include "BenchmarkSignals.h"
#include "FrameCounter.h"
#include "HRX_AAX_Identifiers.h"
#include "HRX_AAX_RenderState.h"
#include "velvaTonEffect.h"
#include "velvaTonParameters.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <vector>

namespace {

// A playing transport, as a host gives one on every block.
class PlayingTransport : public AAX_ITransport, public AAX_IMIDINode {
public:
    AAX_Result GetCurrentTempo(double* bpm) const override {
        *bpm = 120.0;
        return 0;
    }
    AAX_Result GetCurrentTickPosition(int64_t* ticks) const override {
        *ticks = 960000;
        return 0;
    }
    AAX_Result GetCurrentNativeSampleLocation(int64_t* location) const override {
        *location = 48000;
        return 0;
    }
    AAX_Result IsTransportPlaying(bool* playing) const override {
        *playing = true;
        return 0;
    }
    AAX_CMidiStream* GetNodeBuffer() override { return nullptr; }
    AAX_ITransport* GetTransport() override { return this; }
};

struct Material {
    std::vector<float> left, right;
    Material() {
        const std::vector<double> a = drumSignal(kSignalFrames, 1), b = drumSignal(kSignalFrames, 2);
        left.assign(a.begin(), a.end());
        right.assign(b.begin(), b.end());
    }
};

const Material& material() {
    static const Material shared;
    return shared;
}

// A render state as the host fills it, with the engine in its private field.
struct HostedEngine {
    explicit HostedEngine(uint32_t block) : left(block), right(block) {
        std::memset(&state, 0, sizeof state);
        ports[0] = 1.0f;
        ports[2] = ports[3] = ports[4] = ports[5] = ports[7] = 0.5f;
        ports[6] = 0.15f;
        for (int32_t slot = 0; slot < kPresetValues; ++slot)
            state.parameterPorts[slot] = &ports[slot];
        channels[0] = left.data();
        channels[1] = right.data();
        state.masterBypass = &bypass;
        state.audioInput = channels;
        state.audioOutput = channels;
        state.bufferLength = &frames;
        state.sampleRate = &rate;
        state.meterTaps = taps;
        state.transportNode = &transport;
        state.renderCache = new (&cache) HRX_AAX_RenderCache();
        state.latency = &latency;
        state.engineSampleRate = &engineRate;
        state.engine = &engine;
        frames = static_cast<int32_t>(block);
    }

    velvaTonEffect engine;
    PlayingTransport transport;
    HRX_AAX_RenderState state;
    std::vector<float> left, right;
    float* channels[2] = {};
    float ports[kPresetValues] = {};
    float taps[kHRX_MeterCount] = {};
    alignas(16) unsigned char cache[sizeof(HRX_AAX_RenderCache)];
    int32_t bypass = 0;
    int32_t frames = 0;
    int32_t latency = -1;
    AAX_CSampleRate rate = static_cast<AAX_CSampleRate>(kBenchRate);
    float engineRate = HRX_AAX_RenderCache::kUnset;
};

void nextBlock(HostedEngine& hosted, size_t& position, uint32_t block) {
    if (position + block > kSignalFrames)
        position = 0;
    std::copy_n(material().left.begin() + static_cast<std::ptrdiff_t>(position), block, hosted.left.begin());
    std::copy_n(material().right.begin() + static_cast<std::ptrdiff_t>(position), block, hosted.right.begin());
    position += block;
}

// The engine alone, set up as the render procedure sets it up.
void BM_Engine(benchmark::State& state) {
    const uint32_t block = static_cast<uint32_t>(state.range(0));
    auto hosted = std::make_unique<HostedEngine>(block);
    void* instances[1] = {&hosted->state};
    HRX_AAX_RenderStereo(instances, instances + 1);  // same settings as the render path
    size_t position = 0;
    int64_t frames = 0;
    for (auto _ : state) {
        nextBlock(*hosted, position, block);
        hosted->engine.process(hosted->channels, hosted->channels, block);
        benchmark::DoNotOptimize(hosted->left.data());
        frames += block;
    }
    reportFrames(state, frames);
}

void BM_Render(benchmark::State& state) {
    const uint32_t block = static_cast<uint32_t>(state.range(0));
    auto hosted = std::make_unique<HostedEngine>(block);
    void* instances[1] = {&hosted->state};
    size_t position = 0;
    int64_t frames = 0;
    for (auto _ : state) {
        nextBlock(*hosted, position, block);
        HRX_AAX_RenderStereo(instances, instances + 1);
        std::fill(std::begin(hosted->taps), std::end(hosted->taps), 0.0f);  // the host reads and resets them
        benchmark::DoNotOptimize(hosted->left.data());
        frames += block;
    }
    reportFrames(state, frames);
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_Overhead(benchmark::State& state) {
    constexpr int kBlocksPerBatch = 32;
    const uint32_t block = static_cast<uint32_t>(state.range(0));
    auto direct = std::make_unique<HostedEngine>(block);
    auto hosted = std::make_unique<HostedEngine>(block);
    void* directInstances[1] = {&direct->state};
    void* hostedInstances[1] = {&hosted->state};
    HRX_AAX_RenderStereo(directInstances, directInstances + 1);
    HRX_AAX_RenderStereo(hostedInstances, hostedInstances + 1);
    size_t directPosition = 0, hostedPosition = 0;
    double fastestEngine = std::numeric_limits<double>::max();
    double fastestRender = std::numeric_limits<double>::max();
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kBlocksPerBatch; ++i) {
            nextBlock(*direct, directPosition, block);
            direct->engine.process(direct->channels, direct->channels, block);
        }
        fastestEngine = std::min(fastestEngine, secondsSince(start));
        start = std::chrono::steady_clock::now();
        for (int i = 0; i < kBlocksPerBatch; ++i) {
            nextBlock(*hosted, hostedPosition, block);
            HRX_AAX_RenderStereo(hostedInstances, hostedInstances + 1);
            std::fill(std::begin(hosted->taps), std::end(hosted->taps), 0.0f);
        }
        fastestRender = std::min(fastestRender, secondsSince(start));
        benchmark::DoNotOptimize(direct->left.data());
        benchmark::DoNotOptimize(hosted->left.data());
    }
    const double frames = static_cast<double>(kBlocksPerBatch) * block;
    state.counters["engine_ns_per_frame"] = fastestEngine / frames * 1e9;
    state.counters["render_ns_per_frame"] = fastestRender / frames * 1e9;
    state.counters["overhead_percent"] = (fastestRender / fastestEngine - 1.0) * 100.0;
}

}  // namespace

BENCHMARK(BM_Overhead)->Arg(32)->Arg(64)->Arg(512);
BENCHMARK(BM_Engine)->Arg(32)->Arg(64)->Arg(512);
BENCHMARK(BM_Render)->Arg(32)->Arg(64)->Arg(512);
