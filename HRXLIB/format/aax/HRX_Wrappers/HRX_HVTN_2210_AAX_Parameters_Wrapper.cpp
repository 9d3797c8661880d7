#include "HRX_HVTN_2210_AAX_Parameters_Wrapper.h"

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_Errors.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IString.h"
#include "HRXBaseParametersController.h"
#include "HRXPresetManager.h"
#include "HRX_AAX_AllChunk.h"
#include "HRX_AAX_Identifiers.h"
#include "HRX_AAX_RenderState.h"
#include "HRXProduct.h"
#include "velvaTonParameters.h"

#include <cstring>
#include <new>

namespace {

constexpr int32_t kControlsChunkIndex = 0;
constexpr int32_t kAllChunkIndex = 1;
constexpr int32_t kChunkCount = 2;

// Appended to the gain-reduction display for the host.
constexpr const char* kGainReductionUnit = " dB ";

// Default of a host parameter: the "Default" factory preset for preset
// values, the table's default for the rest.
float hostParameterDefault(int32_t index) {
    if (index < kPresetValues) {
        double presetValues[kPresetValues];
        getDefaultPresetValues(presetValues);
        return static_cast<float>(presetValues[index]);
    }
    return static_cast<float>(getParameterDefault(index));
}

AAX_IParameter* createMasterBypass() {
    auto* bypass = new AAX_CParameter<bool>(
        velvaTonMasterBypass::identifier, velvaTonMasterBypass::name, velvaTonMasterBypass::defaultValue,
        AAX_CBinaryTaperDelegate<bool>(),
        AAX_CBinaryDisplayDelegate<bool>(velvaTonMasterBypass::offText, velvaTonMasterBypass::onText), true);
    bypass->SetNumberOfSteps(velvaTonMasterBypass::steps);
    bypass->SetType(AAX_eParameterType_Discrete);
    return bypass;
}

AAX_IParameter* createSlotParameter(int32_t index) {
    const char* identifier = parameterIdTable[index];
    auto* parameter = new AAX_CParameter<float>(identifier, identifier, hostParameterDefault(index),
                                                AAX_CLinearTaperDelegate<float, 0>(0.0f, 1.0f),
                                                AAX_CNumberDisplayDelegate<float, 2, 0>(), true);
    const int32_t steps = getParameterSteps(index);
    const int32_t coarseSteps = getParameterCoarseSteps(index);
    if (steps == coarseSteps && steps != 0) {
        parameter->SetType(AAX_eParameterType_Discrete);
        parameter->SetNumberOfSteps(static_cast<uint32_t>(steps + 1));
    } else {
        parameter->SetType(AAX_eParameterType_Continuous);
        if (steps > 0)
            parameter->SetNumberOfSteps(static_cast<uint32_t>(steps));
    }
    return parameter;
}

}  // namespace

AAX_IEffectParameters* HRX_HVTN_2210_AAX_Parameters_Wrapper::Create() {
    return new HRX_HVTN_2210_AAX_Parameters_Wrapper();
}

HRX_HVTN_2210_AAX_Parameters_Wrapper::HRX_HVTN_2210_AAX_Parameters_Wrapper() : controller_(this) {
    controller_.attach(product().createController(&controller_));
}

AAX_Result HRX_HVTN_2210_AAX_Parameters_Wrapper::EffectInit() {
    parameterManager_.AddParameter(createMasterBypass());
    for (int32_t index = 0; index < kParameterSlots; ++index) {
        if (getParameterFlags(index) & kFlagHostParameter)
            parameterManager_.AddParameter(createSlotParameter(index));
    }
    packetDispatcher_.RegisterPacket(velvaTonMasterBypass::identifier, kField_MasterBypass);
    for (int32_t slot = 0; slot < kPresetValues; ++slot)
        packetDispatcher_.RegisterPacket(parameterIdTable[slot], kField_FirstParameterPort + slot);
    return AAX_SUCCESS;
}

AAX_Result HRX_HVTN_2210_AAX_Parameters_Wrapper::UpdateParameterNormalizedValue(AAX_CParamID id, double value,
                                                                                AAX_EUpdateSource source) {
    const AAX_Result result = AAX_CEffectParameters::UpdateParameterNormalizedValue(id, value, source);

    // A value the host reports for a parameter that is touched (a gesture in
    // progress, not a chunk or a dependent change) is the answer to an edit:
    // the controller records it.
    if (!id)
        return result;
    const int32_t index = findParameterIndex(id);
    const bool fromGesture =
        source != AAX_eUpdateSource_Parameter && source != AAX_eUpdateSource_Chunk && source != AAX_eUpdateSource_Delay;
    AAX_IAutomationDelegate* automation = AutomationDelegate();
    if (index >= 0 && index < kPresetValues && fromGesture && automation) {
        AAX_CBoolean touched = 0;
        if (automation->GetTouchState(id, &touched) == AAX_SUCCESS && touched)
            controller_.hostEcho(index, value);
    }
    return result;
}

AAX_Result HRX_HVTN_2210_AAX_Parameters_Wrapper::GetParameterStringFromValue(AAX_CParamID id, double value,
                                                                             AAX_IString* text,
                                                                             int32_t maxLength) const {
    const int32_t index = id ? findParameterIndex(id) : -1;
    if (index < 0)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (!text)
        return AAX_ERROR_NULL_OBJECT;
    char display[kParameterDisplaySize + 8] = {};
    getParameterDisplay(index, value, display);
    if (index == kGainReduction)
        std::strncat(display, kGainReductionUnit, sizeof display - std::strlen(display) - 1);
    const size_t length = std::strlen(display);
    const size_t limit = maxLength < 0 ? 0 : static_cast<size_t>(maxLength);
    if (limit < length)
        display[limit] = '\0';
    text->Set(display);
    return AAX_SUCCESS;
}

AAX_Result HRX_HVTN_2210_AAX_Parameters_Wrapper::ResetFieldData(AAX_CFieldIndex field, void* data,
                                                                uint32_t size) const {
    switch (field) {
    case kField_RenderCache:
        if (!data || size != sizeof(HRX_AAX_RenderCache))
            return AAX_ERROR_PORT_ID_OUT_OF_RANGE;
        new (data) HRX_AAX_RenderCache();
        return AAX_SUCCESS;
    case kField_Latency:
        if (!data || size != sizeof(int32_t))
            return AAX_ERROR_PORT_ID_OUT_OF_RANGE;
        *static_cast<int32_t*>(data) = -1;
        return AAX_SUCCESS;
    case kField_EngineSampleRate:
        if (!data || size != sizeof(float))
            return AAX_ERROR_PORT_ID_OUT_OF_RANGE;
        *static_cast<float*>(data) = HRX_AAX_RenderCache::kUnset;
        return AAX_SUCCESS;
    case kField_Engine:
        if (!data || size != product().engineSize)
            return AAX_ERROR_PORT_ID_OUT_OF_RANGE;
        product().constructEngine(data);
        return AAX_SUCCESS;
    default:
        if (data && size > 0)
            std::memset(data, 0, size);
        return AAX_SUCCESS;
    }
}

AAX_Result HRX_HVTN_2210_AAX_Parameters_Wrapper::GetNumberOfChunks(int32_t* count) const {
    if (!count)
        return AAX_ERROR_NULL_OBJECT;
    *count = kChunkCount;
    return AAX_SUCCESS;
}

AAX_Result HRX_HVTN_2210_AAX_Parameters_Wrapper::GetChunkIDFromIndex(int32_t index, AAX_CTypeID* chunkID) const {
    if (!chunkID)
        return AAX_ERROR_NULL_OBJECT;
    switch (index) {
    case kControlsChunkIndex: *chunkID = kHRX_ChunkID_Controls; return AAX_SUCCESS;
    case kAllChunkIndex: *chunkID = kHRX_ChunkID_All; return AAX_SUCCESS;
    default: *chunkID = 0; return AAX_ERROR_INVALID_CHUNK_INDEX;
    }
}

int32_t HRX_HVTN_2210_AAX_Parameters_Wrapper::allChunkBytes(uint8_t** bytes) {
    HRXBaseParametersController* product = controller_.getParametersController();
    *bytes = nullptr;
    const int32_t controllerSize = product ? product->getChunk(bytes) : 0;
    return controllerSize > 0 && *bytes ? controllerSize : 0;
}

AAX_Result HRX_HVTN_2210_AAX_Parameters_Wrapper::GetChunkSize(AAX_CTypeID chunkID, uint32_t* size) {
    if (chunkID != kHRX_ChunkID_All)
        return AAX_CEffectParameters::GetChunkSize(chunkID, size);
    if (!size)
        return AAX_ERROR_NULL_OBJECT;
    uint8_t* bytes = nullptr;
    const int32_t controllerSize = allChunkBytes(&bytes);
    // A state the controller cannot produce is an error, not a chunk of
    // trailer words that no restore would accept.
    *size = controllerSize > 0 ? static_cast<uint32_t>(controllerSize + kHRX_AllChunkTrailerSize) : 0;
    return controllerSize > 0 ? AAX_SUCCESS : AAX_ERROR_INCORRECT_CHUNK_SIZE;
}

AAX_Result HRX_HVTN_2210_AAX_Parameters_Wrapper::GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) {
    if (chunkID != kHRX_ChunkID_All)
        return AAX_CEffectParameters::GetChunk(chunkID, chunk);
    if (!chunk)
        return AAX_ERROR_NULL_OBJECT;
    uint8_t* bytes = nullptr;
    const int32_t controllerSize = allChunkBytes(&bytes);
    const int32_t size = controllerSize + kHRX_AllChunkTrailerSize;
    // The host allocated room for the size it asked before; never write past it.
    if (controllerSize <= 0 || chunk->fSize < size)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    chunk->fSize = size;
    uint8_t* data = reinterpret_cast<uint8_t*>(chunk->fData);
    std::memcpy(data, bytes, static_cast<size_t>(controllerSize));
    for (int32_t word = 0; word < kHRX_AllChunkTrailerSize / 4; ++word) {
        uint8_t* trailer = data + controllerSize + 4 * word;  // little-endian
        trailer[0] = static_cast<uint8_t>(kHRX_AllChunkTrailerWord);
        trailer[1] = static_cast<uint8_t>(kHRX_AllChunkTrailerWord >> 8);
        trailer[2] = static_cast<uint8_t>(kHRX_AllChunkTrailerWord >> 16);
        trailer[3] = static_cast<uint8_t>(kHRX_AllChunkTrailerWord >> 24);
    }
    return AAX_SUCCESS;
}

AAX_Result HRX_HVTN_2210_AAX_Parameters_Wrapper::SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) {
    if (chunkID != kHRX_ChunkID_All)
        return AAX_CEffectParameters::SetChunk(chunkID, chunk);
    if (!chunk)
        return AAX_ERROR_NULL_OBJECT;
    if (chunk->fSize < kHRX_AllChunkMinimumSize)
        return AAX_ERROR_NOT_INITIALIZED;
    const uint8_t* data = reinterpret_cast<const uint8_t*>(chunk->fData);
    // A bank form that claims more than the chunk holds restores nothing.
    HRXPresetManager* manager = controller_.getPresetManager();
    if (manager &&
        HRX_AAX_ClassifyAllChunk(data, chunk->fSize, manager->templateRecord) == HRX_AAX_AllChunkContent::Damaged)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    HRXBaseParametersController* product = controller_.getParametersController();
    if (product)
        product->setChunk(data, chunk->fSize - kHRX_AllChunkTrailerSize, chunk);
    return AAX_SUCCESS;
}

void HRX_HVTN_2210_AAX_Parameters_Wrapper::touchParameter(const char* identifier) {
    TouchParameter(identifier);
}

void HRX_HVTN_2210_AAX_Parameters_Wrapper::setParameterNormalizedValue(const char* identifier, double value) {
    SetParameterNormalizedValue(identifier, value);
}

void HRX_HVTN_2210_AAX_Parameters_Wrapper::releaseParameter(const char* identifier) {
    ReleaseParameter(identifier);
}
