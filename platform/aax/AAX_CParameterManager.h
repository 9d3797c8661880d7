#pragma once

#include <memory>
#include <vector>

#include "AAX.h"

class AAX_IAutomationDelegate;
class AAX_IParameter;

// The parameters of one instance, in the order they were added (the host's
// parameter order). Owns them; registers each with the automation delegate
// given at Initialize (parameters added before Initialize are registered
// then).
class AAX_CParameterManager {
public:
    AAX_CParameterManager();
    ~AAX_CParameterManager();
    AAX_CParameterManager(const AAX_CParameterManager&) = delete;
    AAX_CParameterManager& operator=(const AAX_CParameterManager&) = delete;

    void Initialize(AAX_IAutomationDelegate* delegate);
    int32_t NumParameters() const;

    // Takes ownership. A null parameter answers AAX_ERROR_NULL_OBJECT; one
    // whose identifier is empty or already present is deleted and answers
    // AAX_ERROR_INVALID_PARAMETER_ID.
    AAX_Result AddParameter(AAX_IParameter* parameter);
    void RemoveParameterByID(AAX_CParamID identifier);
    // Unregisters and deletes every parameter.
    void RemoveAllParameters();

    AAX_IParameter* GetParameterByID(AAX_CParamID identifier);
    const AAX_IParameter* GetParameterByID(AAX_CParamID identifier) const;
    AAX_IParameter* GetParameter(int32_t index);
    const AAX_IParameter* GetParameter(int32_t index) const;
    // -1 for an unknown or null identifier.
    int32_t GetParameterIndex(AAX_CParamID identifier) const;

private:
    AAX_IAutomationDelegate* delegate_ = nullptr;
    std::vector<std::unique_ptr<AAX_IParameter>> parameters_;
};
