#include "velvaTonEffect.h"

#include "velvaTonNumeric.h"

#include <cmath>

namespace {

constexpr double kDefaultSampleRate = 44100.0;
constexpr double kMinSampleRate = 22050.0;
constexpr double kMaxSampleRate = 192000.0;
constexpr double kMeterSmootherFrequency = 7.0 / 3.0;
constexpr int kMeterWarmUpSteps = 44100;

// Value each slot receives at construction: Process starts in Valve, Output
// at 0.15, the gain-reduction output at 0, everything else centred.
double constructionValue(uint32_t index) {
    switch (index) {
    case 0: return 1.0;
    case 6: return 0.15;
    case 13: return 0.0;
    default: return 0.5;
    }
}

struct ValveScales {
    double in;
    double out;
};

// Index 4 is 1.4141 with 0.7071, deliberately not an exact reciprocal pair.
ValveScales valveScales(int32_t index) {
    switch (index) {
    case 0: return {1.0 / 7.0, 7.0};
    case 1: return {1.0 / 3.0, 3.0};
    case 2: return {1.0 / 1.8, 1.8};
    case 3: return {1.0, 1.0};
    case 4: return {1.4141, 0.7071};
    case 5: return {2.0, 0.5};
    case 6: return {2.5, 0.4};
    default: return {1.0, 1.0};
    }
}

// Slots that are accepted and kept without an effect on the sound.
bool isInertSlot(uint32_t index) {
    return index == 1 || (index >= 8 && index <= 11) || (index >= 16 && index <= 22);
}

}  // namespace

velvaTonEffect::velvaTonEffect() {
    state_.sampleRate = kDefaultSampleRate;
    initBiquad(state_.meterSmoother, kDefaultSampleRate, kBiquadLowPass, 2.0, 0.583, 0.0);
    state_.noiseState = HRXNoiseState{};
    initBiquad(state_.fastEnvelope, kDefaultSampleRate, kBiquadLowPass, 5.0, 0.5, 0.0);
    initBiquad(state_.slowEnvelope, kDefaultSampleRate, kBiquadLowPass, 20.0, 0.5, 0.0);
    initBiquad(state_.programEnvelope, kDefaultSampleRate, kBiquadLowPass, 1.0, 0.1, 0.0);
    initBiquad(state_.detectorHighPassL, kDefaultSampleRate, kBiquadHighPass, 40.0, 0.3, 0.0);
    initBiquad(state_.detectorHighPassR, kDefaultSampleRate, kBiquadHighPass, 40.0, 0.3, 0.0);

    // Warm the meter smoother up on "no reduction" so the gain-reduction
    // output starts near 0 without a transient.
    state_.meterGain = 1.0;
    clearBiquadHistory(state_.meterSmoother);
    designBiquad(state_.meterSmoother);
    for (int step = 0; step < kMeterWarmUpSteps; ++step)
        tickBiquad(state_.meterSmoother, 1.0);

    state_.valveInScale = 1.0;
    state_.valveOutScale = 1.0;
    for (uint32_t index = 0; index < 29; ++index)
        setParameter(index, constructionValue(index));
    reset();
}

bool velvaTonEffect::setSampleRate(double rate) {
    if (std::isnan(rate))
        return false;
    bool accepted = true;
    if (rate < kMinSampleRate) {
        rate = kMinSampleRate;
        accepted = false;
    } else if (rate > kMaxSampleRate) {
        rate = kMaxSampleRate;
        accepted = false;
    }
    // A new rate re-prepares the sections at once, so that attack, release and
    // the side-chain high-pass keep their times in seconds and Hz.
    if (rate != state_.sampleRate) {
        state_.sampleRate = rate;
        prepareSections();
    }
    return accepted;
}

void velvaTonEffect::reset() {
    state_.drive = state_.driveTarget;
    state_.outputGain = state_.outputGainTarget;
    prepareSections();
    state_.drive = state_.driveTarget;
    state_.outputGain = state_.outputGainTarget;
}

void velvaTonEffect::prepareSections() {
    clearBiquadHistory(state_.detectorHighPassL);
    clearBiquadHistory(state_.detectorHighPassR);
    clearBiquadHistory(state_.programEnvelope);
    clearBiquadHistory(state_.fastEnvelope);
    clearBiquadHistory(state_.slowEnvelope);
    state_.meterGain = 1.0;
    state_.envelope = 0.0001;

    // The meter smoother keeps its history: the gain-reduction output glides on.
    state_.meterSmoother.sampleRate = state_.sampleRate;
    state_.meterSmoother.frequency = kMeterSmootherFrequency;
    designBiquad(state_.meterSmoother);

    const double workingRate = workingSampleRate(state_.sampleRate);
    state_.fastEnvelope.frequency = 5.0;
    state_.fastEnvelope.q = 0.5;
    state_.slowEnvelope.frequency = 2.0;
    state_.slowEnvelope.q = 0.5;
    HRXBiquad* const prepared[] = {&state_.programEnvelope, &state_.fastEnvelope, &state_.slowEnvelope,
                                   &state_.detectorHighPassL, &state_.detectorHighPassR};
    for (HRXBiquad* section : prepared) {
        setBiquadRate(*section, workingRate);
        clearBiquadHistory(*section);
    }
}

void velvaTonEffect::setParameter(uint32_t index, double value) {
    // Host values are 32-bit floats; AttackRatio alone keeps the full value.
    const double v = index == 3 ? value : static_cast<double>(narrowToFloat(value));
    switch (index) {
    case 0: state_.processMode = truncToInt32(2.0 * v + 0.5); return;
    case 2: state_.ratioIndex = truncToInt32(6.0 * v + 0.5); return;
    case 3: state_.attackRatioIndex = truncToInt32(6.0 * v + 0.5); return;
    case 4: state_.timeConstant = 0.005 * std::pow(100.0, v); return;
    case 5: {
        // 41 drive steps of 2^0.25 (about 1.5 dB) from -18 dB to +42 dB.
        const int32_t step = truncToInt32(40.0 * std::pow(v, 0.7071) + 0.5);
        state_.driveTarget = 0.125 * std::pow(1024.0, static_cast<double>(step) / 40.0);
        return;
    }
    case 6: {
        // 0 to +30 dB in 0.5 dB steps.
        const int32_t step = truncToInt32(60.0 * v + 0.5);
        state_.outputGainTarget = std::pow(31.622776601683793, static_cast<double>(step) / 60.0);
        return;
    }
    case 7: {
        const float position = 6.0f * static_cast<float>(v);
        state_.valveIndex = truncToInt32(static_cast<double>(position) + 0.5);
        const ValveScales scales = valveScales(state_.valveIndex);
        state_.valveInScale = scales.in;
        state_.valveOutScale = scales.out;
        return;
    }
    default:
        if (isInertSlot(index))
            inertValues_[index] = value;
        return;
    }
}

bool velvaTonEffect::getParameterOutput(int32_t index, double* out) {
    if (index != 13)
        return false;
    double reduction = 1.0 - state_.meterGain;
    if (reduction < 0.0)
        reduction = 0.0;
    if (reduction > 1.0)
        reduction = 1.0;
    *out = reduction;
    return true;
}

template <typename Sample>
void velvaTonEffect::bypass(Sample** inputs, Sample** outputs, uint32_t frames) {
    if (frames < 1)
        return;
    const Sample* in0 = inputs[0];
    const Sample* in1 = inputs[1] ? inputs[1] : inputs[0];
    Sample* out0 = outputs[0];
    Sample* out1 = outputs[1] ? outputs[1] : outputs[0];
    for (uint32_t i = 0; i < frames; ++i) {
        out0[i] = in0[i];
        out1[i] = in1[i];
        state_.meterGain = tickBiquad(state_.meterSmoother, 1.0);
    }
}

template <typename Sample>
void velvaTonEffect::dispatch(Sample** inputs, Sample** outputs, uint32_t frames) {
    if (state_.processMode == 0) {
        bypass(inputs, outputs, frames);
        return;
    }
    Sample* out0 = outputs[0];
    Sample* out1 = outputs[1] ? outputs[1] : outputs[0];
    if (inputs[1] != nullptr)
        compressStereo(inputs[0], inputs[1], out0, out1, frames);
    else
        compressMono(inputs[0], out0, out1, frames);
}

void velvaTonEffect::process(float** inputs, float** outputs, uint32_t frames) {
    dispatch(inputs, outputs, frames);
}

void velvaTonEffect::processDouble(double** inputs, double** outputs, uint32_t frames) {
    dispatch(inputs, outputs, frames);
}

void velvaTonEffect::processBypassed(float** inputs, float** outputs, uint32_t frames) {
    bypass(inputs, outputs, frames);
}

void velvaTonEffect::processBypassedDouble(double** inputs, double** outputs, uint32_t frames) {
    bypass(inputs, outputs, frames);
}
