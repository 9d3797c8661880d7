#pragma once

#include "AAX_CEffectDirectData.h"
#include "HRX_AAX_ControllerWrapper.h"

#include <cstdint>

// The instance's direct-data timer: reports the engine's latency to the host
// and moves the controller's mailbox of internal slots (12..28) into the
// render cache, where the render procedure gives them to the engine. Main
// thread only.
class HRX_AAX_DirectData : public AAX_CEffectDirectData {
public:
    // Creation procedure 5 of the description; the host owns the result.
    static AAX_IEffectDirectData* Create();

    HRX_AAX_DirectData();

protected:
    AAX_Result TimerWakeup_PrivateDataAccess(AAX_IPrivateDataAccess* access) override;

private:
    AAX_Result reportLatency(AAX_IPrivateDataAccess& access);
    AAX_Result deliverMailbox(AAX_IPrivateDataAccess& access, HRX_AAX_ControllerWrapper& controller);

    int32_t latency_ = -1;
    // Mailbox values taken from the controller and not yet in the render
    // cache; -1.0 empty.
    double pending_[HRX_AAX_ControllerWrapper::kSlots];
};
