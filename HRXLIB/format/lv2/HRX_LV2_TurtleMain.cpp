// Writes the bundle's Turtle files into the folder named on the command
// line. Each file is written under a temporary name, every write checked,
// and renamed into place only when complete.
#include "HRX_LV2_Turtle.h"
#include "HRXErrorText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool writeFile(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".tmp";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "cannot create %s: %s\n", temporary.c_str(), errorText(errno).c_str());
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), errorText(errno).c_str());
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s BUNDLE_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    HRX_LV2_InstallProduct();
    const HRX_LV2_Product& product = HRX_LV2_GetProduct();
    const bool ok = writeFile(folder + "/manifest.ttl", HRX_LV2_ManifestTurtle(product)) &&
                    writeFile(folder + "/" + kHRX_LV2_PluginFile, HRX_LV2_PluginTurtle(product)) &&
                    writeFile(folder + "/" + kHRX_LV2_PresetsFile, HRX_LV2_PresetsTurtle(product));
    return ok ? 0 : 1;
}
