#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "HRXParameterSpace.h"

class HRXBaseAudioProcessor;
class HRXBaseParametersController;
class HRXMasterController;
struct HRXPresetPlacement;
struct HRXPresetRecord;

// The product this library is built into, as the library sees it: its
// parameter table, its factory bank, its names and places, and how to make
// its engine and its controller. The library reaches the product only
// through the one descriptor installed here; the product's editor is made
// through the factory the binding hands to the editor window, so that a
// build without an editor (an audio-only plug-in library) links no drawing.
struct HRXProductDescriptor {
    // Parameter table: slots 0..kParameterSlots - 1.
    void (*getParameterName)(int32_t index, char* text);
    void (*getParameterDisplay)(int32_t index, double value, char* text);
    int32_t (*getParameterSteps)(int32_t index);
    int32_t (*getParameterCoarseSteps)(int32_t index);
    double (*getParameterDefault)(int32_t index);
    uint32_t (*getParameterFlags)(int32_t index);
    int32_t (*findParameterIndex)(const char* identifier);
    const char (*parameterIds)[kParameterIdSize];  // kParameterSlots identifiers
    const int32_t* meterParameterList;             // kMeterListSize entries
    const uint8_t* presetValueFlags;               // kPresetValues entries: 1 for a host parameter

    // Factory bank: one preset per record of the working bank (kBankRecords),
    // in `factoryCategoryCount` categories.
    int32_t factoryCategoryCount;
    const char* (*getFactoryCategoryName)(int32_t category);
    void (*getFactoryPreset)(int32_t slot, double* values, char* name, HRXPresetPlacement* placement);
    void (*storeFactoryName)(HRXPresetRecord& record, const char* name, FILE* warnings);
    void (*buildFactoryBank)(HRXPresetRecord* bank, HRXPresetRecord& clipboardRecord);

    // Names and places.
    const char* makerName;
    const char* productName;
    const char* productDescription;  // how a host lists the plug-in
    const char* effectId;            // reverse-domain id in the host's collection
    int32_t packageVersion;
    const char* pageTableFileName;
    const char* productVersion;  // "2.2.1.0", with the maker's framework's and the build stamp
    const char* frameworkVersion;
    const char* buildStamp;
    const char* makerWebAddress;
    const char* makerDocumentsFolder;  // <Documents>/<maker>/<user presets>/<product>
    const char* userPresetsFolder;
    const char* productFolder;
    const char* presetFileExtension;  // ".hrx"
    const char* globalSettingsKey;    // settings 57 and 59
    const char* globalSettingNamePattern;
    const char* sharedSettingsKey;  // clipboard and manual path
    const char* clipboardValueName;
    const char* manualPathValueName;
    // The product code: bytes 4..7 of the state chunk data, in memory order
    // ("NTVH"; a big-endian writer stored "HVTN").
    char productCode[5];
    // Bytes of the state chunk data before the preset manager's bank form.
    int32_t stateChunkPrefixSize;

    // The engine: constructed in place in `engineSize` bytes (a field of a
    // host's render state, which then reaches it through the field's
    // address: the answer is `memory` itself).
    size_t engineSize;
    HRXBaseAudioProcessor* (*constructEngine)(void* memory);
    // The product controller of an instance's controller (owned by it).
    HRXBaseParametersController* (*createController)(HRXMasterController* owner);
};

// Installs the product's descriptor; done once, before anything else of
// the library runs (by the plug-in library's product glue, or a tool's or
// test's start). The descriptor must outlive every use.
void installProduct(const HRXProductDescriptor& descriptor);
// The installed descriptor. Using the library without one is a programming
// error: it stops the program with a message.
const HRXProductDescriptor& product();

// The product's engine in memory of its own, for a binding whose host has no
// render state to place it in. Made and released on the host's main thread.
class HRXOwnedEngine {
public:
    HRXOwnedEngine();
    ~HRXOwnedEngine();
    HRXOwnedEngine(const HRXOwnedEngine&) = delete;
    HRXOwnedEngine& operator=(const HRXOwnedEngine&) = delete;

    HRXBaseAudioProcessor* get() const { return engine_; }
    HRXBaseAudioProcessor* operator->() const { return engine_; }

private:
    void* memory_;
    HRXBaseAudioProcessor* engine_;
};

// The values of factory preset `slot` over the parameter defaults: the
// parameters the preset leaves alone keep their defaults.
void getPresetValues(int32_t slot, double (&values)[kPresetValues]);
// The first factory preset's values: what a new instance and a new control
// start from.
inline void getDefaultPresetValues(double (&values)[kPresetValues]) {
    getPresetValues(0, values);
}
