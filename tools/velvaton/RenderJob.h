#pragma once

#include "OutputFormat.h"
#include "RenderSummary.h"
#include "velvaTonParameters.h"

#include <cstdint>
#include <string>

class AudioReader;
class RenderBackend;

// Normalised values of every parameter slot that a render starts from.
struct ParameterValues {
    double value[kParameterSlots];

    // The parameter table's defaults.
    static ParameterValues defaults();
};

// The host parameters in the editor's notation: "Process=Valve Ratio=3:1 ...".
std::string settingsText(const ParameterValues& values);

// Where a render goes: the audio file, and the plot when `plotPath` is set.
struct RenderTargets {
    std::string audioPath;
    OutputFormat format;
    std::string plotPath;
    std::string plotTitle;
    std::string plotSettings;
};

// Streams `input` through `backend` into the targets. Nothing appears at
// their paths unless the whole run succeeds; the output file is opened, and
// so checked, before any audio is processed.
bool renderFile(AudioReader& input, RenderBackend& backend, const ParameterValues& values, uint32_t blockFrames,
                const RenderTargets& targets, RenderSummary& summary, std::string& error);
