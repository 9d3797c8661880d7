#pragma once

// A render state built by hand around a recording engine, for driving the
// render procedures and the private-field initialisation directly.

#include "velvaTonParameters.h"
#include "AAX_IMIDINode.h"
#include "AAX_ITransport.h"
#include "AAX_Errors.h"
#include "HRX_AAX_Identifiers.h"
#include "HRX_AAX_RenderState.h"
#include "HRX_HVTN_2210_AAX_Parameters_Wrapper.h"
#include "velvaTonEffect.h"

#include <cstring>
#include <utility>
#include <vector>

// The engine with every operation the render procedure uses recorded.
class RecordingEngine : public velvaTonEffect {
public:
    bool setSampleRate(double rate) override {
        sampleRates.push_back(rate);
        return velvaTonEffect::setSampleRate(rate);
    }
    void setParameter(uint32_t index, double value) override {
        parameters.emplace_back(index, value);
        velvaTonEffect::setParameter(index, value);
    }
    void process(float** inputs, float** outputs, uint32_t frames) override {
        ++processCalls;
        velvaTonEffect::process(inputs, outputs, frames);
    }
    void processBypassed(float** inputs, float** outputs, uint32_t frames) override {
        ++bypassedCalls;
        velvaTonEffect::processBypassed(inputs, outputs, frames);
    }
    bool getParameterOutput(int32_t index, double* out) override {
        if (!overrideOutput)
            return velvaTonEffect::getParameterOutput(index, out);
        if (index == kGainReduction)
            *out = gainReductionOutput;
        return index == kGainReduction && outputAnswer;
    }
    void clear() {
        sampleRates.clear();
        parameters.clear();
        processCalls = bypassedCalls = 0;
    }

    std::vector<double> sampleRates;
    std::vector<std::pair<uint32_t, double>> parameters;
    int processCalls = 0;
    int bypassedCalls = 0;
    bool overrideOutput = false;
    bool outputAnswer = true;
    double gainReductionOutput = 0.0;
};

class FakeTransport : public AAX_ITransport {
public:
    AAX_Result GetCurrentTempo(double* bpm) const override {
        *bpm = tempo;
        return AAX_SUCCESS;
    }
    AAX_Result GetCurrentTickPosition(int64_t* value) const override {
        *value = ticks;
        return AAX_SUCCESS;
    }
    AAX_Result GetCurrentNativeSampleLocation(int64_t* value) const override {
        *value = sampleLocation;
        return AAX_SUCCESS;
    }
    AAX_Result IsTransportPlaying(bool* value) const override {
        *value = playing;
        return AAX_SUCCESS;
    }
    double tempo = 120.0;
    int64_t ticks = 0;
    int64_t sampleLocation = 0;
    bool playing = false;
};

class FakeTransportNode : public AAX_IMIDINode {
public:
    AAX_CMidiStream* GetNodeBuffer() override { return nullptr; }
    AAX_ITransport* GetTransport() override { return &transport; }
    FakeTransport transport;
};

template <int Channels>
struct RenderStateFixture {
    static constexpr int32_t kFrames = 64;

    RenderStateFixture() {
        std::memset(&state, 0, sizeof state);
        state.masterBypass = &bypass;
        for (int32_t slot = 0; slot < kPresetValues; ++slot)
            state.parameterPorts[slot] = &ports[slot];
        for (int channel = 0; channel < Channels; ++channel) {
            inputs[channel] = input[channel];
            outputs[channel] = output[channel];
        }
        state.audioInput = inputs;
        state.audioOutput = outputs;
        state.bufferLength = &frames;
        state.sampleRate = &sampleRate;
        state.meterTaps = taps;
        state.transportNode = &transportNode;
        EXPECT_EQ(AAX_SUCCESS, parameters.ResetFieldData(kField_RenderCache, &cache, sizeof cache));
        EXPECT_EQ(AAX_SUCCESS, parameters.ResetFieldData(kField_Latency, &latency, sizeof latency));
        EXPECT_EQ(AAX_SUCCESS, parameters.ResetFieldData(kField_EngineSampleRate, &engineRate, sizeof engineRate));
        state.renderCache = reinterpret_cast<HRX_AAX_RenderCache*>(&cache);
        state.latency = &latency;
        state.engineSampleRate = &engineRate;
        state.engine = &engine;
        // Ports carry the host parameters' defaults, as after the first packets.
        const float defaults[kPresetValues] = {1.0f, 0.0f, 0.5f, 0.5f, 0.5f, 0.5f, 0.15f, 0.5f};
        std::memcpy(ports, defaults, sizeof ports);
        fill(0.25f);
    }

    void fill(float value) {
        for (int channel = 0; channel < Channels; ++channel)
            for (float& sample : input[channel])
                sample = value;
    }

    void render() {
        void* instances[1] = {&state};
        if (Channels == 1)
            HRX_AAX_RenderMono(instances, instances + 1);
        else
            HRX_AAX_RenderStereo(instances, instances + 1);
    }

    HRX_HVTN_2210_AAX_Parameters_Wrapper parameters;
    RecordingEngine engine;
    FakeTransportNode transportNode;
    HRX_AAX_RenderState state;
    int32_t bypass = 0;
    float ports[kPresetValues] = {};
    float input[Channels][kFrames] = {};
    float output[Channels][kFrames] = {};
    float* inputs[Channels] = {};
    float* outputs[Channels] = {};
    int32_t frames = kFrames;
    AAX_CSampleRate sampleRate = 48000.0f;
    float taps[kHRX_MeterCount] = {};
    alignas(16) unsigned char cache[sizeof(HRX_AAX_RenderCache)] = {};
    int32_t latency = 0;
    float engineRate = 0.0f;
};
