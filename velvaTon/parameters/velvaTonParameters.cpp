#include "velvaTonParameters.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kSpareName = " ";

const char* const kProcessTexts[3] = {"Off", "Clear", "Valve"};
const char* const kRatioTexts[7] = {"1.2:1", "1.5:1", "2:1", "3:1", "4:1", "6:1", "10:1"};
const char* const kAttackRatioTexts[7] = {"x0.25", "x0.4", "x0.6", "x1", "x1.6", "x2.5", "x4"};
const char* const kValveTexts[7] = {"-3", "-2", "-1", "0", "+1", "+2", "+3"};

int32_t positionOf(double value, double positions) {
    return static_cast<int32_t>(positions * value + 0.5);
}

void copyText(char* text, const char* source) {
    std::strcpy(text, source);
}

// Writes one of seven texts; a position outside the table leaves the buffer as it was.
void displaySevenPosition(const char* const (&texts)[7], double value, char* text) {
    const int32_t k = positionOf(value, 6.0);
    if (k >= 0 && k <= 6)
        copyText(text, texts[k]);
}

void displayStepped(double value, double positions, double stepSize, char* text) {
    const double number = positionOf(value, positions) * stepSize;
    formatParameterNumber(static_cast<float>(number), text);
}

constexpr const char* nameOf(int32_t index) {
    switch (index) {
    case 0: return "Process";
    case 2: return "Ratio";
    case 3: return "AttackRatio";
    case 4: return "Time";
    case 5: return "Compression";
    case 6: return "Output";
    case 7: return "ValveLevel";
    case 13: return "Gain Reduction";
    default: return kSpareName;
    }
}

constexpr uint32_t flagsOf(int32_t index) {
    switch (index) {
    case 0:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7: return 0x9;
    case 13: return 0x2;
    default: return 0;
    }
}

// The derived tables are constant-initialised, so they are complete before
// any other static initialiser of the library can read them.
struct DerivedTables {
    char ids[kParameterSlots][kParameterIdSize] = {};
    uint8_t presetFlags[kPresetValues] = {};
    int32_t meters[kMeterListSize] = {};
};

// "%d: %s" bounded to 31 characters and a terminator.
constexpr void buildIdentifier(int32_t index, char (&id)[kParameterIdSize]) {
    int length = 0;
    if (index >= 10)
        id[length++] = static_cast<char>('0' + index / 10);
    id[length++] = static_cast<char>('0' + index % 10);
    id[length++] = ':';
    id[length++] = ' ';
    for (const char* name = nameOf(index); *name && length < kParameterIdSize - 1; ++name)
        id[length++] = *name;
    id[length] = '\0';
}

constexpr DerivedTables buildDerivedTables() {
    DerivedTables tables;
    for (int32_t i = 0; i < kParameterSlots; ++i)
        buildIdentifier(i, tables.ids[i]);
    for (int32_t i = 0; i < kPresetValues; ++i)
        tables.presetFlags[i] = (flagsOf(i) & kFlagHostParameter) ? 1 : 0;
    int32_t count = 0;
    for (int32_t i = 0; i < kMeterListSize; ++i)
        tables.meters[i] = -1;
    for (int32_t i = 0; i < kParameterSlots; ++i)
        if (flagsOf(i) & kFlagMeterOutput)
            tables.meters[count++] = i;
    return tables;
}

constexpr DerivedTables kDerivedTables = buildDerivedTables();

}  // namespace

const char (&parameterIdTable)[kParameterSlots][kParameterIdSize] = kDerivedTables.ids;
const uint8_t (&presetValueFlags)[kPresetValues] = kDerivedTables.presetFlags;
const int32_t (&meterParameterList)[kMeterListSize] = kDerivedTables.meters;

void getParameterName(int32_t index, char* text) {
    copyText(text, nameOf(index));
}

velvaTonProcessMode getProcessMode(double value) {
    const double clamped = value >= 0.0 ? (value < 1.0 ? value : 1.0) : 0.0;
    const double held = static_cast<double>(static_cast<float>(clamped));
    switch (positionOf(held, 2.0)) {
    case 1: return kProcessClear;
    case 2: return kProcessValve;
    default: return kProcessOff;
    }
}

void getParameterDisplay(int32_t index, double value, char* text) {
    switch (index) {
    case 0: copyText(text, kProcessTexts[getProcessMode(value)]); return;
    case 2: displaySevenPosition(kRatioTexts, value, text); return;
    case 3: displaySevenPosition(kAttackRatioTexts, value, text); return;
    case 4: displayStepped(value, 20.0, 0.5, text); return;
    case 5: displayStepped(value, 40.0, 0.25, text); return;
    case 6: displayStepped(value, 60.0, 0.5, text); return;
    case 7: displaySevenPosition(kValveTexts, value, text); return;
    case 13:
        if (value < 0.0001)
            copyText(text, "-oo");
        else
            std::snprintf(text, kParameterDisplaySize, "%4.2f", 20.0 * std::log10(value));
        return;
    default: text[0] = '\0'; return;
    }
}

int32_t getParameterSteps(int32_t index) {
    switch (index) {
    case 4:
    case 5: return 100;
    case 6: return 300;
    default: return 0;
    }
}

int32_t getParameterCoarseSteps(int32_t index) {
    return static_cast<int32_t>(getParameterSteps(index) * 0.1);
}

double getParameterDefault(int32_t index) {
    switch (index) {
    case 0: return 1.0;
    case 6: return 0.15;
    case 13: return 0.0;
    default: return 0.5;
    }
}

uint32_t getParameterFlags(int32_t index) {
    return flagsOf(index);
}

void formatParameterNumber(float value, char* text) {
    constexpr int kMaxChars = 8;
    double x = value;
    const double h = 100.0 * x;
    const double f = h - std::trunc(h);
    if (f >= 0.49999)
        x = (h + 1.0) * 0.01;
    else if (f <= -0.49999)
        x = (h - 1.0) * 0.01;

    char out[kMaxChars + 1];
    int length = 0;
    if (x < 0.0) {
        if (-x > 9999999.0)
            return;
        out[length++] = '-';
        x = -x;
    } else if (x > 99999999.0) {
        return;
    }

    const double integerPart = std::trunc(x);
    char digits[16];
    const int digitCount = std::snprintf(digits, sizeof digits, "%.0f", integerPart);
    for (int i = 0; i < digitCount && length < kMaxChars; ++i)
        out[length++] = digits[i];
    if (length < kMaxChars) {
        out[length++] = '.';
        // Fraction digits by repeated shifting, truncated: two are kept.
        double fraction = x - integerPart;
        for (int kept = 0; kept < 2 && length < kMaxChars; ++kept) {
            fraction *= 10.0;
            const int digit = static_cast<int>(fraction);
            out[length++] = static_cast<char>('0' + digit);
            fraction -= digit;
        }
    }
    out[length] = '\0';
    std::memcpy(text, out, static_cast<size_t>(length) + 1);
}

int32_t findParameterIndex(const char* identifier) {
    int32_t found = -1;
    for (int32_t i = 0; i < kParameterSlots; ++i)
        if (std::strcmp(identifier, parameterIdTable[i]) == 0)
            found = i;
    return found;
}
