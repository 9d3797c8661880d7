#pragma once

#include <cstdint>

// The maker's parameter channel, shared by every product built on this
// library: slots addressed by a signed index, each holding a normalised
// value 0..1, message ids carried beside them, and the flag bits of a
// product's parameter table.

constexpr int32_t kParameterSlots = 29;     // slots 0..28
constexpr int32_t kPresetValues = 12;       // slots 0..11: the values of a preset
constexpr int32_t kMeterListSize = 64;      // entries of a meter list, -1 after the last
constexpr int32_t kGainReductionSlot = 13;  // the engine's gain-reduction output

// Buffers the parameter table's text operations fill.
constexpr int32_t kParameterNameSize = 15;
constexpr int32_t kParameterDisplaySize = 32;
constexpr int32_t kParameterIdSize = 32;

// Message ids carried beside the slots on the controller and editor channels.
enum HRXMessageId : int32_t {
    kMessageAuxWord = 29,
    kMessageHints = 57,
    kMessageZoom = 59,
    kMessageGroupBegin = 70,
    kMessageGroupEnd = 71,
    kMessageMeterReset = 72,
    kMessageShowAbout = 93,
    kMessageHideAbout = 94,
};

// Flag bits of a parameter.
constexpr uint32_t kFlagHostParameter = 0x1;
constexpr uint32_t kFlagMeterOutput = 0x2;
constexpr uint32_t kFlagStoredInPreset = 0x4;
constexpr uint32_t kFlagUndoableEdit = 0x8;
