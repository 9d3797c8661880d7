#pragma once

#include "AAX.h"

// The host's automation system for one instance (implemented by the host;
// main thread). The parameter manager registers every parameter it holds.
//
// A set-value request is answered by the host calling the instance's
// AAX_IEffectParameters::UpdateParameterNormalizedValue with the value and
// AAX_eUpdateSource_Unspecified (AAX_eUpdateSource_Chunk while the host is
// restoring a chunk), followed by GenerateCoefficients. This host answers
// synchronously, inside PostSetValueRequest, so the touch state seen during
// the update is the one of the gesture in progress; a request made from
// within such an update is answered too, up to a nesting depth of 8 (deeper
// ones answer AAX_ERROR_POST_PACKET_FAILED and are dropped).
class AAX_IAutomationDelegate {
public:
    virtual AAX_Result RegisterParameter(AAX_CParamID id) = 0;
    virtual AAX_Result UnregisterParameter(AAX_CParamID id) = 0;
    virtual AAX_Result PostSetValueRequest(AAX_CParamID id, double normalizedValue) = 0;
    virtual AAX_Result PostTouchRequest(AAX_CParamID id) = 0;
    virtual AAX_Result PostReleaseRequest(AAX_CParamID id) = 0;
    // Touched while a touch (by the plug-in or the host's own user interface)
    // has not been released. Unregistered ids answer AAX_ERROR_INVALID_PARAMETER_ID.
    virtual AAX_Result GetTouchState(AAX_CParamID id, AAX_CBoolean* touched) = 0;

protected:
    ~AAX_IAutomationDelegate() = default;
};
