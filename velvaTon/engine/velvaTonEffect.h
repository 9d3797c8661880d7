#pragma once

#include "HRXBaseAudioProcessor.h"
#include "HRXBiquad.h"
#include "HRXNoiseGenerator.h"

#include <cstdint>

// The product's audio engine: maps normalised parameter values to settings,
// owns the six filter sections and runs the opto compressor kernel over
// blocks of 32-bit or 64-bit samples. Real-time safe: after construction it
// allocates nothing, locks nothing and makes no system call.
class velvaTonEffect : public HRXBaseAudioProcessor {
public:
    velvaTonEffect();
    ~velvaTonEffect() override = default;
    velvaTonEffect(const velvaTonEffect&) = delete;
    velvaTonEffect& operator=(const velvaTonEffect&) = delete;

    void process(float** inputs, float** outputs, uint32_t frames) override;
    void processDouble(double** inputs, double** outputs, uint32_t frames) override;
    void processBypassed(float** inputs, float** outputs, uint32_t frames) override;
    void processBypassedDouble(double** inputs, double** outputs, uint32_t frames) override;
    int32_t getLatencySamples() override { return 0; }
    int32_t getTailSamples() override { return 0; }
    bool setSampleRate(double rate) override;
    void reset() override;
    bool supportsMono() override { return true; }
    bool supportsStereo() override { return true; }
    void setParameter(uint32_t index, double value) override;
    bool getParameterOutput(int32_t index, double* out) override;

    // Written by the host binding before each block; the engine never reads it.

    // Read-only views of the settings and state, for the host binding's
    // diagnostics, tests and tools.
    double sampleRate() const { return sampleRate_; }
    int32_t processMode() const { return processMode_; }
    int32_t ratioIndex() const { return ratioIndex_; }
    int32_t attackRatioIndex() const { return attackRatioIndex_; }
    double timeConstant() const { return timeConstant_; }
    double driveTarget() const { return driveTarget_; }
    double drive() const { return drive_; }
    double inverseDrive() const { return inverseDrive_; }
    double outputGainTarget() const { return outputGainTarget_; }
    double outputGain() const { return outputGain_; }
    int32_t valveIndex() const { return valveIndex_; }
    double valveInScale() const { return valveInScale_; }
    double valveOutScale() const { return valveOutScale_; }
    double envelope() const { return envelope_; }
    double meterGain() const { return meterGain_; }
    const HRXNoiseState& noiseState() const { return noise_; }
    const HRXBiquad& meterSmoother() const { return meterSmoother_; }
    const HRXBiquad& fastEnvelope() const { return fastEnvelope_; }
    const HRXBiquad& slowEnvelope() const { return slowEnvelope_; }
    const HRXBiquad& programEnvelope() const { return programEnvelope_; }
    const HRXBiquad& detectorHighPassL() const { return detectorHighPassL_; }
    const HRXBiquad& detectorHighPassR() const { return detectorHighPassR_; }

private:
    // Clears the section histories, envelope and meter gain and designs the
    // sections for the recorded rate.
    void prepareSections();

    template <typename Sample>
    void bypass(Sample** inputs, Sample** outputs, uint32_t frames);

    // The kernel; defined in velvaTonCompressor.cpp for float and double.
    template <typename Sample>
    void compressMono(Sample* input, Sample* output0, Sample* output1, uint32_t frames);
    template <typename Sample>
    void compressStereo(Sample* input0, Sample* input1, Sample* output0, Sample* output1, uint32_t frames);

    template <typename Sample>
    void dispatch(Sample** inputs, Sample** outputs, uint32_t frames);

    double sampleRate_ = 44100.0;

    int32_t processMode_ = 0;
    int32_t ratioIndex_ = 0;
    int32_t attackRatioIndex_ = 0;
    double timeConstant_ = 0.0;
    double driveTarget_ = 0.0;
    double drive_ = 0.0;
    double inverseDrive_ = 0.0;
    double outputGainTarget_ = 0.0;
    double outputGain_ = 0.0;
    int32_t valveIndex_ = 0;
    double valveInScale_ = 1.0;
    double valveOutScale_ = 1.0;
    double envelope_ = 0.0001;
    double meterGain_ = 1.0;
    HRXNoiseState noise_;
    // Inputs without an effect on the sound, kept as a host gave them.
    double inertValues_[23] = {};

    HRXBiquad meterSmoother_ {};
    HRXBiquad fastEnvelope_ {};
    HRXBiquad slowEnvelope_ {};
    HRXBiquad programEnvelope_ {};
    HRXBiquad detectorHighPassL_ {};
    HRXBiquad detectorHighPassR_ {};
};
