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
    sampleRate_ = kDefaultSampleRate;
    initBiquad(meterSmoother_, kDefaultSampleRate, kBiquadLowPass, 2.0, 0.583, 0.0);
    noise_ = HRXNoiseState {};
    initBiquad(fastEnvelope_, kDefaultSampleRate, kBiquadLowPass, 5.0, 0.5, 0.0);
    initBiquad(slowEnvelope_, kDefaultSampleRate, kBiquadLowPass, 20.0, 0.5, 0.0);
    initBiquad(programEnvelope_, kDefaultSampleRate, kBiquadLowPass, 1.0, 0.1, 0.0);
    initBiquad(detectorHighPassL_, kDefaultSampleRate, kBiquadHighPass, 40.0, 0.3, 0.0);
    initBiquad(detectorHighPassR_, kDefaultSampleRate, kBiquadHighPass, 40.0, 0.3, 0.0);

    // Warm the meter smoother up on "no reduction" so the gain-reduction
    // output starts near 0 without a transient.
    meterGain_ = 1.0;
    clearBiquadHistory(meterSmoother_);
    designBiquad(meterSmoother_);
    for (int step = 0; step < kMeterWarmUpSteps; ++step)
        tickBiquad(meterSmoother_, 1.0);

    valveInScale_ = 1.0;
    valveOutScale_ = 1.0;
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
    if (rate != sampleRate_) {
        sampleRate_ = rate;
        prepareSections();
    }
    return accepted;
}

void velvaTonEffect::reset() {
    drive_ = driveTarget_;
    outputGain_ = outputGainTarget_;
    prepareSections();
    drive_ = driveTarget_;
    outputGain_ = outputGainTarget_;
}

void velvaTonEffect::prepareSections() {
    clearBiquadHistory(detectorHighPassL_);
    clearBiquadHistory(detectorHighPassR_);
    clearBiquadHistory(programEnvelope_);
    clearBiquadHistory(fastEnvelope_);
    clearBiquadHistory(slowEnvelope_);
    meterGain_ = 1.0;
    envelope_ = 0.0001;

    // The meter smoother keeps its history: the gain-reduction output glides on.
    meterSmoother_.sampleRate = sampleRate_;
    meterSmoother_.frequency = kMeterSmootherFrequency;
    designBiquad(meterSmoother_);

    const double workingRate = workingSampleRate(sampleRate_);
    fastEnvelope_.frequency = 5.0;
    fastEnvelope_.q = 0.5;
    slowEnvelope_.frequency = 2.0;
    slowEnvelope_.q = 0.5;
    HRXBiquad* const prepared[] = {&programEnvelope_, &fastEnvelope_, &slowEnvelope_, &detectorHighPassL_,
                                   &detectorHighPassR_};
    for (HRXBiquad* section : prepared) {
        setBiquadRate(*section, workingRate);
        clearBiquadHistory(*section);
    }
}

void velvaTonEffect::setParameter(uint32_t index, double value) {
    // Host values are 32-bit floats; AttackRatio alone keeps the full value.
    const double v = index == 3 ? value : static_cast<double>(narrowToFloat(value));
    switch (index) {
    case 0:
        processMode_ = truncToInt32(2.0 * v + 0.5);
        return;
    case 2:
        ratioIndex_ = truncToInt32(6.0 * v + 0.5);
        return;
    case 3:
        attackRatioIndex_ = truncToInt32(6.0 * v + 0.5);
        return;
    case 4:
        timeConstant_ = 0.005 * std::pow(100.0, v);
        return;
    case 5: {
        // 41 drive steps of 2^0.25 (about 1.5 dB) from -18 dB to +42 dB.
        const int32_t step = truncToInt32(40.0 * std::pow(v, 0.7071) + 0.5);
        driveTarget_ = 0.125 * std::pow(1024.0, static_cast<double>(step) / 40.0);
        return;
    }
    case 6: {
        // 0 to +30 dB in 0.5 dB steps.
        const int32_t step = truncToInt32(60.0 * v + 0.5);
        outputGainTarget_ = std::pow(31.622776601683793, static_cast<double>(step) / 60.0);
        return;
    }
    case 7: {
        const float position = 6.0f * static_cast<float>(v);
        valveIndex_ = truncToInt32(static_cast<double>(position) + 0.5);
        const ValveScales scales = valveScales(valveIndex_);
        valveInScale_ = scales.in;
        valveOutScale_ = scales.out;
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
    double reduction = 1.0 - meterGain_;
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
        meterGain_ = tickBiquad(meterSmoother_, 1.0);
    }
}

template <typename Sample>
void velvaTonEffect::dispatch(Sample** inputs, Sample** outputs, uint32_t frames) {
    if (processMode_ == 0) {
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
