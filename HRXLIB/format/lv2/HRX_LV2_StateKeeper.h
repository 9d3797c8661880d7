#pragma once

#include "HRXMasterHostParameters.h"
#include "HRX_AAX_ControllerWrapper.h"
#include "HRX_LV2_Product.h"

#include <cstddef>
#include <cstdint>

// The instance's state on the plug-in's side, away from the audio thread:
// a controller with the product controller and the preset manager, as the
// AAX parameters object holds them, but with no host parameters to send
// values to (the host's ports carry them to the engine). It holds the state
// data a session saves: what was restored or last sent by the UI, with the
// active setup following the ports, so that automation without an editor
// is saved too. Not thread-safe: its owner serialises the calls.
class HRX_LV2_StateKeeper : private HRXMasterHostParameters {
public:
    explicit HRX_LV2_StateKeeper(const HRX_LV2_Product& product);
    HRX_LV2_StateKeeper(const HRX_LV2_StateKeeper&) = delete;
    HRX_LV2_StateKeeper& operator=(const HRX_LV2_StateKeeper&) = delete;

    // Restores state data; false, with nothing changed, for data that is
    // damaged or another product's.
    bool restore(const uint8_t* data, size_t size);
    // Sets the active setup's values to what the engine got from the ports
    // (one normalised value per control, NaN for a port not heard since the
    // last restore), where the stored value does not already give the
    // engine that value through its port: a stored 0.1667 stays for a port
    // that carries the position 1 of 6.
    void followPorts(const float* engineValues);
    // The state data, valid until the next call; null and 0 when the
    // controller produces none.
    const uint8_t* data(uint32_t* size);

    HRX_AAX_ControllerWrapper& getController() { return controller_; }

private:
    void touchParameter(const char*) override {}
    void setParameterNormalizedValue(const char*, double) override {}
    void releaseParameter(const char*) override {}

    const HRX_LV2_Product& product_;
    HRX_AAX_ControllerWrapper controller_;
};
