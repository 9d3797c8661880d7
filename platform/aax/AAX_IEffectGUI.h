#pragma once

#include "AAX.h"
#include "AAX_GUITypes.h"

class AAX_IViewContainer;
class IACFUnknown;

// The instance's editor object as the host calls it, on its main thread.
// Made by creation procedure 1 when the host shows the plug-in's window; the
// host deletes it after Uninitialize, before the instance's parameters
// object. In order:
//   Initialize(instance host interface)
//   SetViewContainer(container) ... the view lives in the host's window;
//       meanwhile TimerWakeup at the host's rate, ParameterUpdated after each
//       parameter change the host delivered, Idle from the host's idle
//   SetViewContainer(null) when the window closes (it may open again)
//   Uninitialize, delete
class AAX_IEffectGUI {
public:
    virtual ~AAX_IEffectGUI() = default;

    virtual AAX_Result Initialize(IACFUnknown* host) = 0;
    virtual AAX_Result Uninitialize() = 0;
    virtual AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) = 0;
    // Null removes the view from the host's window.
    virtual AAX_Result SetViewContainer(AAX_IViewContainer* container) = 0;
    virtual AAX_Result GetViewSize(AAX_Point* size) const = 0;
    virtual AAX_Result Draw(AAX_Rect* area) = 0;
    virtual AAX_Result TimerWakeup() = 0;
    virtual AAX_Result ParameterUpdated(AAX_CParamID id) = 0;
    // On Windows the plug-in's windows and timers run from the message loop
    // it shares with the host. Here each connection to the window system is
    // the plug-in's own, so the host lends its main thread instead: it calls
    // Idle often (every few milliseconds while the view is shown), and the
    // plug-in handles its pending window events and due timers without
    // waiting for anything.
    virtual AAX_Result Idle() = 0;
};
