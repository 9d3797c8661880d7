#pragma once

#include "LV2TestHost.h"

#include <cstdint>
#include <vector>

// State data as a UI sends it, made by the plug-in's own state keeper: a
// named setting with Ratio stored as the factory bank stores it (0.1667,
// position 1 of 6) and Time 0.8, zoom 150 %, auxiliary word 7.
std::vector<uint8_t> customState();
// The port values that agree with customState() (the rest at defaults).
extern const PortSettings kCustomStatePorts;

// The messages between the plug-in and its UI, as atoms.
std::vector<uint8_t> stateMessage(const std::vector<uint8_t>& state);
std::vector<uint8_t> requestMessage();
inline const LV2_Atom* atomOf(const std::vector<uint8_t>& bytes) {
    return reinterpret_cast<const LV2_Atom*>(bytes.data());
}
