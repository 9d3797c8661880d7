#include "AAX_IMIDINode.h"
#include "AAX_ITransport.h"
#include "HRX_AAX_Identifiers.h"
#include "HRXBaseAudioProcessor.h"
#include "HRXProduct.h"
#include "HRX_AAX_RenderState.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int32_t kChannelSlots = 24;
// Added to a custom meter's value so that the editor can tell a real 0.0
// from a tap the host never wrote.
constexpr double kCustomMeterOffset = static_cast<double>(0.1f);
// Written into a custom tap whose parameter the engine does not report.
constexpr float kCustomMeterMissing = 1.2345679f;

void updateTimeInformation(AAX_IMIDINode* transportNode, HRXTimeInfo& info) {
    AAX_ITransport* transport = transportNode ? transportNode->GetTransport() : nullptr;
    if (!transport)
        return;
    info.flags |= kHRXTempoValid;
    transport->GetCurrentTempo(&info.tempo);
    int64_t samplePosition = 0;
    transport->GetCurrentNativeSampleLocation(&samplePosition);
    info.samplePosition = static_cast<double>(samplePosition);
    int64_t ticks = 0;
    transport->GetCurrentTickPosition(&ticks);
    if (ticks != 0)
        info.flags |= kHRXQuarterPositionValid;
    else
        info.flags &= ~kHRXQuarterPositionValid;
    info.quarterPosition = static_cast<double>(static_cast<float>(ticks) / static_cast<float>(kAAX_TicksPerQuarter));
    bool playing = false;
    transport->IsTransportPlaying(&playing);
    if (playing != ((info.flags & kHRXTransportPlaying) != 0)) {
        info.flags |= kHRXTransportChanged;
        if (playing)
            info.flags |= kHRXTransportPlaying;
        else
            info.flags &= ~kHRXTransportPlaying;
    }
}

// The larger of the two; a NaN sample never wins.
inline float larger(float held, float candidate) {
    return candidate > held ? candidate : held;
}

// Largest magnitude of the block joined with the tap's accumulated value,
// four samples at a time with a scalar remainder.
float accumulatePeak(float peak, const float* samples, int32_t frames) {
    float lane0 = peak, lane1 = peak, lane2 = peak, lane3 = peak;
    int32_t i = 0;
    for (; i + 4 <= frames; i += 4) {
        lane0 = larger(lane0, std::fabs(samples[i]));
        lane1 = larger(lane1, std::fabs(samples[i + 1]));
        lane2 = larger(lane2, std::fabs(samples[i + 2]));
        lane3 = larger(lane3, std::fabs(samples[i + 3]));
    }
    for (; i < frames; ++i)
        lane0 = larger(lane0, std::fabs(samples[i]));
    return larger(larger(lane0, lane1), larger(lane2, lane3));
}

void writeMeters(HRXBaseAudioProcessor& engine, float* taps, float* output, int32_t frames) {
    taps[kHRX_MeterOutput] = accumulatePeak(taps[kHRX_MeterOutput], output, frames);

    double value = 0.0;
    engine.getParameterOutput(kGainReductionSlot, &value);
    taps[kHRX_MeterGainReduction] = static_cast<float>(value);

    const int32_t* meters = product().meterParameterList;
    for (int32_t k = 0; k < kHRX_CustomMeterCount && meters[k] != -1; ++k) {
        float& tap = taps[kHRX_FirstCustomMeter + k];
        if (engine.getParameterOutput(meters[k], &value)) {
            if (!std::isfinite(value) || value < 0.0)
                value = 0.0;
            else if (value > 1.0)
                value = 1.0;
            tap = static_cast<float>(value + kCustomMeterOffset);
        } else {
            tap = kCustomMeterMissing;
        }
    }
}

void renderOne(HRX_AAX_RenderState& state, int32_t channels) {
    HRXBaseAudioProcessor& engine = *state.engine;
    HRX_AAX_RenderCache& cache = *state.renderCache;

    const bool bypassed = *state.masterBypass != 0;
    const int32_t frames = *state.bufferLength > 0 ? *state.bufferLength : 0;
    const AAX_CSampleRate sampleRate = *state.sampleRate;
    float* inputs[kChannelSlots] = {};
    float* outputs[kChannelSlots] = {};
    for (int32_t channel = 0; channel < channels; ++channel) {
        inputs[channel] = state.audioInput[channel];
        outputs[channel] = state.audioOutput[channel];
    }

    HRXTimeInfo& timeInfo = *cache.timeInformation.getTimeInfo();
    updateTimeInformation(state.transportNode, timeInfo);

    if (sampleRate != *state.engineSampleRate) {
        *state.engineSampleRate = sampleRate;
        engine.setSampleRate(static_cast<double>(sampleRate));
    }
    const uint8_t* hostParameters = product().presetValueFlags;
    for (int32_t slot = 0; slot < kPresetValues; ++slot) {
        if (hostParameters[slot] != 1)
            continue;
        const float value = *state.parameterPorts[slot];
        if (value != cache.values[slot]) {
            cache.values[slot] = value;
            engine.setParameter(static_cast<uint32_t>(slot), static_cast<double>(value));
        }
    }
    for (int32_t slot = kPresetValues; slot < kParameterSlots; ++slot) {
        if (cache.values[slot] >= 0.0f) {
            engine.setParameter(static_cast<uint32_t>(slot), static_cast<double>(cache.values[slot]));
            cache.values[slot] = HRX_AAX_RenderCache::kMailboxEmpty;
        }
    }
    *state.latency = engine.getLatencySamples();
    engine.setHostTransport(&cache.timeInformation);

    // The input peak before processing: a host may hand the same buffers
    // in and out, and the input is gone once the block is processed.
    float* taps = state.meterTaps;
    taps[kHRX_MeterInput] = accumulatePeak(taps[kHRX_MeterInput], inputs[0], frames);
    if (bypassed)
        engine.processBypassed(inputs, outputs, static_cast<uint32_t>(frames));
    else
        engine.process(inputs, outputs, static_cast<uint32_t>(frames));

    writeMeters(engine, taps, outputs[0], frames);
}

void renderBatch(void* const begin[], const void* end, int32_t channels) {
    for (void* const* instance = begin; instance != end; ++instance)
        renderOne(*static_cast<HRX_AAX_RenderState*>(*instance), channels);
}

}  // namespace

void HRX_AAX_RenderMono(void* const inInstancesBegin[], const void* inInstancesEnd) {
    renderBatch(inInstancesBegin, inInstancesEnd, 1);
}

void HRX_AAX_RenderStereo(void* const inInstancesBegin[], const void* inInstancesEnd) {
    renderBatch(inInstancesBegin, inInstancesEnd, 2);
}
