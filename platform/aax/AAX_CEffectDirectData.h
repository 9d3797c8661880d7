#pragma once

#include "AAX_IEffectDirectData.h"
#include "CACFUnknown.h"

class AAX_IController;
class AAX_IEffectParameters;

// The framework's direct-data object. Initialize keeps the instance's
// controller and parameters object (null when the host has none) and then
// answers Initialize_PrivateDataAccess(); TimerWakeup forwards a non-null
// access to TimerWakeup_PrivateDataAccess (null: AAX_ERROR_NULL_OBJECT).
class AAX_CEffectDirectData : public AAX_IEffectDirectData, public CACFUnknown {
public:
    AAX_CEffectDirectData() = default;
    ~AAX_CEffectDirectData() override = default;

    AAX_Result Initialize(IACFUnknown* host) override;
    AAX_Result Uninitialize() override;
    AAX_Result TimerWakeup(AAX_IPrivateDataAccess* access) override;
    AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) override;

protected:
    virtual AAX_Result Initialize_PrivateDataAccess();                                 // base: success
    virtual AAX_Result TimerWakeup_PrivateDataAccess(AAX_IPrivateDataAccess* access);  // base: success

    AAX_IController* Controller() const { return controller_; }
    // The instance's parameters object (created by the same library).
    AAX_IEffectParameters* EffectParameters() const { return effectParameters_; }

private:
    AAX_IController* controller_ = nullptr;
    AAX_IEffectParameters* effectParameters_ = nullptr;
};
