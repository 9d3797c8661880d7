#include "AAX_CEffectDirectData.h"

#include "AAX_Errors.h"
#include "IACFUnknown.h"

AAX_Result AAX_CEffectDirectData::Initialize(IACFUnknown* host) {
    if (!host)
        return AAX_ERROR_NULL_OBJECT;
    controller_ = host->GetController();
    effectParameters_ = host->GetEffectParameters();
    return Initialize_PrivateDataAccess();
}

AAX_Result AAX_CEffectDirectData::Uninitialize() {
    controller_ = nullptr;
    effectParameters_ = nullptr;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectDirectData::TimerWakeup(AAX_IPrivateDataAccess* access) {
    if (!access)
        return AAX_ERROR_NULL_OBJECT;
    return TimerWakeup_PrivateDataAccess(access);
}

AAX_Result AAX_CEffectDirectData::NotificationReceived(AAX_CTypeID, const void*, uint32_t) {
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectDirectData::Initialize_PrivateDataAccess() {
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectDirectData::TimerWakeup_PrivateDataAccess(AAX_IPrivateDataAccess*) {
    return AAX_SUCCESS;
}
