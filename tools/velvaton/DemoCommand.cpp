// velvaton demo [DIR]
#include "AtomicOutputFile.h"
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
    "default settings and writes demo-in.wav and demo-out.wav into DIR (default:\n"
    "the current folder). Prints the same summary as render.\n";

namespace {

bool writeProgramme(const AudioData& audio, const std::string& path, std::string& error) {
    AtomicOutputFile file(path);
    return file.open(error) && writeFloatWav(file, audio, error) && file.commit(error);
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
    AudioData audio = synthesiseDemoProgramme();
    std::string error;
    if (!writeProgramme(audio, folder + "/demo-in.wav", error)) {
        std::fprintf(stderr, "velvaton demo: %s\n", error.c_str());
        return kExitFailed;
    }
    PluginRenderSettings settings;
    settings.libraryPath = findPluginLibrary();
    PluginBackend backend(settings);
    RenderSummary summary;
    if (!renderToFile(audio, backend, ParameterValues::defaults(), kDefaultBlockFrames,
                      folder + "/demo-out.wav", summary, error)) {
        std::fprintf(stderr, "velvaton demo: %s\n", error.c_str());
        return kExitFailed;
    }
    std::printf("wrote %s/demo-in.wav and %s/demo-out.wav\n", folder.c_str(), folder.c_str());
    summary.print(stdout);
    return kExitSuccess;
}
