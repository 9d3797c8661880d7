#pragma once

#include <cstdint>

// Root of every audio processor the host bindings drive: a block of 32-bit
// float channels in, the same number out. Element 0 of each channel array is
// always set; element 1 is null for one-channel use.
class HRXMasterAudioProcessor {
public:
    virtual ~HRXMasterAudioProcessor() = default;
    virtual void process(float** inputs, float** outputs, uint32_t frames) = 0;
};
