#pragma once

#include "HRXProduct.h"
#include "HRX_LV2_Messages.h"
#include "HRX_LV2_Ports.h"
#include "HRX_LV2_Product.h"
#include "HRX_LV2_StateKeeper.h"
#include "HRX_LV2_StateMailbox.h"

#include <lv2/atom/atom.h>
#include <lv2/state/state.h>

#include <atomic>
#include <memory>
#include <mutex>

class HRXBaseAudioProcessor;

// One instance of the plug-in as an LV2 host sees it. run() is the render
// procedure: at block start it gives the engine each control whose value
// changed (as the 32-bit float the AAX host parameter would carry), runs
// the engine or its bypass, and writes the meters. It answers the UI's
// messages: a request gets the state data on the notify port, state data
// from the UI is kept for the next save. The audio thread never parses,
// allocates or locks; the state data is read only by save() and restore().
class HRX_LV2_Plugin {
public:
    // Without a map (a host with neither UI nor state) the message ports are
    // never read or written and the state cannot be saved.
    HRX_LV2_Plugin(const HRX_LV2_Product& product, int32_t channels, double sampleRate, const LV2_URID_Map* map);
    ~HRX_LV2_Plugin();
    HRX_LV2_Plugin(const HRX_LV2_Plugin&) = delete;
    HRX_LV2_Plugin& operator=(const HRX_LV2_Plugin&) = delete;

    void connectPort(uint32_t port, void* data);
    void activate();
    void run(uint32_t frames);

    // The state extension: the instance's state data under one key.
    LV2_State_Status save(LV2_State_Store_Function store, LV2_State_Handle handle);
    LV2_State_Status restore(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle);

private:
    static constexpr int32_t kMaxControls = 16;

    void readMessages();
    void deliverControls();
    void writeMeters(const float* output, uint32_t frames, float inputPeak);
    void writeNotifications();
    // The keeper's data becomes what the UI is sent.
    void takeKeeperData();

    const HRX_LV2_Product& product_;
    const HRX_LV2_Ports ports_;
    const HRX_LV2_URIDs urids_;
    const bool messaging_;
    HRXOwnedEngine engine_;

    // Ports.
    const float* controls_[kMaxControls] = {};
    const float* enabled_ = nullptr;
    float* inputPeak_ = nullptr;
    float* outputPeak_ = nullptr;
    float* gainReduction_ = nullptr;
    const LV2_Atom_Sequence* controlIn_ = nullptr;
    LV2_Atom_Sequence* notify_ = nullptr;
    float* audioIn_[2] = {};
    float* audioOut_[2] = {};

    // Audio thread.
    float delivered_[kMaxControls];  // normalised values the engine has; NaN: none yet
    bool activated_ = false;
    bool sendState_ = false;
    uint32_t uiDataSize_ = 0;  // the state data the UI is sent on request
    uint8_t uiData_[HRX_LV2_StateMailbox::kCapacity];
    LV2_Atom_Forge forge_;

    // Between the audio thread and save(): each control's value as the
    // engine last got it (NaN: not heard since the last restore), and the
    // state data the UI sent.
    std::atomic<float> heard_[kMaxControls];
    HRX_LV2_StateMailbox fromUi_;

    // save() and restore() only.
    std::mutex stateLock_;
    HRX_LV2_StateKeeper keeper_;
};
