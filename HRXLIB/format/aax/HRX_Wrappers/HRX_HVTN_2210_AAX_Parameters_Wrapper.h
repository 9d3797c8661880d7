#pragma once

#include "AAX_CEffectParameters.h"
#include "HRXMasterHostParameters.h"
#include "HRX_AAX_ControllerWrapper.h"

// The host-facing parameters object of one instance: creates the eight host
// parameters and their packet routes, passes host updates of touched
// parameters back to the controller (the host echo), answers display
// queries, initialises the render state's private fields and stores and
// restores the chunks 'elck' (the framework's, host parameters only) and
// 'All ' (the whole instance). It contains the instance's controller and is
// the host-parameters object through which the controller's edits reach the
// host. Main thread only.
class HRX_HVTN_2210_AAX_Parameters_Wrapper : public AAX_CEffectParameters, public HRXMasterHostParameters {
public:
    // Creation procedure 0 of the description; the host owns the result.
    static AAX_IEffectParameters* Create();

    HRX_HVTN_2210_AAX_Parameters_Wrapper();
    ~HRX_HVTN_2210_AAX_Parameters_Wrapper() override = default;
    HRX_HVTN_2210_AAX_Parameters_Wrapper(const HRX_HVTN_2210_AAX_Parameters_Wrapper&) = delete;
    HRX_HVTN_2210_AAX_Parameters_Wrapper& operator=(const HRX_HVTN_2210_AAX_Parameters_Wrapper&) = delete;

    AAX_Result UpdateParameterNormalizedValue(AAX_CParamID id, double value, AAX_EUpdateSource source) override;
    AAX_Result GetParameterStringFromValue(AAX_CParamID id, double value, AAX_IString* text,
                                           int32_t maxLength) const override;
    AAX_Result ResetFieldData(AAX_CFieldIndex field, void* data, uint32_t size) const override;

    AAX_Result GetNumberOfChunks(int32_t* count) const override;
    AAX_Result GetChunkIDFromIndex(int32_t index, AAX_CTypeID* chunkID) const override;
    AAX_Result GetChunkSize(AAX_CTypeID chunkID, uint32_t* size) override;
    AAX_Result GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) override;
    AAX_Result SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) override;

    // HRXMasterHostParameters: the controller's edits as host gestures.
    void touchParameter(const char* identifier) override;
    void setParameterNormalizedValue(const char* identifier, double value) override;
    void releaseParameter(const char* identifier) override;

    HRX_AAX_ControllerWrapper& getController() { return controller_; }

protected:
    AAX_Result EffectInit() override;

private:
    // The controller's part of the 'All ' chunk data (the trailer follows it):
    // its size, 0 when the controller produced none.
    int32_t allChunkBytes(uint8_t** bytes);

    HRX_AAX_ControllerWrapper controller_;
};
