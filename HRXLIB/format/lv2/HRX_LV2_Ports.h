#pragma once

#include "HRX_LV2_Product.h"

#include <cstdint>

// Port indices of both plug-ins. The controls come first, in the same places
// for mono and stereo, so that one UI serves both; the audio ports last.
struct HRX_LV2_Ports {
    HRX_LV2_Ports(int32_t controlCount, int32_t channelCount)
        : controls(static_cast<uint32_t>(controlCount)), channels(static_cast<uint32_t>(channelCount)) {}

    uint32_t control(int32_t i) const { return static_cast<uint32_t>(i); }
    uint32_t enabled() const { return controls; }  // lv2:enabled: 1 processes, 0 bypasses
    uint32_t inputPeak() const { return controls + 1; }
    uint32_t outputPeak() const { return controls + 2; }
    uint32_t gainReduction() const { return controls + 3; }
    uint32_t controlIn() const { return controls + 4; }  // messages from the UI
    uint32_t notify() const { return controls + 5; }     // messages to the UI
    uint32_t audioIn(uint32_t channel) const { return controls + 6 + channel; }
    uint32_t audioOut(uint32_t channel) const { return controls + 6 + channels + channel; }
    uint32_t count() const { return controls + 6 + 2 * channels; }

    uint32_t controls;
    uint32_t channels;
};

// The normalised value a control's port value stands for, as the 32-bit
// float that the AAX host parameter would carry: the port value is clamped
// to its range (an enumeration's to the nearest position) and mapped
// linearly. NaN gives NaN.
float HRX_LV2_Normalised(const HRX_LV2_Control& control, float portValue);

// The port value for a normalised value (clamped to 0..1): an enumeration's
// position as the display rounds it; a number chosen so that
// HRX_LV2_Normalised gives back the value as a 32-bit float exactly, which
// every display step and every stored preset value can.
float HRX_LV2_PortValue(const HRX_LV2_Control& control, double normalised);

// The control of a parameter slot; -1 for a slot without a port.
int32_t HRX_LV2_ControlOfSlot(const HRX_LV2_Product& product, int32_t slot);
