#include "AAX_CEffectGUI.h"

#include "AAX_CString.h"
#include "AAX_Errors.h"
#include "AAX_IEffectParameters.h"
#include "HRXRunLoop.h"
#include "IACFUnknown.h"

AAX_Result AAX_CEffectGUI::Initialize(IACFUnknown* host) {
    if (!host)
        return AAX_ERROR_NULL_OBJECT;
    controller_ = host->GetController();
    effectParameters_ = host->GetEffectParameters();
    transport_ = host->GetTransport();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Uninitialize() {
    if (viewContainer_)
        SetViewContainer(nullptr);
    controller_ = nullptr;
    effectParameters_ = nullptr;
    transport_ = nullptr;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::NotificationReceived(AAX_CTypeID, const void*, uint32_t) {
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::SetViewContainer(AAX_IViewContainer* container) {
    if (container) {
        viewContainer_ = container;
        CreateViewContainer();
        UpdateAllParameters();
    } else {
        DeleteViewContainer();
        viewContainer_ = nullptr;
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Draw(AAX_Rect*) {
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::TimerWakeup() {
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::ParameterUpdated(AAX_CParamID) {
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Idle() {
    HRXRunLoop::pump();
    return AAX_SUCCESS;
}

void AAX_CEffectGUI::UpdateAllParameters() {
    if (!effectParameters_)
        return;
    int32_t count = 0;
    if (effectParameters_->GetNumberOfParameters(&count) != AAX_SUCCESS)
        return;
    for (int32_t index = 0; index < count; ++index) {
        AAX_CString id;
        if (effectParameters_->GetParameterIDFromIndex(index, &id) == AAX_SUCCESS)
            ParameterUpdated(id.Get());
    }
}
