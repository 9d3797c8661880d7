#pragma once

#include "AAX.h"

class AAX_IString;
class IACFUnknown;

// The instance's parameters object (data model) as the host calls it, on its
// main thread. Made by creation procedure 0; the host deletes it after
// Uninitialize. How this host uses it, in order:
//   Initialize(instance host interface)
//   ResetFieldData for each declared private field (declaration order)
//   GenerateCoefficients (posts the initial packets)
//   ... UpdateParameterNormalizedValue + GenerateCoefficients for each host
//       update; chunk calls; parameter queries ...
//   Uninitialize, delete
class AAX_IEffectParameters {
public:
    virtual ~AAX_IEffectParameters() = default;

    virtual AAX_Result Initialize(IACFUnknown* host) = 0;
    virtual AAX_Result Uninitialize() = 0;
    virtual AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) = 0;

    // Parameter information (identifiers as NUL-terminated strings).
    virtual AAX_Result GetNumberOfParameters(int32_t* count) const = 0;
    virtual AAX_Result GetMasterBypassParameter(AAX_IString* identifier) const = 0;
    virtual AAX_Result GetParameterIsAutomatable(AAX_CParamID id, AAX_CBoolean* automatable) const = 0;
    virtual AAX_Result GetParameterNumberOfSteps(AAX_CParamID id, int32_t* steps) const = 0;
    virtual AAX_Result GetParameterName(AAX_CParamID id, AAX_IString* name) const = 0;
    virtual AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID id, double* value) const = 0;
    virtual AAX_Result GetParameterType(AAX_CParamID id, AAX_EParameterType* type) const = 0;
    virtual AAX_Result GetParameterIndex(AAX_CParamID id, int32_t* index) const = 0;
    virtual AAX_Result GetParameterIDFromIndex(int32_t index, AAX_IString* id) const = 0;
    virtual AAX_Result GetParameterValueFromString(AAX_CParamID id, double* value, const AAX_IString& text) const = 0;
    virtual AAX_Result GetParameterStringFromValue(AAX_CParamID id, double value, AAX_IString* text,
                                                   int32_t maxLength) const = 0;
    virtual AAX_Result GetParameterValueString(AAX_CParamID id, AAX_IString* text, int32_t maxLength) const = 0;
    virtual AAX_Result GetParameterNormalizedValue(AAX_CParamID id, double* value) const = 0;

    // Changes made by the plug-in itself (editor, controller): they go to the
    // host as touch / set-value request / release through the automation
    // delegate, and the host answers with UpdateParameterNormalizedValue.
    virtual AAX_Result SetParameterNormalizedValue(AAX_CParamID id, double value) = 0;
    virtual AAX_Result TouchParameter(AAX_CParamID id) = 0;
    virtual AAX_Result ReleaseParameter(AAX_CParamID id) = 0;

    // Host notifications.
    virtual AAX_Result UpdateParameterTouch(AAX_CParamID id, AAX_CBoolean touched) = 0;
    virtual AAX_Result UpdateParameterNormalizedValue(AAX_CParamID id, double value, AAX_EUpdateSource source) = 0;
    // Posts the packets of changed parameters to their ports.
    virtual AAX_Result GenerateCoefficients() = 0;
    // Initialises a private render-state field of the given declared size.
    virtual AAX_Result ResetFieldData(AAX_CFieldIndex field, void* data, uint32_t size) const = 0;

    // Chunks, addressed by four-character id. The host asks GetChunkSize,
    // allocates AAX_ChunkRecordSize(size) bytes, fills the header (fSize =
    // size, ids) and calls GetChunk; a record whose fSize then exceeds the
    // allocation is refused by the host. SetChunk and CompareActiveChunk get
    // records whose fSize is the number of data bytes really present.
    virtual AAX_Result GetNumberOfChunks(int32_t* count) const = 0;
    virtual AAX_Result GetChunkIDFromIndex(int32_t index, AAX_CTypeID* chunkID) const = 0;
    virtual AAX_Result GetChunkSize(AAX_CTypeID chunkID, uint32_t* size) = 0;
    virtual AAX_Result GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) = 0;
    virtual AAX_Result SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) = 0;
    virtual AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, AAX_CBoolean* isEqual) const = 0;
    // Counter of value changes, for the host's compare indication.
    virtual AAX_Result GetNumberOfChanges(int32_t* changes) const = 0;

    // Optional services.
    virtual AAX_Result TimerWakeup() = 0;
    virtual AAX_Result GetCurveData(AAX_CTypeID curveType, const float* values, uint32_t count,
                                    float* output) const = 0;
};
