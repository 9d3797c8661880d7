// velvaton editor --png FILE [--zoom PERCENT] [--set NAME=VALUE ...] [--gr VALUE] [--about]
//                 [--menu presets|config|save]
// velvaton editor --window [--zoom PERCENT] [--preset NAME]
#include "Command.h"
#include "LiveEditor.h"
#include "ParameterArgument.h"
#include "velvaTonEditorPicture.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern const char kEditorUsage[] =
    "usage: velvaton editor --png FILE [--zoom PERCENT] [--set NAME=VALUE ...]\n"
    "                       [--gr VALUE] [--about] [--menu presets|config|save]\n"
    "       velvaton editor --window [--zoom PERCENT] [--preset NAME]\n"
    "                       [--screenshot FILE]\n"
    "\n"
    "With --png, draws the plug-in's window without a screen and writes it to FILE\n"
    "as a PNG. With --window, opens the editor of a live plug-in instance in a\n"
    "window of the X display (DISPLAY): the built-in demo programme plays through\n"
    "the instance in real time (no audio device is used), so the meter moves, and\n"
    "every control works. Closing the window ends the program.\n"
    "\n"
    "  --png FILE        the picture to write (replaced only when complete)\n"
    "  --window          open the live editor instead of drawing a picture\n"
    "  --zoom PERCENT    zoom from 70 to 400 (default: 100 for --png, the zoom\n"
    "                    you last chose for --window)\n"
    "  --preset NAME     (--window) start from a factory or user preset\n"
    "  --screenshot FILE (--window) after two seconds, write the window as the\n"
    "                    screen shows it to FILE as a PNG, and end\n"
    "  --set NAME=VALUE  show a parameter at a normalised VALUE from 0 to 1; NAME is\n"
    "                    one of Process, Ratio, AttackRatio, Time, Compression,\n"
    "                    Output, ValveLevel. Unset parameters show their defaults.\n"
    "  --gr VALUE        gain reduction on the meter, normalised 0 (none) to 1\n"
    "  --about           show the about box over the panel\n"
    "  --menu WHICH      show a pop-up of the preset bar open: presets (the preset\n"
    "                    menu), config (the configuration menu) or save (the save\n"
    "                    panel)\n";

namespace {

bool parseZoom(const char* text, int32_t& percent) {
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || errno == ERANGE || parsed < kMinimumZoomPercent || parsed > kMaximumZoomPercent)
        return false;
    percent = static_cast<int32_t>(parsed);
    return true;
}

int usageError(const std::string& message) {
    std::fprintf(stderr, "velvaton editor: %s (see velvaton editor --help)\n", message.c_str());
    return kExitUsage;
}

}  // namespace

int runEditor(int argc, char** argv) {
    velvaTonEditorPicture picture;
    LiveEditorOptions live;
    bool window = false;
    bool pictureOnly = false;
    std::string path;
    std::string error;
    for (int i = 0; i < argc; ++i) {
        const std::string option = argv[i];
        const bool takesValue = option == "--png" || option == "--zoom" || option == "--set" || option == "--gr" ||
                                option == "--preset" || option == "--screenshot" || option == "--menu";
        pictureOnly = pictureOnly || option == "--set" || option == "--gr" || option == "--about" || option == "--menu";
        if (takesValue && i + 1 >= argc)
            return usageError(option + " needs a value");
        if (option == "--png") {
            path = argv[++i];
        } else if (option == "--zoom") {
            if (!parseZoom(argv[++i], picture.zoomPercent))
                return usageError(std::string("zoom '") + argv[i] + "' is not a whole number from 70 to 400");
            live.zoomPercent = picture.zoomPercent;
        } else if (option == "--window") {
            window = true;
        } else if (option == "--preset") {
            live.presetName = argv[++i];
        } else if (option == "--screenshot") {
            live.screenshotPath = argv[++i];
        } else if (option == "--set") {
            int32_t index = -1;
            double value = 0.0;
            if (!parseParameterAssignment(argv[++i], index, value, error))
                return usageError(error);
            if (index < 0 || index >= kPresetValues)
                return usageError(std::string("'") + argv[i] + "' is not a panel parameter");
            picture.values[index] = value;
        } else if (option == "--gr") {
            if (!parseNormalisedValue(argv[++i], picture.gainReduction, error))
                return usageError(error);
        } else if (option == "--about") {
            picture.aboutBox = true;
        } else if (option == "--menu") {
            const std::string which = argv[++i];
            if (which == "presets")
                picture.popup = velvaTonEditorPicture::Popup::PresetMenu;
            else if (which == "config")
                picture.popup = velvaTonEditorPicture::Popup::ConfigMenu;
            else if (which == "save")
                picture.popup = velvaTonEditorPicture::Popup::SavePanel;
            else
                return usageError("menu '" + which + "' is not one of presets, config, save");
        } else {
            return usageError("unknown argument '" + option + "'");
        }
    }
    if (window) {
        if (!path.empty() || pictureOnly)
            return usageError("--window takes only --zoom, --preset and --screenshot");
        return runLiveEditor(live);
    }
    if (!live.presetName.empty() || !live.screenshotPath.empty())
        return usageError("--preset and --screenshot go with --window");
    if (path.empty())
        return usageError("--png FILE or --window is required");
    if (!writeEditorPicture(picture, path, error)) {
        std::fprintf(stderr, "velvaton editor: %s\n", error.c_str());
        return kExitFailed;
    }
    std::printf("wrote %s\n", path.c_str());
    return kExitSuccess;
}
