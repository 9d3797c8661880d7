#pragma once

#include "HRXBaseAudioProcessor.h"
#include "velvaTonEngineState.h"

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

    // A copy of the settings and the kernel's memory, for diagnostics, tests
    // and benchmarks.
    velvaTonEngineState snapshot() const { return state_; }

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

    velvaTonEngineState state_;
    // Inputs without an effect on the sound, kept as a host gave them.
    double inertValues_[23] = {};
};
