#pragma once

#include <set>
#include <string>

#include "AAX_CChunkDataParser.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_FourCC.h"
#include "AAX_CParameterManager.h"
#include "AAX_IEffectParameters.h"
#include "CACFUnknown.h"

class AAX_IController;
class AAX_IAutomationDelegate;
class AAX_ITransport;

// Four-character id of the framework's own chunk ("Complete Controls State").
constexpr AAX_CTypeID kAAX_ControlsChunkID = AAX_FourCC("elck");

// The framework's parameters object. A plug-in derives from it, creates its
// parameters and packet routes in EffectInit, and overrides what it needs.
// Behaviour of the base:
// - Initialize: keeps the instance's controller, automation delegate and
//   transport, hands the delegate to the parameter manager and the controller
//   to the packet dispatcher, excludes cDefaultMasterBypassID from the
//   controls chunk, then answers EffectInit().
// - Parameter queries answer from the parameter manager;
//   AAX_ERROR_INVALID_PARAMETER_ID for unknown identifiers, AAX_ERROR_NULL_OBJECT
//   for null out pointers. GetMasterBypassParameter answers "MasterBypassID".
// - UpdateParameterNormalizedValue: sets the value without calling the host,
//   marks its packet dirty and counts a change when the value differs.
// - GenerateCoefficients: dispatches the dirty packets.
// - ResetFieldData: zero-fills the field.
// - Chunks: one chunk, kAAX_ControlsChunkID, holding the normalised value of
//   every parameter not excluded, by identifier (AddDouble). GetChunkSize
//   remembers the size; GetChunk answers AAX_ERROR_INCORRECT_CHUNK_SIZE when the
//   data size changed since, is 0 or exceeds the record's fSize, else writes
//   version, the name "Complete Controls State" and the data. SetChunk requests each value found through
//   SetParameterNormalizedValue. CompareActiveChunk: any other chunk id is
//   equal; the controls chunk is equal when every non-excluded parameter is
//   present with exactly the current normalised value.
// - Unknown chunk index: id 0 and AAX_ERROR_INVALID_CHUNK_INDEX; unknown id:
//   size 0 and AAX_ERROR_INVALID_CHUNK_ID.
// - TimerWakeup, NotificationReceived, UpdateParameterTouch: success;
//   GetCurveData: AAX_ERROR_UNIMPLEMENTED.
class AAX_CEffectParameters : public AAX_IEffectParameters, public CACFUnknown {
public:
    AAX_CEffectParameters();
    ~AAX_CEffectParameters() override;

    AAX_Result Initialize(IACFUnknown* host) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) override;

    AAX_Result GetNumberOfParameters(int32_t* count) const override;
    AAX_Result GetMasterBypassParameter(AAX_IString* identifier) const override;
    AAX_Result GetParameterIsAutomatable(AAX_CParamID id, AAX_CBoolean* automatable) const override;
    AAX_Result GetParameterNumberOfSteps(AAX_CParamID id, int32_t* steps) const override;
    AAX_Result GetParameterName(AAX_CParamID id, AAX_IString* name) const override;
    AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID id, double* value) const override;
    AAX_Result GetParameterType(AAX_CParamID id, AAX_EParameterType* type) const override;
    AAX_Result GetParameterIndex(AAX_CParamID id, int32_t* index) const override;
    AAX_Result GetParameterIDFromIndex(int32_t index, AAX_IString* id) const override;
    AAX_Result GetParameterValueFromString(AAX_CParamID id, double* value, const AAX_IString& text) const override;
    AAX_Result GetParameterStringFromValue(AAX_CParamID id, double value, AAX_IString* text,
                                           int32_t maxLength) const override;
    AAX_Result GetParameterValueString(AAX_CParamID id, AAX_IString* text, int32_t maxLength) const override;
    AAX_Result GetParameterNormalizedValue(AAX_CParamID id, double* value) const override;
    AAX_Result SetParameterNormalizedValue(AAX_CParamID id, double value) override;
    AAX_Result TouchParameter(AAX_CParamID id) override;
    AAX_Result ReleaseParameter(AAX_CParamID id) override;
    AAX_Result UpdateParameterTouch(AAX_CParamID id, AAX_CBoolean touched) override;
    AAX_Result UpdateParameterNormalizedValue(AAX_CParamID id, double value, AAX_EUpdateSource source) override;
    AAX_Result GenerateCoefficients() override;
    AAX_Result ResetFieldData(AAX_CFieldIndex field, void* data, uint32_t size) const override;

    AAX_Result GetNumberOfChunks(int32_t* count) const override;
    AAX_Result GetChunkIDFromIndex(int32_t index, AAX_CTypeID* chunkID) const override;
    AAX_Result GetChunkSize(AAX_CTypeID chunkID, uint32_t* size) override;
    AAX_Result GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) override;
    AAX_Result SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) override;
    AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, AAX_CBoolean* isEqual) const override;
    AAX_Result GetNumberOfChanges(int32_t* changes) const override;

    AAX_Result TimerWakeup() override;
    AAX_Result GetCurveData(AAX_CTypeID curveType, const float* values, uint32_t count, float* output) const override;

protected:
    // Creates the parameters (parameterManager_.AddParameter) and the packet
    // routes (packetDispatcher_.RegisterPacket). The base answers success.
    virtual AAX_Result EffectInit();
    // Keeps the parameter out of the controls chunk (save, restore, compare).
    void FilterParameterIDOnSave(AAX_CParamID id);
    // Fills chunkParser_ with the controls chunk content.
    void BuildChunkData();

    // Host objects of this instance; null before Initialize and after
    // Uninitialize (and when the host offers none).
    AAX_IController* Controller() const { return controller_; }
    AAX_IAutomationDelegate* AutomationDelegate() const { return automationDelegate_; }
    AAX_ITransport* Transport() const { return transport_; }

    AAX_CParameterManager parameterManager_;
    AAX_CPacketDispatcher packetDispatcher_;
    AAX_CChunkDataParser chunkParser_;
    int32_t numPlugInChanges_ = 0;
    uint32_t chunkSize_ = 0;

private:
    bool IsFiltered(AAX_CParamID id) const;

    AAX_IController* controller_ = nullptr;
    AAX_IAutomationDelegate* automationDelegate_ = nullptr;
    AAX_ITransport* transport_ = nullptr;
    std::set<std::string> filteredParameters_;
};
