#pragma once

#include "AudioFile.h"
#include "RenderSummary.h"
#include "velvaTonParameters.h"

#include <cstdint>
#include <string>

class RenderBackend;

// Normalised values of every parameter slot that a render starts from.
struct ParameterValues {
    double value[kParameterSlots];

    // The parameter table's defaults.
    static ParameterValues defaults();
};

// Renders `audio` (replaced by the result) through `backend` and writes it as
// a 32-bit float WAV to `outputPath`; nothing appears there unless the whole
// run succeeds.
bool renderToFile(AudioData& audio, RenderBackend& backend, const ParameterValues& values,
                  uint32_t blockFrames, const std::string& outputPath, RenderSummary& summary,
                  std::string& error);
