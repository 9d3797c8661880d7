#pragma once

#include <cstdint>

class HRXBaseAudioProcessor;
class HRX_AAX_ControllerWrapper;

// A host parameter as an LV2 control port, in the units the editor shows:
// the port runs linearly from `minimum` (normalised 0) to `maximum`
// (normalised 1). An enumeration takes the whole numbers of that range, one
// per position of the parameter's display.
struct HRX_LV2_Control {
    enum class Kind { Enumeration, Number };

    int32_t slot;       // parameter index
    Kind kind;
    float minimum;
    float maximum;
    const char* unit;   // local name in the LV2 units vocabulary ("db"), or null
};

// Everything the LV2 binding needs to know about the product it carries.
// The binding names no product class: it reaches the product only here.
struct HRX_LV2_Product {
    const char* name;            // doap:name of both plug-ins
    const char* makerName;
    const char* makerHomepage;
    const char* uri;             // base of every URI: plug-ins, UI, presets, state
    const char* dspBinary;       // file names inside the bundle
    const char* uiBinary;
    uint8_t chunkCode[4];        // product code at offset 4 of the state data, as stored

    const HRX_LV2_Control* controls;
    int32_t controlCount;
    int32_t gainReductionSlot;   // the engine's meter output
    int32_t presetSlots;         // factory bank size
    int32_t presetValues;        // values a preset record holds (slots 0..presetValues-1)

    // The engine and the controller of one instance.
    HRXBaseAudioProcessor* (*createEngine)();
    void (*attachProductController)(HRX_AAX_ControllerWrapper& controller);

    // The parameter table and the factory bank.
    void (*parameterName)(int32_t slot, char* text);        // at least 32 bytes
    void (*parameterDisplay)(int32_t slot, double value, char* text);
    const char* (*parameterIdentifier)(int32_t slot);
    int32_t (*findParameter)(const char* identifier);
    // values: presetValues doubles, preset by the caller; name: 24 bytes;
    // category: -1 when the preset stands in none.
    void (*factoryPreset)(int32_t slot, double* values, char* name, int32_t* category);
    const char* (*categoryName)(int32_t category);
};

// The product this library is built for (defined by the product's glue).
const HRX_LV2_Product& HRX_LV2_GetProduct();
