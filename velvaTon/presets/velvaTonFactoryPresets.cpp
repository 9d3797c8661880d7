#include "velvaTonFactoryPresets.h"

#include "velvaTonParameters.h"

#include <cstring>

namespace {

constexpr int32_t kNoCategory = -1;
constexpr int32_t kLastNamedSlot = 32;

struct FactoryPreset {
    const char* name;
    int32_t category;
    // Process, Ratio, AttackRatio, Time, Compression, Output, ValveLevel
    double values[7];
};

enum : int32_t { kBus = 0, kDrums = 1, kVocals = 2, kSpecial = 3 };

// The parameters a factory preset sets, in the order of FactoryPreset::values.
constexpr int32_t kPresetParameters[7] = {kProcess, kRatio, kAttackRatio, kTime, kCompression, kOutput, kValveLevel};

// The Ratio positions are the four-digit decimals, not sixths.
constexpr FactoryPreset kFactoryPresets[kLastNamedSlot + 1] = {
    {"Default", kNoCategory, {1.0, 0.5, 0.5, 0.5, 0.5, 0.15, 0.5}},
    {"CompressLite1", kSpecial, {1.0, 0.0, 0.5, 0.5, 0.5, 0.15, 0.5}},
    {"CompressLite2", kSpecial, {1.0, 0.1667, 0.5, 0.5, 0.5, 0.15, 0.5}},
    {"CompressMed1", kSpecial, {1.0, 0.3333, 0.5, 0.5, 0.5, 0.15, 0.5}},
    {"CompressMed2", kSpecial, {1.0, 0.5, 0.5, 0.5, 0.5, 0.15, 0.5}},
    {"CompressHeavy1", kSpecial, {1.0, 0.6667, 0.5, 0.5, 0.5, 0.15, 0.5}},
    {"CompressHeavy2", kSpecial, {1.0, 0.8333, 0.5, 0.5, 0.5, 0.15, 0.5}},
    {"SlowLim", kSpecial, {1.0, 1.0, 0.5, 0.5, 0.5, 0.1, 0.5}},
    {"FastLim", kSpecial, {1.0, 1.0, 0.5, 0.2, 0.5, 0.1, 0.5}},
    {"Leveller", kSpecial, {1.0, 0.5, 0.5, 0.8, 0.75, 0.3, 0.5}},
    {"Glue Things Together", kBus, {1.0, 0.5, 0.5, 0.6, 0.375, 0.133, 0.5}},
    {"Hats Smasher", kDrums, {1.0, 1.0, 0.5, 0.0, 0.775, 0.425, 0.5}},
    {"Kick Fattener", kDrums, {1.0, 0.8333, 0.5, 0.15, 0.5, 0.25, 0.5}},
    {"Make it Pump", kSpecial, {1.0, 0.3333, 0.5, 0.0, 0.65, 0.183, 0.5}},
    {"Snare Puncher", kDrums, {1.0, 0.8333, 0.5, 0.35, 0.375, 0.166, 0.5}},
    {"Kick", kDrums, {1.0, 0.5, 0.5, 0.3, 0.5, 0.133, 0.5}},
    {"Pop Rock Vocal", kVocals, {1.0, 0.5, 0.5, 0.8, 0.75, 0.3, 0.5}},
    {"Room Ambience", kSpecial, {1.0, 0.6667, 0.5, 0.7, 0.275, 0.166, 0.5}},
    {"Snare Bottom", kDrums, {1.0, 0.5, 0.5, 0.35, 0.225, 0.133, 0.5}},
    {"Snare Piccolo Top 1", kDrums, {1.0, 0.6667, 0.5, 0.6, 0.3, 0.183, 0.5}},
    {"Snare Piccolo Top 2", kDrums, {1.0, 0.5, 0.5, 0.4, 0.5, 0.216, 0.5}},
    {"Stereo Drums Over", kDrums, {1.0, 0.6667, 0.5, 0.55, 0.6, 0.233, 0.5}},
    {"Stereo Toms", kDrums, {1.0, 0.6667, 0.5, 0.5, 0.625, 0.233, 0.5}},
    {"Vox", kVocals, {0.5, 0.5, 0.5, 0.35, 0.5, 0.1, 0.5}},
    {"Gently Weeps", kSpecial, {1.0, 0.0, 0.5, 0.1, 0.325, 0.0, 0.5}},
    {"Punchy Kick", kDrums, {1.0, 1.0, 0.5, 0.45, 0.575, 0.15, 0.5}},
    {"Kick 2", kDrums, {1.0, 0.8333, 0.5, 0.35, 0.4, 0.133, 0.5}},
    {"Loud Bass", kSpecial, {1.0, 0.5, 0.5, 0.15, 0.675, 0.2, 0.5}},
    {"4k", kSpecial, {1.0, 0.3333, 0.5, 0.35, 0.575, 0.083, 0.5}},
    {"Bus Comp 1", kBus, {0.5, 0.3333, 0.5, 0.4, 0.525, 0.116, 0.5}},
    {"Bus Comp 2", kBus, {0.5, 0.8333, 0.5, 0.25, 0.525, 0.083, 0.5}},
    {"Bus Comp 3", kBus, {1.0, 0.3333, 0.5, 0.15, 0.625, 0.083, 0.5}},
    {"Default", kNoCategory, {1.0, 0.5, 0.5, 0.5, 0.5, 0.15, 0.5}},
};

constexpr const char* kInitName = "Init";

constexpr const char* kCategoryNames[kFactoryCategoryCount] = {"Bus Compression", "Drums", "Vocals", "Special"};

// Copies at most `size` bytes of `source`, padding with NULs (a name of
// `size` characters or more is left without a terminator, as a bounded copy
// does; readers of such a buffer bound themselves).
void copyBounded(char* destination, const char* source, size_t size) {
    size_t i = 0;
    for (; i < size && source[i] != '\0'; ++i)
        destination[i] = source[i];
    for (; i < size; ++i)
        destination[i] = '\0';
}

}  // namespace

const char* getFactoryCategoryName(int32_t category) {
    if (category < 0 || category >= kFactoryCategoryCount)
        return nullptr;
    return kCategoryNames[category];
}

void getFactoryPreset(int32_t slot, double* values, char* name, HRXPresetPlacement* placement) {
    if (slot < 0 || slot > kLastNamedSlot) {
        if (values != nullptr) {
            for (int32_t i = 0; i < kPresetValues; ++i)
                values[i] = getParameterDefault(i);
        }
        if (name != nullptr)
            copyBounded(name, kInitName, kPresetNameSize);
        if (placement != nullptr)
            placement->designer = 0;
        return;
    }
    const FactoryPreset& preset = kFactoryPresets[slot];
    if (values != nullptr) {
        for (int32_t i = 0; i < 7; ++i)
            values[kPresetParameters[i]] = preset.values[i];
    }
    if (name != nullptr)
        copyBounded(name, preset.name, kPresetNameSize);
    if (placement != nullptr) {
        if (preset.category != kNoCategory)
            placement->category = preset.category;
        placement->designer = 0;
    }
}

void storeFactoryName(HRXPresetRecord& record, const char* name, FILE* warnings) {
    const size_t length = strnlen(name, kPresetNameSize);
    if (length > static_cast<size_t>(kPresetNameLength) && warnings != nullptr) {
        std::fprintf(warnings,
                     "\n*********************************************************\n"
                     "WARNING: preset name is too long!\n%ld chars\n***  %.*s ***\n"
                     "*********************************************************\n",
                     static_cast<long>(length), static_cast<int>(length), name);
    }
    setPresetRecordName(record, name);
}

void buildFactoryBank(HRXPresetRecord* bank, HRXPresetRecord& clipboardRecord) {
    for (int32_t slot = 0; slot < kFactoryPresetSlots; ++slot) {
        char name[kPresetNameSize] = {};
        copyBounded(name, kInitName, kPresetNameSize);
        double values[kPresetValues] = {};
        getFactoryPreset(slot, values, name, nullptr);

        HRXPresetRecord& record = bank[slot];
        storeFactoryName(record, name, stderr);
        for (int32_t i = 0; i < kPresetValues; ++i)
            record.values[i] = static_cast<float>(values[i]);
    }
    clipboardRecord = bank[0];
}
