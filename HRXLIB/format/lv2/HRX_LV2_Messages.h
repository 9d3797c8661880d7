#pragma once

#include "HRX_LV2_Product.h"

#include <lv2/atom/forge.h>
#include <lv2/urid/urid.h>

#include <cstdint>
#include <string>

// The URIs of the product's plug-ins, UI, presets and state, all under the
// product's base URI.
std::string HRX_LV2_PluginUri(const HRX_LV2_Product& product, int32_t channels);
std::string HRX_LV2_UiUri(const HRX_LV2_Product& product);
std::string HRX_LV2_StateUri(const HRX_LV2_Product& product);

// The URIDs the plug-in and its UI speak with, mapped once per instance;
// all 0 without a map (a host that offers none has no UI and no state).
struct HRX_LV2_URIDs {
    HRX_LV2_URIDs(const LV2_URID_Map* map, const HRX_LV2_Product& product);

    LV2_URID atomChunk;
    LV2_URID atomObject;
    LV2_URID atomURID;
    LV2_URID atomEventTransfer;
    LV2_URID patchGet;
    LV2_URID patchSet;
    LV2_URID patchProperty;
    LV2_URID patchValue;
    LV2_URID state;  // the instance's state data: the state key and the patch property
};

// The DSP and its UI exchange two messages on their atom ports:
//   patch:Get                                           the UI asks for the state
//   patch:Set { patch:property <state>, patch:value atom:Chunk }   the state data,
//                                                       sent either way
struct HRX_LV2_Message {
    enum class Kind { Other, Request, State };
    Kind kind = Kind::Other;
    const uint8_t* bytes = nullptr;  // State: the data, inside the atom
    uint32_t size = 0;
};

// Reads a message from an atom whose body lies within atom->size: nothing
// outside it is read, and only the atom headers, never the state data.
HRX_LV2_Message HRX_LV2_ReadMessage(const HRX_LV2_URIDs& urids, const LV2_Atom* atom);

// Write a message into the forge's buffer; false when it does not fit.
bool HRX_LV2_WriteRequest(LV2_Atom_Forge& forge, const HRX_LV2_URIDs& urids);
bool HRX_LV2_WriteState(LV2_Atom_Forge& forge, const HRX_LV2_URIDs& urids, const uint8_t* bytes, uint32_t size);
