// velvaton render IN OUT [--set NAME=VALUE ...] [--block N] [--bypass] ...
#include "AtomicOutputFile.h"
#include "AudioFile.h"
#include "Command.h"
#include "PluginBackend.h"
#include "PluginLocation.h"
#include "RenderJob.h"
#include "RenderOptions.h"
#include "RenderPreset.h"
#include "StateFile.h"

#include <cstdio>

extern const char kRenderUsage[] =
    "usage: velvaton render IN OUT [--preset NAME | --preset-file FILE.hrx]\n"
    "                              [--set NAME=VALUE ...] [--block N] [--bypass]\n"
    "                              [--automate NAME=SECONDS:VALUE[,SECONDS:VALUE...]]\n"
    "                              [--state FILE] [--save-state FILE]\n"
    "\n"
    "Runs IN (any format libsndfile reads, mono or stereo, 22050 to 192000 Hz)\n"
    "through the plug-in library, loaded and driven as a host's insert, at the\n"
    "file's own sample rate and writes OUT as a 32-bit float WAV. The library is\n"
    "the one beside the tool or in its build tree; VELVATON_PLUGIN names another.\n"
    "\n"
    "  --set NAME=VALUE  set a parameter to a normalised VALUE from 0 to 1; NAME is\n"
    "                    one of Process, Ratio, AttackRatio, Time, Compression,\n"
    "                    Output, ValveLevel. Unset parameters keep their defaults.\n"
    "  --preset NAME     start from a preset: a factory preset of that name (first\n"
    "                    in slot order), else a file of the user preset folder\n"
    "                    (see velvaton presets); --set changes values after it\n"
    "  --preset-file FILE.hrx  start from the preset in a preset file\n"
    "  --block N         frames per processing block, 1 to 4096 (default 512)\n"
    "  --bypass          engage the host's master bypass\n"
    "  --automate NAME=SECONDS:VALUE[,...]  host automation of a parameter: values\n"
    "                    move linearly between the points and are delivered at\n"
    "                    block boundaries; before the first point the lane is idle\n"
    "  --state FILE      restore a saved state ('All ' chunk data) before the\n"
    "                    preset and --set values are applied\n"
    "  --save-state FILE write the instance's state ('All ' chunk data) after the\n"
    "                    preset and --set values are applied\n"
    "\n"
    "--preset and --set values are applied as a user's edits in the host, so the\n"
    "plug-in records them in its state.\n"
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
    PluginRenderSettings settings;
    const bool preset = !options.presetName.empty() || !options.presetFile.empty();
    for (int32_t slot = 0; slot < kPresetValues; ++slot)
        settings.edited[slot] = preset;
    for (const ParameterAssignment& assignment : options.assignments) {
        values.value[assignment.index] = assignment.value;
        settings.edited[assignment.index] = true;
    }
    settings.libraryPath = findPluginLibrary();
    settings.bypass = options.bypass;
    settings.automation = options.automation;
    if (!options.statePath.empty() && !readStateFile(options.statePath, settings.restoreState, error)) {
        std::fprintf(stderr, "velvaton render: %s\n", error.c_str());
        return kExitFailed;
    }

    if (!options.saveStatePath.empty()) {
        // The state is written after the audio; find an unwritable state path
        // before the output appears.
        AtomicOutputFile stateProbe(options.saveStatePath);
        if (!stateProbe.open(error)) {
            std::fprintf(stderr, "velvaton render: %s\n", error.c_str());
            return kExitFailed;
        }
    }

    PluginBackend backend(settings);
    RenderSummary summary;
    if (!renderToFile(audio, backend, values, options.blockFrames, options.outputPath, summary, error)) {
        std::fprintf(stderr, "velvaton render: %s\n", error.c_str());
        return kExitFailed;
    }
    if (!options.saveStatePath.empty()) {
        std::vector<uint8_t> state;
        if (!backend.saveState(state, error) || !writeStateFile(options.saveStatePath, state, error)) {
            std::fprintf(stderr, "velvaton render: %s\n", error.c_str());
            return kExitFailed;
        }
    }
    summary.print(stdout);
    return kExitSuccess;
}
