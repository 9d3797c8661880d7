#include "AAX_CPacketDispatcher.h"

#include "AAX_CParameterManager.h"
#include "AAX_Errors.h"
#include "AAX_IController.h"
#include "AAX_IParameter.h"

void AAX_CPacketDispatcher::Initialize(AAX_IController* controller, AAX_CParameterManager* parameters) {
    std::lock_guard<std::mutex> lock(mutex_);
    controller_ = controller;
    parameters_ = parameters;
}

AAX_Result AAX_CPacketDispatcher::RegisterPacket(AAX_CParamID identifier, AAX_CFieldIndex port) {
    if (!identifier)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (port < 0 || port > kAAX_MaxFieldIndex)
        return AAX_ERROR_INVALID_FIELD_INDEX;
    std::lock_guard<std::mutex> lock(mutex_);
    routes_.push_back(Route{identifier, port, true});
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::SetDirty(AAX_CParamID identifier, bool dirty) {
    if (!identifier)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    std::lock_guard<std::mutex> lock(mutex_);
    bool found = false;
    for (Route& route : routes_) {
        if (route.identifier == identifier) {
            route.dirty = dirty;
            found = true;
        }
    }
    return found ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CPacketDispatcher::Dispatch() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!controller_ || !parameters_)
        return AAX_ERROR_NOT_INITIALIZED;
    AAX_Result result = AAX_SUCCESS;
    for (Route& route : routes_) {
        if (!route.dirty)
            continue;
        route.dirty = false;
        const AAX_IParameter* parameter = parameters_->GetParameterByID(route.identifier.c_str());
        if (!parameter)
            continue;
        bool boolValue = false;
        int32_t intValue = 0;
        float floatValue = 0.0f;
        double doubleValue = 0.0;
        AAX_Result posted = AAX_SUCCESS;
        if (parameter->GetValueAsBool(&boolValue)) {
            intValue = boolValue ? 1 : 0;
            posted = controller_->PostPacket(route.port, &intValue, sizeof intValue);
        } else if (parameter->GetValueAsInt32(&intValue)) {
            posted = controller_->PostPacket(route.port, &intValue, sizeof intValue);
        } else if (parameter->GetValueAsFloat(&floatValue)) {
            posted = controller_->PostPacket(route.port, &floatValue, sizeof floatValue);
        } else if (parameter->GetValueAsDouble(&doubleValue)) {
            posted = controller_->PostPacket(route.port, &doubleValue, sizeof doubleValue);
        }
        if (posted != AAX_SUCCESS && result == AAX_SUCCESS)
            result = posted;
    }
    return result;
}
