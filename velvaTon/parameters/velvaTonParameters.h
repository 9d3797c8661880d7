#pragma once

#include <cstdint>

// The product's parameter table: 29 slots addressed by index, each holding a
// normalised value 0..1. Every lookup is pure; an index outside the table
// answers the row of a spare slot.

constexpr int32_t kParameterSlots = 29;
constexpr int32_t kPresetValues = 12;
constexpr int32_t kMeterListSize = 64;

constexpr int32_t kParameterNameSize = 15;     // smallest buffer getParameterName needs
constexpr int32_t kParameterDisplaySize = 32;  // smallest buffer getParameterDisplay needs
constexpr int32_t kParameterIdSize = 32;

enum velvaTonParameterIndex : int32_t {
    kProcess = 0,
    kRatio = 2,
    kAttackRatio = 3,
    kTime = 4,
    kCompression = 5,
    kOutput = 6,
    kValveLevel = 7,
    kGainReduction = 13,
};

// Message ids carried beside the slots on the controller and editor channels.
enum velvaTonMessageId : int32_t {
    kMessageAuxWord = 29,
    kMessageHints = 57,
    kMessageZoom = 59,
    kMessageGroupBegin = 70,
    kMessageGroupEnd = 71,
    kMessageMeterReset = 72,
    kMessageShowAbout = 93,
    kMessageHideAbout = 94,
};

// The Process modes, as the engine runs them and the display names them.
enum velvaTonProcessMode : int32_t {
    kProcessOff = 0,
    kProcessClear = 1,
    kProcessValve = 2,
};

// Flag bits of getParameterFlags.
constexpr uint32_t kFlagHostParameter = 0x1;
constexpr uint32_t kFlagMeterOutput = 0x2;
constexpr uint32_t kFlagStoredInPreset = 0x4;
constexpr uint32_t kFlagUndoableEdit = 0x8;

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
