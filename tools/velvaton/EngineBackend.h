#pragma once

#include "RenderBackend.h"
#include "velvaTonEffect.h"

// Runs blocks through a velvaTonEffect on its 32-bit path, driven the way a
// host's first render block drives it: construction, the sample rate, then
// each host parameter as a 32-bit float value.
class EngineBackend : public RenderBackend {
public:
    bool prepare(int sampleRate, int channels, const double* values, std::string& error) override;
    void process(float** channels, uint32_t frames) override;
    double gainReduction() override;

private:
    velvaTonEffect engine_;
};
