#include "EngineBackend.h"

#include "velvaTonParameters.h"

bool EngineBackend::prepare(int sampleRate, int channels, const double* values, std::string& error) {
    if (channels < 1 || channels > 2) {
        error = "the engine takes one or two channels";
        return false;
    }
    // Host rates and parameter values travel as 32-bit floats.
    engine_.setSampleRate(static_cast<double>(static_cast<float>(sampleRate)));
    for (int32_t index = 0; index < kPresetValues; ++index) {
        if (presetValueFlags[index] == 1)
            engine_.setParameter(static_cast<uint32_t>(index),
                                 static_cast<double>(static_cast<float>(values[index])));
    }
    return true;
}

void EngineBackend::process(float** channels, uint32_t frames) {
    engine_.process(channels, channels, frames);
}

double EngineBackend::gainReduction() {
    double reduction = 0.0;
    engine_.getParameterOutput(kGainReduction, &reduction);
    return reduction;
}
