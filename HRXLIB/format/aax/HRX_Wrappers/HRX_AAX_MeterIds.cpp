#include "HRX_AAX_Identifiers.h"

namespace {

// Letter order of the custom meters: Q comes after W, and V last.
constexpr char kCustomLetters[] = "ABCDEFGHIJKLMNOPRSTUWQXYZV";
constexpr int32_t kLetterCount = sizeof kCustomLetters - 1;  // 26
constexpr int32_t kShortRun = 6;                             // A..F

struct MeterIdTable {
    AAX_CTypeID ids[kHRX_MeterCount];
};

// Custom ids are given by their bytes in memory: a letter, then a three-byte
// suffix ("Actm" is the letter A followed by "ctm").
constexpr AAX_CTypeID memoryCode(char letter, const char (&suffix)[4]) {
    const char bytes[5] = {letter, suffix[0], suffix[1], suffix[2], '\0'};
    return AAX_FourCCFromMemoryBytes(bytes);
}

constexpr MeterIdTable buildMeterIds() {
    MeterIdTable table{};
    int32_t n = 0;
    table.ids[n++] = AAX_FourCC("mtrI");
    table.ids[n++] = AAX_FourCC("mtrO");
    table.ids[n++] = AAX_FourCC("mtGR");
    for (int32_t i = 0; i < kLetterCount; ++i)
        table.ids[n++] = memoryCode(kCustomLetters[i], "ctm");
    for (int32_t i = 0; i < kShortRun; ++i)
        table.ids[n++] = memoryCode(static_cast<char>('A' + i), "crm");
    for (int32_t i = 0; i < kLetterCount; ++i)
        table.ids[n++] = memoryCode(kCustomLetters[i], "ttm");
    for (int32_t i = 0; i < kShortRun; ++i)
        table.ids[n++] = memoryCode(static_cast<char>('A' + i), "trm");
    return table;
}

constexpr MeterIdTable kTable = buildMeterIds();
static_assert(3 + 2 * (kLetterCount + kShortRun) == kHRX_MeterCount, "67 meters");
static_assert(kTable.ids[3] == AAX_FourCCFromMemoryBytes("Actm"), "first custom meter");
static_assert(kTable.ids[66] == AAX_FourCCFromMemoryBytes("Ftrm"), "last custom meter");

}  // namespace

const AAX_CTypeID (&kHRX_MeterIDs)[kHRX_MeterCount] = kTable.ids;

const char* HRX_AAX_MeterName(int32_t position) {
    switch (position) {
    case kHRX_MeterInput: return "Input";
    case kHRX_MeterOutput: return "Output";
    case kHRX_MeterGainReduction: return "GainReduction";
    default: return "Custom";
    }
}
