#pragma once

#include <cstdint>

// A host parameter as an LV2 control port, in the units the editor shows:
// the port runs linearly from `minimum` (normalised 0) to `maximum`
// (normalised 1). An enumeration takes the whole numbers of that range, one
// per position of the parameter's display.
struct HRX_LV2_Control {
    enum class Kind { Enumeration, Number };

    int32_t slot;  // parameter index
    Kind kind;
    float minimum;
    float maximum;
    const char* unit;  // local name in the LV2 units vocabulary ("db"), or null
};

// What the LV2 binding knows of the product beyond the maker's product
// descriptor (HRXProduct.h, which it reaches for the parameter table, the
// factory bank, names, engine and controller): its URIs, the bundle's
// binaries and its host parameters as control ports.
struct HRX_LV2_Product {
    const char* uri;        // base of every URI: plug-ins, UI, presets, state
    const char* dspBinary;  // file names inside the bundle
    const char* uiBinary;
    const HRX_LV2_Control* controls;
    int32_t controlCount;
};

// Installs the product as the maker's library's product (see HRXProduct.h);
// each library's entry point and the Turtle writer call it before anything
// else. Defined by the product's glue, like the facts below.
void HRX_LV2_InstallProduct();
const HRX_LV2_Product& HRX_LV2_GetProduct();
