#pragma once

#include <cstdint>
#include <string>

// What the render loop drives: something that takes the file's rate, channel
// count and starting parameter values once, then processes blocks in place.
// The engine is one implementation; a plug-in host path can be another.
class RenderBackend {
public:
    virtual ~RenderBackend() = default;

    // `values` holds one normalised value per parameter slot.
    virtual bool prepare(int sampleRate, int channels, const double* values, std::string& error) = 0;

    // channels[1] is null for mono; samples are processed in place.
    virtual void process(float** channels, uint32_t frames) = 0;

    // The gain-reduction output after the last block, 0 (none) to 1.
    virtual double gainReduction() = 0;
};
