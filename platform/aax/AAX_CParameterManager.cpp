#include "AAX_CParameterManager.h"

#include <cstring>

#include "AAX_Errors.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IParameter.h"

AAX_CParameterManager::AAX_CParameterManager() = default;

// Destruction talks to no host: the delegate may be gone by then.
AAX_CParameterManager::~AAX_CParameterManager() = default;

void AAX_CParameterManager::Initialize(AAX_IAutomationDelegate* delegate) {
    delegate_ = delegate;
    for (auto& parameter : parameters_) {
        parameter->SetAutomationDelegate(delegate_);
        if (delegate_)
            delegate_->RegisterParameter(parameter->Identifier());
    }
}

int32_t AAX_CParameterManager::NumParameters() const {
    return static_cast<int32_t>(parameters_.size());
}

AAX_Result AAX_CParameterManager::AddParameter(AAX_IParameter* parameter) {
    if (!parameter)
        return AAX_ERROR_NULL_OBJECT;
    std::unique_ptr<AAX_IParameter> owned(parameter);
    const char* identifier = parameter->Identifier();
    if (!identifier || identifier[0] == '\0' || GetParameterIndex(identifier) >= 0) {
        return AAX_ERROR_INVALID_PARAMETER_ID;
    }
    parameter->SetAutomationDelegate(delegate_);
    if (delegate_)
        delegate_->RegisterParameter(identifier);
    parameters_.push_back(std::move(owned));
    return AAX_SUCCESS;
}

void AAX_CParameterManager::RemoveParameterByID(AAX_CParamID identifier) {
    const int32_t index = GetParameterIndex(identifier);
    if (index < 0)
        return;
    if (delegate_)
        delegate_->UnregisterParameter(parameters_[static_cast<size_t>(index)]->Identifier());
    parameters_.erase(parameters_.begin() + index);
}

void AAX_CParameterManager::RemoveAllParameters() {
    if (delegate_) {
        for (auto& parameter : parameters_)
            delegate_->UnregisterParameter(parameter->Identifier());
    }
    parameters_.clear();
}

AAX_IParameter* AAX_CParameterManager::GetParameterByID(AAX_CParamID identifier) {
    return GetParameter(GetParameterIndex(identifier));
}

const AAX_IParameter* AAX_CParameterManager::GetParameterByID(AAX_CParamID identifier) const {
    return GetParameter(GetParameterIndex(identifier));
}

AAX_IParameter* AAX_CParameterManager::GetParameter(int32_t index) {
    if (index < 0 || index >= NumParameters())
        return nullptr;
    return parameters_[static_cast<size_t>(index)].get();
}

const AAX_IParameter* AAX_CParameterManager::GetParameter(int32_t index) const {
    if (index < 0 || index >= NumParameters())
        return nullptr;
    return parameters_[static_cast<size_t>(index)].get();
}

int32_t AAX_CParameterManager::GetParameterIndex(AAX_CParamID identifier) const {
    if (!identifier)
        return -1;
    for (size_t i = 0; i < parameters_.size(); ++i) {
        if (std::strcmp(parameters_[i]->Identifier(), identifier) == 0)
            return static_cast<int32_t>(i);
    }
    return -1;
}
