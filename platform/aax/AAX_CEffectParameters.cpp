#include "AAX_CEffectParameters.h"

#include <cstring>

#include "AAX_CString.h"
#include "AAX_Errors.h"
#include "AAX_IParameter.h"
#include "AAX_IString.h"
#include "IACFUnknown.h"

namespace {
const char kControlsChunkName[] = "Complete Controls State";
}

AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters() = default;

AAX_Result AAX_CEffectParameters::Initialize(IACFUnknown* host) {
    if (!host)
        return AAX_ERROR_NULL_OBJECT;
    controller_ = host->GetController();
    automationDelegate_ = host->GetAutomationDelegate();
    transport_ = host->GetTransport();
    parameterManager_.Initialize(automationDelegate_);
    packetDispatcher_.Initialize(controller_, &parameterManager_);
    FilterParameterIDOnSave(cDefaultMasterBypassID);
    return EffectInit();
}

AAX_Result AAX_CEffectParameters::Uninitialize() {
    parameterManager_.RemoveAllParameters();
    parameterManager_.Initialize(nullptr);
    packetDispatcher_.Initialize(nullptr, nullptr);
    controller_ = nullptr;
    automationDelegate_ = nullptr;
    transport_ = nullptr;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::EffectInit() {
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::NotificationReceived(AAX_CTypeID, const void*, uint32_t) {
    return AAX_SUCCESS;
}

void AAX_CEffectParameters::FilterParameterIDOnSave(AAX_CParamID id) {
    if (id)
        filteredParameters_.insert(id);
}

bool AAX_CEffectParameters::IsFiltered(AAX_CParamID id) const {
    return filteredParameters_.count(id) != 0;
}

AAX_Result AAX_CEffectParameters::GetNumberOfParameters(int32_t* count) const {
    if (!count)
        return AAX_ERROR_NULL_OBJECT;
    *count = parameterManager_.NumParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetMasterBypassParameter(AAX_IString* identifier) const {
    if (!identifier)
        return AAX_ERROR_NULL_OBJECT;
    identifier->Set(cDefaultMasterBypassID);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIsAutomatable(AAX_CParamID id, AAX_CBoolean* automatable) const {
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (!automatable)
        return AAX_ERROR_NULL_OBJECT;
    *automatable = parameter->Automatable() ? 1 : 0;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterNumberOfSteps(AAX_CParamID id, int32_t* steps) const {
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (!steps)
        return AAX_ERROR_NULL_OBJECT;
    *steps = static_cast<int32_t>(parameter->GetNumberOfSteps());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterName(AAX_CParamID id, AAX_IString* name) const {
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (!name)
        return AAX_ERROR_NULL_OBJECT;
    name->Set(parameter->Name().Get());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterDefaultNormalizedValue(AAX_CParamID id, double* value) const {
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (!value)
        return AAX_ERROR_NULL_OBJECT;
    *value = parameter->GetNormalizedDefaultValue();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterType(AAX_CParamID id, AAX_EParameterType* type) const {
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (!type)
        return AAX_ERROR_NULL_OBJECT;
    *type = parameter->GetType();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIndex(AAX_CParamID id, int32_t* index) const {
    if (!index)
        return AAX_ERROR_NULL_OBJECT;
    *index = parameterManager_.GetParameterIndex(id);
    return *index < 0 ? AAX_ERROR_INVALID_PARAMETER_ID : AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIDFromIndex(int32_t index, AAX_IString* id) const {
    const AAX_IParameter* parameter = parameterManager_.GetParameter(index);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_INDEX;
    if (!id)
        return AAX_ERROR_NULL_OBJECT;
    id->Set(parameter->Identifier());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterValueFromString(AAX_CParamID id, double* value,
                                                              const AAX_IString& text) const {
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (!value)
        return AAX_ERROR_NULL_OBJECT;
    return parameter->GetNormalizedValueFromString(AAX_CString(text.Get()), value)
               ? AAX_SUCCESS
               : AAX_ERROR_INVALID_STRING_CONVERSION;
}

AAX_Result AAX_CEffectParameters::GetParameterStringFromValue(AAX_CParamID id, double value, AAX_IString* text,
                                                              int32_t maxLength) const {
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (!text)
        return AAX_ERROR_NULL_OBJECT;
    AAX_CString result;
    if (!parameter->GetStringFromNormalizedValue(value, maxLength, result)) {
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    }
    text->Set(result.Get());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterValueString(AAX_CParamID id, AAX_IString* text, int32_t maxLength) const {
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    return GetParameterStringFromValue(id, parameter->GetNormalizedValue(), text, maxLength);
}

AAX_Result AAX_CEffectParameters::GetParameterNormalizedValue(AAX_CParamID id, double* value) const {
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (!value)
        return AAX_ERROR_NULL_OBJECT;
    *value = parameter->GetNormalizedValue();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedValue(AAX_CParamID id, double value) {
    AAX_IParameter* parameter = parameterManager_.GetParameterByID(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->SetNormalizedValue(value);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::TouchParameter(AAX_CParamID id) {
    AAX_IParameter* parameter = parameterManager_.GetParameterByID(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->Touch();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::ReleaseParameter(AAX_CParamID id) {
    AAX_IParameter* parameter = parameterManager_.GetParameterByID(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->Release();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateParameterTouch(AAX_CParamID, AAX_CBoolean) {
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedValue(AAX_CParamID id, double value, AAX_EUpdateSource) {
    AAX_IParameter* parameter = parameterManager_.GetParameterByID(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    const double previous = parameter->GetNormalizedValue();
    parameter->UpdateNormalizedValue(value);
    packetDispatcher_.SetDirty(id);
    if (parameter->GetNormalizedValue() != previous)
        ++numPlugInChanges_;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GenerateCoefficients() {
    return packetDispatcher_.Dispatch();
}

AAX_Result AAX_CEffectParameters::ResetFieldData(AAX_CFieldIndex, void* data, uint32_t size) const {
    if (data && size > 0)
        std::memset(data, 0, size);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfChunks(int32_t* count) const {
    if (!count)
        return AAX_ERROR_NULL_OBJECT;
    *count = 1;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkIDFromIndex(int32_t index, AAX_CTypeID* chunkID) const {
    if (!chunkID)
        return AAX_ERROR_NULL_OBJECT;
    if (index != 0) {
        *chunkID = 0;
        return AAX_ERROR_INVALID_CHUNK_INDEX;
    }
    *chunkID = kAAX_ControlsChunkID;
    return AAX_SUCCESS;
}

void AAX_CEffectParameters::BuildChunkData() {
    chunkParser_.Clear();
    for (int32_t i = 0; i < parameterManager_.NumParameters(); ++i) {
        const AAX_IParameter* parameter = parameterManager_.GetParameter(i);
        if (IsFiltered(parameter->Identifier()))
            continue;
        chunkParser_.AddDouble(parameter->Identifier(), parameter->GetNormalizedValue());
    }
}

AAX_Result AAX_CEffectParameters::GetChunkSize(AAX_CTypeID chunkID, uint32_t* size) {
    if (!size)
        return AAX_ERROR_NULL_OBJECT;
    if (chunkID != kAAX_ControlsChunkID) {
        *size = 0;
        return AAX_ERROR_INVALID_CHUNK_ID;
    }
    BuildChunkData();
    const int32_t dataSize = chunkParser_.GetChunkDataSize();
    if (dataSize < 0)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    chunkSize_ = static_cast<uint32_t>(dataSize);
    *size = chunkSize_;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) {
    if (!chunk)
        return AAX_ERROR_NULL_OBJECT;
    if (chunkID != kAAX_ControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    BuildChunkData();
    const int32_t dataSize = chunkParser_.GetChunkDataSize();
    if (dataSize <= 0 || static_cast<uint32_t>(dataSize) != chunkSize_)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    // The record holds the size the host asked for; never write past it.
    if (chunk->fSize < dataSize)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    chunk->fVersion = chunkParser_.GetChunkVersion();
    std::memset(chunk->fName, 0, sizeof chunk->fName);
    std::strncpy(chunk->fName, kControlsChunkName, sizeof chunk->fName - 1);
    return chunkParser_.GetChunkData(chunk);
}

AAX_Result AAX_CEffectParameters::SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) {
    if (!chunk)
        return AAX_ERROR_NULL_OBJECT;
    if (chunkID != kAAX_ControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    const AAX_Result loaded = chunkParser_.LoadChunk(chunk);
    if (loaded != AAX_SUCCESS)
        return loaded;
    for (int32_t i = 0; i < parameterManager_.NumParameters(); ++i) {
        const AAX_IParameter* parameter = parameterManager_.GetParameter(i);
        const char* id = parameter->Identifier();
        double value = 0.0;
        if (IsFiltered(id) || !chunkParser_.FindDouble(id, &value))
            continue;
        SetParameterNormalizedValue(id, value);
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::CompareActiveChunk(const AAX_SPlugInChunk* chunk, AAX_CBoolean* isEqual) const {
    if (!chunk || !isEqual)
        return AAX_ERROR_NULL_OBJECT;
    *isEqual = 1;
    if (chunk->fChunkID != kAAX_ControlsChunkID)
        return AAX_SUCCESS;
    AAX_CChunkDataParser stored;
    if (stored.LoadChunk(chunk) != AAX_SUCCESS) {
        *isEqual = 0;
        return AAX_SUCCESS;
    }
    for (int32_t i = 0; i < parameterManager_.NumParameters(); ++i) {
        const AAX_IParameter* parameter = parameterManager_.GetParameter(i);
        const char* id = parameter->Identifier();
        if (IsFiltered(id))
            continue;
        double value = 0.0;
        if (!stored.FindDouble(id, &value) || value != parameter->GetNormalizedValue()) {
            *isEqual = 0;
            break;
        }
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfChanges(int32_t* changes) const {
    if (!changes)
        return AAX_ERROR_NULL_OBJECT;
    *changes = numPlugInChanges_;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::TimerWakeup() {
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetCurveData(AAX_CTypeID, const float*, uint32_t, float*) const {
    return AAX_ERROR_UNIMPLEMENTED;
}
