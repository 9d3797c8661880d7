// velvaton render IN OUT [--set NAME=VALUE ...] [--block N] [--bypass] ...
#include "AtomicOutputFile.h"
#include "AudioReader.h"
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
    "                              [--bits 16|24|32f] [--no-dither] [--plot FILE.png]\n"
    "\n"
    "Runs IN (any format libsndfile reads, mono or stereo, 22050 to 192000 Hz)\n"
    "through the plug-in library, loaded and driven as a host's insert, at the\n"
    "file's own sample rate, and writes OUT block by block, so files of any\n"
    "length take little memory. The library is the one beside the tool or in\n"
    "its build tree; VELVATON_PLUGIN names another.\n"
    "\n"
    "OUT's extension sets its type: .wav, .caf, .aifc, .w64 and .rf64 are written\n"
    "as 32-bit float, .flac and .aiff (.aif) as 24-bit.\n"
    "\n"
    "  --set NAME=VALUE  set a parameter; NAME is one of Process, Ratio,\n"
    "                    AttackRatio, Time, Compression, Output, ValveLevel.\n"
    "                    VALUE is what the editor shows, or a normalised number:\n"
    "                      Process      Off, Clear, Valve\n"
    "                      Ratio        1.2:1, 1.5:1, 2:1, 3:1, 4:1, 6:1, 10:1\n"
    "                      AttackRatio  x0.25, x0.4, x0.6, x1, x1.6, x2.5, x4\n"
    "                      ValveLevel   -3, -2, -1, +0, +1, +2, +3\n"
    "                      Time         0/10 to 10/10 in steps of 0.5 (5.5/10)\n"
    "                      Compression  0/10 to 10/10 in steps of 0.25 (7.25/10)\n"
    "                      Output       0dB to 30dB in steps of 0.5 (12dB)\n"
    "                    or a plain number from 0 to 1, the normalised value a\n"
    "                    host automates (ValveLevel's positions carry a sign).\n"
    "                    A value between two steps or out of range is refused.\n"
    "                    Unset parameters keep their defaults.\n"
    "  --preset NAME     start from a preset: a factory preset of that name (first\n"
    "                    in slot order), else a file of the user preset folder\n"
    "                    (see velvaton presets); --set changes values after it\n"
    "  --preset-file FILE.hrx  start from the preset in a preset file\n"
    "  --block N         frames per processing block, 1 to 4096 (default 512)\n"
    "  --bypass          engage the host's master bypass\n"
    "  --automate NAME=SECONDS:VALUE[,...]  host automation of a parameter: values\n"
    "                    (as for --set) move linearly between the points and are\n"
    "                    delivered at block boundaries; before the first point\n"
    "                    the lane is idle\n"
    "  --state FILE      restore a saved state ('All ' chunk data) before the\n"
    "                    preset and --set values are applied\n"
    "  --save-state FILE write the instance's state ('All ' chunk data) after the\n"
    "                    preset and --set values are applied\n"
    "  --bits 16|24|32f  sample width of OUT: 16 or 24-bit, or 32-bit float\n"
    "  --no-dither       round to 16 or 24 bits without the triangular dither\n"
    "  --plot FILE.png   draw the input and output level and the gain reduction\n"
    "                    over time into a 1200 x 600 picture\n"
    "\n"
    "--preset and --set values are applied as a user's edits in the host, so the\n"
    "plug-in records them in its state.\n"
    "\n"
    "Prints the input and output peaks, the largest and average gain reduction,\n"
    "OUT's format and, for 16 and 24 bits, how many samples were clipped.\n";

namespace {

int fail(const std::string& error) {
    std::fprintf(stderr, "velvaton render: %s\n", error.c_str());
    return kExitFailed;
}

std::string fileName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The second title line of the plot: the settings the render started from.
std::string plotSettings(const RenderOptions& options, const ParameterValues& values) {
    std::string text = settingsText(values);
    if (options.bypass)
        text += "  (bypassed)";
    for (const AutomationLane& lane : options.automation) {
        char name[kParameterNameSize + 1];
        getParameterName(lane.index, name);
        text += std::string("  (") + name + " automated)";
    }
    return text;
}

}  // namespace

int runRender(int argc, char** argv) {
    RenderOptions options;
    std::string error;
    if (!parseRenderOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "velvaton render: %s (see velvaton render --help)\n", error.c_str());
        return kExitUsage;
    }
    AudioReader input;
    if (!input.open(options.inputPath, 2, error))
        return fail(error);
    for (const std::string* path : {&options.outputPath, &options.plotPath}) {
        if (isSameFile(options.inputPath, *path))
            return fail("the output '" + *path + "' is the input file; refusing to overwrite it");
    }

    ParameterValues values = ParameterValues::defaults();
    if (!applyRenderPreset(options.presetName, options.presetFile, values.value, error))
        return fail(error);
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
    if (!options.statePath.empty() && !readStateFile(options.statePath, settings.restoreState, error))
        return fail(error);

    if (!options.saveStatePath.empty()) {
        // The state is written after the audio; find an unwritable state path
        // before the output appears.
        AtomicOutputFile stateProbe(options.saveStatePath);
        if (!stateProbe.open(error))
            return fail(error);
    }

    RenderTargets targets;
    targets.audioPath = options.outputPath;
    targets.format = options.format;
    targets.plotPath = options.plotPath;
    targets.plotTitle = fileName(options.inputPath) + " rendered to " + fileName(options.outputPath);
    if (preset)
        targets.plotTitle +=
            ", preset " + (options.presetName.empty() ? fileName(options.presetFile) : options.presetName);
    targets.plotSettings = plotSettings(options, values);
    PluginBackend backend(settings);
    RenderSummary summary;
    if (!renderFile(input, backend, values, options.blockFrames, targets, summary, error))
        return fail(error);
    if (!options.saveStatePath.empty()) {
        std::vector<uint8_t> state;
        if (!backend.saveState(state, error) || !writeStateFile(options.saveStatePath, state, error))
            return fail(error);
    }
    summary.print(stdout);
    return kExitSuccess;
}
