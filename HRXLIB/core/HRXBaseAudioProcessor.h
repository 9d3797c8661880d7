#pragma once

#include "HRXMasterAudioProcessor.h"

#include <cstdint>

// Host-neutral processor interface. The virtual operations keep a fixed slot
// order (destructor and process come from HRXMasterAudioProcessor), so that
// every binding can rely on the same layout.
class HRXBaseAudioProcessor : public HRXMasterAudioProcessor {
public:
    virtual void processDouble(double** inputs, double** outputs, uint32_t frames) = 0;
    virtual void processBypassed(float** inputs, float** outputs, uint32_t frames) = 0;
    virtual void processBypassedDouble(double** inputs, double** outputs, uint32_t frames) = 0;
    virtual int32_t getLatencySamples() = 0;
    virtual int32_t getTailSamples() = 0;
    virtual bool setSampleRate(double rate) = 0;
    virtual void reset() = 0;
    virtual bool supportsMono() = 0;
    virtual bool supportsStereo() = 0;
    virtual void setParameter(uint32_t index, double value) = 0;
    virtual bool getParameterOutput(int32_t index, double* out) = 0;

    // Where the host binding keeps its transport information for the block
    // (set before each block; the engine does not read it).
    void setHostTransport(void* transport) { hostTransport_ = transport; }

protected:
    void* hostTransport_ = nullptr;
};
