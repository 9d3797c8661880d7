// Writes the seed corpora of the preset and settings fuzzers:
//   <out>/fuzz_preset_file, fuzz_clipboard: single-preset containers of
//     factory presets, little- and big-endian;
//   <out>/fuzz_bank: bank-form containers, both byte orders;
//   <out>/fuzz_settings: settings files as the store writes them.
#include "BigEndianContainer.h"
#include "HRXFileSystem.h"
#include "HRXPresetContainer.h"
#include "HRXSettingsFile.h"
#include "velvaTonFactoryPresets.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool writeSeed(const std::string& folder, const std::string& name, const void* data, size_t size) {
    if (!writeFileAtomically(folder + "/" + name, data, size)) {
        std::fprintf(stderr, "make_preset_seeds: cannot write %s/%s\n", folder.c_str(), name.c_str());
        return false;
    }
    return true;
}

bool writeContainers(const std::string& folder, const std::string& stem, const std::vector<uint8_t>& little) {
    const std::vector<uint8_t> big = toBigEndianContainer(little);
    return writeSeed(folder, stem + "-le.bin", little.data(), little.size()) &&
           writeSeed(folder, stem + "-be.bin", big.data(), big.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_preset_seeds OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string out = argv[1];
    const std::string file = out + "/fuzz_preset_file";
    const std::string clipboard = out + "/fuzz_clipboard";
    const std::string bankFolder = out + "/fuzz_bank";
    const std::string settings = out + "/fuzz_settings";
    for (const std::string& folder : {out, file, clipboard, bankFolder, settings}) {
        if (!createFolder(folder)) {
            std::fprintf(stderr, "make_preset_seeds: cannot create %s\n", folder.c_str());
            return 1;
        }
    }

    HRXPresetRecord bank[kBankRecords];
    HRXPresetRecord clip;
    buildFactoryBank(bank, clip);
    bool ok = true;
    for (const int32_t slot : {0, 10, 15, 23, 40}) {
        const std::vector<uint8_t> bytes = serializePreset(bank[slot], 0, 100);
        ok = ok && writeContainers(file, "slot" + std::to_string(slot), bytes);
    }
    setPresetRecordName(clip, "clipboard 14:03:22");
    ok = ok && writeContainers(clipboard, "copied", serializePreset(clip, 3, 125));
    ok = ok && writeContainers(clipboard, "default", serializePreset(bank[0], 0, 100));
    ok = ok && writeContainers(bankFolder, "bank", serializeBank(bank, 0, 100));
    ok = ok && writeContainers(bankFolder, "bank-kick", serializeBank(bank + 14, 29, 140));

    HRXSettingsValue zoom{"HRXVT1: 59", false, {0xcd, 0xcc, 0xcc, 0x3d}};
    HRXSettingsValue hints{"HRXVT1: 57", false, {0x00, 0x00, 0x80, 0x3f}};
    HRXSettingsValue manual{"ManualPath", true, {}};
    const std::string path = "/opt/HRX \"velvaTon\"\\Manual\t\xc3\xa9.pdf";
    manual.data.assign(path.begin(), path.end());
    const std::vector<uint8_t> memo = serializePreset(bank[15], 0, 100);
    const HRXSettingsValue clipboardValue{"MemoA", false, memo};
    const std::string global = formatSettingsText({hints, zoom});
    const std::string shared = formatSettingsText({clipboardValue, manual});
    ok = ok && writeSeed(settings, "global.settings", global.data(), global.size());
    ok = ok && writeSeed(settings, "shared.settings", shared.data(), shared.size());
    return ok ? 0 : 1;
}
