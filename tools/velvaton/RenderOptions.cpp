#include "RenderOptions.h"

#include "ParameterArgument.h"

#include <cerrno>
#include <cstdlib>

bool parseBlockFrames(const std::string& text, uint32_t& frames, std::string& error) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(begin, &end, 10);
    if (text.empty() || end == begin || *end != '\0' || errno == ERANGE) {
        error = "block size '" + text + "' is not a whole number";
        return false;
    }
    if (parsed < 1 || parsed > static_cast<long long>(kMaxBlockFrames)) {
        error = "block size " + text + " is outside 1 to " + std::to_string(kMaxBlockFrames);
        return false;
    }
    frames = static_cast<uint32_t>(parsed);
    return true;
}

bool parseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& error) {
    std::vector<std::string> positional;
    SampleBits bits = SampleBits::Default;
    bool dither = true;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--bypass") {
            options.bypass = true;
        } else if (arg == "--no-dither") {
            dither = false;
        } else if (arg == "--set" || arg == "--block" || arg == "--preset" || arg == "--preset-file" ||
                   arg == "--automate" || arg == "--state" || arg == "--save-state" || arg == "--bits" ||
                   arg == "--plot") {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            const std::string value = argv[++i];
            if (arg == "--preset" || arg == "--preset-file") {
                if (!options.presetName.empty() || !options.presetFile.empty()) {
                    error = "give at most one of --preset and --preset-file";
                    return false;
                }
                (arg == "--preset" ? options.presetName : options.presetFile) = value;
                if (value.empty()) {
                    error = arg + " needs a value";
                    return false;
                }
            } else if (arg == "--automate") {
                AutomationLane lane;
                if (!parseAutomationLane(value, lane, error))
                    return false;
                options.automation.push_back(lane);
            } else if (arg == "--state" || arg == "--save-state" || arg == "--plot") {
                if (value.empty()) {
                    error = arg + " needs a file";
                    return false;
                }
                (arg == "--state"  ? options.statePath
                 : arg == "--plot" ? options.plotPath
                                   : options.saveStatePath) = value;
            } else if (arg == "--bits") {
                if (!parseSampleBits(value, bits, error))
                    return false;
            } else if (arg == "--set") {
                ParameterAssignment assignment{};
                if (!parseParameterAssignment(value, assignment.index, assignment.value, error))
                    return false;
                options.assignments.push_back(assignment);
            } else if (!parseBlockFrames(value, options.blockFrames, error)) {
                return false;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option '" + arg + "'";
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        error = "expected an input and an output file";
        return false;
    }
    options.inputPath = positional[0];
    options.outputPath = positional[1];
    if (options.plotPath == options.outputPath) {
        error = "the plot and the output need two different files";
        return false;
    }
    return chooseOutputFormat(options.outputPath, bits, dither, options.format, error);
}
