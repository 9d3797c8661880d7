// velvaton presets [show FILE.hrx | export NAME FILE.hrx | import FILE.hrx [FOLDER]]
#include "Command.h"
#include "HRXFileSystem.h"
#include "HRXPresetContainer.h"
#include "HRXPresetFile.h"
#include "HRXPresetLibrary.h"
#include "ParameterNotation.h"
#include "PresetLookup.h"
#include "velvaTonParameters.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

extern const char kPresetsUsage[] =
    "usage: velvaton presets\n"
    "       velvaton presets show FILE.hrx\n"
    "       velvaton presets export NAME FILE.hrx\n"
    "       velvaton presets import FILE.hrx [FOLDER]\n"
    "\n"
    "Without arguments, lists the preset groups, categories and presets as the\n"
    "plug-in's preset menu shows them, the user's preset files included.\n"
    "\n"
    "  show    prints a preset file's name and each stored parameter as NAME=VALUE\n"
    "          in the editor's notation, as render --set takes it, then its stored\n"
    "          normalised value\n"
    "  export  writes the factory or user preset NAME (factory presets first, in slot\n"
    "          order) as a single-preset file\n"
    "  import  checks a preset file and copies it into the user preset folder, or into\n"
    "          its sub-folder FOLDER (created when missing); an existing file is kept\n"
    "\n"
    "The user preset folder is $USERPROFILE (or $HOME)/Documents/bracken-works.example/\n"
    "User Presets/HRX velvaTon.\n";

namespace {

const char* const kGroupNames[HRXPresetLibrary::kGroups] = {"Application", "Designer", "My presets"};

int listPresets() {
    PresetLibrarySession session;
    for (int32_t group = 0; group < HRXPresetLibrary::kGroups; ++group) {
        std::printf("%s\n", kGroupNames[group]);
        if (group == HRXPresetLibrary::kUserGroup)
            std::printf("  (folder: %s)\n", HRXPresetLibrary::userPresetFolder().c_str());
        for (int32_t category = 0; category < HRXPresetLibrary::categoryCount(group); ++category) {
            std::printf("  %s\n", HRXPresetLibrary::categoryName(group, category));
            const int32_t count = HRXPresetLibrary::itemCount(group, category);
            for (int32_t index = 0; index < count; ++index)
                std::printf("    %02d. %s\n", index, HRXPresetLibrary::item(group, category, index)->name);
            if (count == 0)
                std::printf("    (no presets)\n");
        }
    }
    return kExitSuccess;
}

// The shortest decimal text that reads back as the same float.
std::string shortestText(float value) {
    char text[32];
    for (int digits = 1; digits <= 9; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value)
            break;
    }
    return text;
}

int showPreset(const std::string& path) {
    HRXPresetRecord record;
    bool present[kPresetValues];
    std::string error;
    if (!readPresetFileStrict(path, record, present, error)) {
        std::fprintf(stderr, "velvaton presets show: %s\n", error.c_str());
        return kExitFailed;
    }
    std::printf("name: %s\n", record.name);
    for (int32_t index = 0; index < kPresetValues; ++index) {
        if (!present[index])
            continue;
        char name[kParameterNameSize + 1] = {};
        getParameterName(index, name);
        const std::string setting = std::string(name) + "=" + formatParameterValue(index, record.values[index]);
        std::printf("%2d %-24s %s\n", index, setting.c_str(), shortestText(record.values[index]).c_str());
    }
    return kExitSuccess;
}

int exportPreset(const std::string& name, const std::string& path) {
    PresetLibrarySession session;
    HRXPresetRecord record;
    std::string error;
    if (!findPresetByName(name, record, error)) {
        std::fprintf(stderr, "velvaton presets export: %s\n", error.c_str());
        return kExitFailed;
    }
    // Auxiliary word 0 and zoom 100 %, as a fresh instance writes them.
    const std::vector<uint8_t> bytes = serializePreset(record, 0, 100);
    if (!writeFileAtomically(path, bytes.data(), bytes.size())) {
        std::fprintf(stderr, "velvaton presets export: cannot write '%s'\n", path.c_str());
        return kExitFailed;
    }
    std::printf("wrote '%s' (%zu bytes) from preset '%s'\n", path.c_str(), bytes.size(), record.name);
    return kExitSuccess;
}

// A folder name the library lists: one level, not hidden, at most 63 characters.
bool isListableFolderName(const std::string& folder) {
    return !folder.empty() && folder.size() < 64 && folder[0] != '.' && folder.find('/') == std::string::npos;
}

int importPreset(const std::string& path, const std::string& folder) {
    const char* command = "velvaton presets import";
    std::vector<uint8_t> bytes;
    HRXPresetRecord record;
    bool present[kPresetValues];
    std::string error;
    if (!readWholeFile(path, bytes, kMaxPresetFileSize)) {
        std::fprintf(stderr, "%s: cannot read '%s'\n", command, path.c_str());
        return kExitFailed;
    }
    if (!checkPresetBytes(bytes, path, record, present, error)) {
        std::fprintf(stderr, "%s: %s; nothing imported\n", command, error.c_str());
        return kExitFailed;
    }
    if (!folder.empty() && !isListableFolderName(folder)) {
        std::fprintf(stderr,
                     "%s: '%s' is not a folder name the preset menu lists (one level, not "
                     "beginning with '.', at most 63 characters)\n",
                     command, folder.c_str());
        return kExitUsage;
    }
    const size_t slash = path.find_last_of('/');
    const std::string fileName = normalisePresetFileName(slash == std::string::npos ? path : path.substr(slash + 1));
    const size_t stem = fileName.size() - std::strlen(".hrx");
    if (stem == 0 || stem > 63) {
        std::fprintf(stderr, "%s: the preset name must have 1 to 63 characters\n", command);
        return kExitFailed;
    }

    PresetLibrarySession session;
    std::string target = HRXPresetLibrary::userPresetFolder();
    if (target.empty()) {
        std::fprintf(stderr, "%s: no user preset folder (neither USERPROFILE nor HOME is set)\n", command);
        return kExitFailed;
    }
    if (!folder.empty()) {
        target += "/" + folder;
        if (!createFolder(target)) {
            std::fprintf(stderr, "%s: cannot create the folder '%s'\n", command, target.c_str());
            return kExitFailed;
        }
    }
    target += "/" + fileName;
    std::error_code ignored;
    if (std::filesystem::exists(std::filesystem::symlink_status(target, ignored))) {
        std::fprintf(stderr, "%s: '%s' already exists; nothing imported\n", command, target.c_str());
        return kExitFailed;
    }
    if (!writeFileAtomically(target, bytes.data(), bytes.size())) {
        std::fprintf(stderr, "%s: cannot write '%s'\n", command, target.c_str());
        return kExitFailed;
    }
    std::printf("imported '%s' as '%s'\n", path.c_str(), target.c_str());
    return kExitSuccess;
}

int usageError(const char* message) {
    std::fprintf(stderr, "velvaton presets: %s (see velvaton presets --help)\n", message);
    return kExitUsage;
}

}  // namespace

int runPresets(int argc, char** argv) {
    if (argc == 0)
        return listPresets();
    const std::string action = argv[0];
    if (action == "show")
        return argc == 2 ? showPreset(argv[1]) : usageError("show needs one preset file");
    if (action == "export")
        return argc == 3 ? exportPreset(argv[1], argv[2]) : usageError("export needs a preset name and a file");
    if (action == "import") {
        if (argc != 2 && argc != 3)
            return usageError("import needs a preset file and at most one folder name");
        return importPreset(argv[1], argc == 3 ? argv[2] : "");
    }
    return usageError(("unknown action '" + action + "'").c_str());
}
