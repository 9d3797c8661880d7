#pragma once

#include "AAX.h"
#include "AAX_GUITypes.h"

// The host's window for a plug-in's editor view (implemented by the host,
// main thread). Valid from SetViewContainer until the host replaces it or
// passes null.
class AAX_IViewContainer {
public:
    // AAX_EViewContainer_Type of the native pointer.
    virtual int32_t GetType() = 0;
    virtual void* GetPtr() = 0;
    // Asks the host to give the view this size (pixels).
    virtual AAX_Result SetViewSize(AAX_Point& size) = 0;
    // A mouse-down on a parameter's control, with AAX_EModifiers bits. 0 when
    // the host handled it (for example by showing its automation menu).
    virtual AAX_Result HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) = 0;

protected:
    ~AAX_IViewContainer() = default;
};
