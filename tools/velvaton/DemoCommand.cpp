// velvaton demo [DIR]
#include "AtomicOutputFile.h"
#include "AudioReader.h"
#include "AudioWriter.h"
#include "Command.h"
#include "DemoProgramme.h"
#include "PluginBackend.h"
#include "PluginLocation.h"
#include "RenderJob.h"
#include "RenderOptions.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>

extern const char kDemoUsage[] =
    "usage: velvaton demo [DIR]\n"
    "\n"
    "Synthesises about 8 s of stereo drums and bass at 48 kHz, renders it with the\n"
    "default settings and writes demo-in.wav, demo-out.wav (32-bit float) and\n"
    "demo.png, the plot of the render, into DIR (default: the current folder).\n"
    "Prints the same summary as render.\n";

namespace {

bool writeProgramme(const DemoProgramme& programme, const std::string& path, const OutputFormat& format,
                    std::string& error) {
    AtomicOutputFile file(path);
    AudioWriter writer(file, format);
    const float* channels[2] = {programme.left.data(), programme.right.data()};
    return file.open(error) && writer.open(DemoProgramme::kSampleRate, 2, error) &&
           writer.write(channels, static_cast<int64_t>(programme.left.size()), error) && writer.finish(error) &&
           file.commit(error);
}

int fail(const std::string& error) {
    std::fprintf(stderr, "velvaton demo: %s\n", error.c_str());
    return kExitFailed;
}

}  // namespace

int runDemo(int argc, char** argv) {
    if (argc > 1 || (argc == 1 && argv[0][0] == '-' && argv[0][1] != '\0')) {
        std::fprintf(stderr, "velvaton demo: expected at most one folder (see velvaton demo --help)\n");
        return kExitUsage;
    }
    const std::string folder = argc == 1 ? argv[0] : ".";
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        std::fprintf(stderr, "velvaton demo: '%s' is not a folder\n", folder.c_str());
        return kExitFailed;
    }
    std::string error;
    RenderTargets targets;
    if (!chooseOutputFormat(folder + "/demo-out.wav", SampleBits::Float32, false, targets.format, error))
        return fail(error);
    // The programme goes through the same path as `render`: from its file.
    const std::string inputPath = folder + "/demo-in.wav";
    AudioReader input;
    if (!writeProgramme(synthesiseDemoProgramme(), inputPath, targets.format, error) ||
        !input.open(inputPath, 2, error))
        return fail(error);

    const ParameterValues values = ParameterValues::defaults();
    targets.audioPath = folder + "/demo-out.wav";
    targets.plotPath = folder + "/demo.png";
    targets.plotTitle = "velvaton demo: drums and bass rendered with the default settings";
    targets.plotSettings = settingsText(values);
    PluginRenderSettings settings;
    settings.libraryPath = findPluginLibrary();
    PluginBackend backend(settings);
    RenderSummary summary;
    if (!renderFile(input, backend, values, kDefaultBlockFrames, targets, summary, error))
        return fail(error);
    std::printf("wrote %s, %s/demo-out.wav and %s/demo.png\n", inputPath.c_str(), folder.c_str(), folder.c_str());
    summary.print(stdout);
    return kExitSuccess;
}
