#pragma once

#include "AAX.h"

class AAX_IPrivateDataAccess;
class IACFUnknown;

// The instance's direct-data object as the host calls it, on its main thread.
// Made by creation procedure 5 after the parameters object is initialised and
// its private fields reset; the host deletes it after Uninitialize, before
// the parameters object. TimerWakeup comes on the host's timer cadence (this
// host: before the first render call and then whenever 20 ms of audio have
// been rendered since the last wake-up, and whenever the host is asked to),
// also while the render procedure runs on the real-time thread: its
// private-data writes reach the render state between two render calls.
class AAX_IEffectDirectData {
public:
    virtual ~AAX_IEffectDirectData() = default;
    virtual AAX_Result Initialize(IACFUnknown* host) = 0;
    virtual AAX_Result Uninitialize() = 0;
    // access is valid during the call only.
    virtual AAX_Result TimerWakeup(AAX_IPrivateDataAccess* access) = 0;
    virtual AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) = 0;
};
