// velvaton render IN OUT [--set NAME=VALUE ...] [--block N]
#include "AtomicOutputFile.h"
#include "AudioFile.h"
#include "Command.h"
#include "EngineBackend.h"
#include "RenderJob.h"
#include "RenderOptions.h"
#include "RenderPreset.h"

#include <cstdio>

extern const char kRenderUsage[] =
    "usage: velvaton render IN OUT [--preset NAME | --preset-file FILE.hrx]\n"
    "                              [--set NAME=VALUE ...] [--block N]\n"
    "\n"
    "Runs IN (any format libsndfile reads, mono or stereo) through the compressor\n"
    "at its own sample rate and writes OUT as a 32-bit float WAV.\n"
    "\n"
    "  --set NAME=VALUE  set a parameter to a normalised VALUE from 0 to 1; NAME is\n"
    "                    one of Process, Ratio, AttackRatio, Time, Compression,\n"
    "                    Output, ValveLevel. Unset parameters keep their defaults.\n"
    "  --preset NAME     start from a preset: a factory preset of that name (first\n"
    "                    in slot order), else a file of the user preset folder\n"
    "                    (see velvaton presets); --set changes values after it\n"
    "  --preset-file FILE.hrx  start from the preset in a preset file\n"
    "  --block N         frames per processing block (default 512)\n"
    "\n"
    "Prints the input and output peaks and the largest and average gain reduction.\n";

int runRender(int argc, char** argv) {
    RenderOptions options;
    std::string error;
    if (!parseRenderOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "velvaton render: %s (see velvaton render --help)\n", error.c_str());
        return kExitUsage;
    }
    AudioData audio;
    if (!readAudioFile(options.inputPath, 2, audio, error)) {
        std::fprintf(stderr, "velvaton render: %s\n", error.c_str());
        return kExitFailed;
    }
    if (isSameFile(options.inputPath, options.outputPath)) {
        std::fprintf(stderr, "velvaton render: the output '%s' is the input file; refusing to overwrite it\n",
                     options.outputPath.c_str());
        return kExitFailed;
    }

    ParameterValues values = ParameterValues::defaults();
    if (!applyRenderPreset(options.presetName, options.presetFile, values.value, error)) {
        std::fprintf(stderr, "velvaton render: %s\n", error.c_str());
        return kExitFailed;
    }
    for (const ParameterAssignment& assignment : options.assignments)
        values.value[assignment.index] = assignment.value;

    EngineBackend backend;
    RenderSummary summary;
    if (!renderToFile(audio, backend, values, options.blockFrames, options.outputPath, summary, error)) {
        std::fprintf(stderr, "velvaton render: %s\n", error.c_str());
        return kExitFailed;
    }
    summary.print(stdout);
    return kExitSuccess;
}
