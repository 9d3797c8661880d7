#pragma once

#include <cstdint>

#include "HRXParameterSpace.h"

// The product's parameter table over the maker's parameter channel
// (HRXParameterSpace.h). Every lookup is pure; an index outside the table
// answers the row of a spare slot.

enum velvaTonParameterIndex : int32_t {
    kProcess = 0,
    kRatio = 2,
    kAttackRatio = 3,
    kTime = 4,
    kCompression = 5,
    kOutput = 6,
    kValveLevel = 7,
    kGainReduction = kGainReductionSlot,
};

// The Process modes, as the engine runs them and the display names them.
enum velvaTonProcessMode : int32_t {
    kProcessOff = 0,
    kProcessClear = 1,
    kProcessValve = 2,
};

void getParameterName(int32_t index, char* text);
void getParameterDisplay(int32_t index, double value, char* text);
// The mode a Process value selects, read as the host parameter feeding the
// engine holds it: clamped to 0..1 (NaN as 0), a 32-bit float, then
// trunc(2v + 0.5). The display, the editor's switch and its meter lamp all
// take the mode from here, so they never disagree at 0.25 or 0.75.
velvaTonProcessMode getProcessMode(double value);
int32_t getParameterSteps(int32_t index);
int32_t getParameterCoarseSteps(int32_t index);
double getParameterDefault(int32_t index);
uint32_t getParameterFlags(int32_t index);
void formatParameterNumber(float value, char* text);
int32_t findParameterIndex(const char* identifier);

// Tables derived once at library load from the rows above.
extern const char (&parameterIdTable)[kParameterSlots][kParameterIdSize];
extern const uint8_t (&presetValueFlags)[kPresetValues];
extern const int32_t (&meterParameterList)[kMeterListSize];

// The host's master bypass: the eighth host parameter, not a slot of the table.
struct velvaTonMasterBypass {
    static constexpr const char* identifier = "MasterBypassID";
    static constexpr const char* name = "Master Bypass";
    static constexpr bool defaultValue = false;
    static constexpr int32_t steps = 2;
    static constexpr const char* offText = "bypass";
    static constexpr const char* onText = "on";
};
