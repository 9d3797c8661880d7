#pragma once

#include "AAX_IEffectGUI.h"
#include "CACFUnknown.h"

class AAX_IController;
class AAX_IEffectParameters;
class AAX_ITransport;

// The framework's editor object. Initialize keeps the instance's controller,
// parameters object and transport; a view container from the host makes the
// view (CreateViewContainer) and then pushes every host parameter into it
// (UpdateAllParameters); null removes it (DeleteViewContainer). Idle runs
// the plug-in's share of the user-interface thread (its run loop).
class AAX_CEffectGUI : public AAX_IEffectGUI, public CACFUnknown {
public:
    AAX_CEffectGUI() = default;
    ~AAX_CEffectGUI() override = default;

    AAX_Result Initialize(IACFUnknown* host) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) override;
    AAX_Result SetViewContainer(AAX_IViewContainer* container) override;
    AAX_Result Draw(AAX_Rect* area) override;
    AAX_Result TimerWakeup() override;
    AAX_Result ParameterUpdated(AAX_CParamID id) override;
    AAX_Result Idle() override;

protected:
    virtual void CreateViewContainer() = 0;
    virtual void DeleteViewContainer() = 0;
    // ParameterUpdated for each host parameter, in index order.
    virtual void UpdateAllParameters();

    AAX_IViewContainer* GetViewContainer() const { return viewContainer_; }
    AAX_IEffectParameters* GetEffectParameters() const { return effectParameters_; }
    AAX_IController* GetController() const { return controller_; }
    AAX_ITransport* GetTransport() const { return transport_; }

private:
    AAX_IController* controller_ = nullptr;
    AAX_IEffectParameters* effectParameters_ = nullptr;
    AAX_ITransport* transport_ = nullptr;
    AAX_IViewContainer* viewContainer_ = nullptr;
};
