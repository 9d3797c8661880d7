#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "AAX.h"

class AAX_IController;
class AAX_CParameterManager;

// Routes parameter values to render-state data ports. Each registered
// parameter, when marked dirty, is posted to its port by Dispatch as one
// packet of its current value: bool as 32-bit integer 0 or 1, int32_t as
// 32-bit integer, float as 32-bit float, double as 64-bit float.
// AAX_CEffectParameters marks a parameter dirty on every host update and
// dispatches in GenerateCoefficients, which the host calls after updates.
// The dirty marks are guarded by the dispatcher's own mutex.
class AAX_CPacketDispatcher {
public:
    AAX_CPacketDispatcher() = default;
    AAX_CPacketDispatcher(const AAX_CPacketDispatcher&) = delete;
    AAX_CPacketDispatcher& operator=(const AAX_CPacketDispatcher&) = delete;

    void Initialize(AAX_IController* controller, AAX_CParameterManager* parameters);
    // Registers the route and marks it dirty, so the first Dispatch posts the
    // initial value. One parameter may feed several ports.
    AAX_Result RegisterPacket(AAX_CParamID identifier, AAX_CFieldIndex port);
    // Marks (or clears) every route of the parameter; an identifier without a
    // route answers AAX_ERROR_INVALID_PARAMETER_ID.
    AAX_Result SetDirty(AAX_CParamID identifier, bool dirty = true);
    // Posts every dirty route and clears its mark. Answers the first failure
    // (routes whose parameter no longer exists are dropped silently; without
    // a controller nothing is posted and AAX_ERROR_NOT_INITIALIZED answered).
    AAX_Result Dispatch();

private:
    struct Route {
        std::string identifier;
        AAX_CFieldIndex port;
        bool dirty;
    };
    AAX_IController* controller_ = nullptr;
    AAX_CParameterManager* parameters_ = nullptr;
    std::vector<Route> routes_;
    std::mutex mutex_;
};
