#pragma once

#include "AAX.h"

class AAX_IPropertyMap;

// Describes one processing variant (component): the render-state fields and
// the render procedure. Implemented and owned by the host.
//
// Every Add* declares the field at the given index (0..kAAX_MaxFieldIndex);
// declaring an index again in the same descriptor replaces the earlier
// declaration, so one descriptor may be filled again for the next variant
// (AAX_IEffectDescriptor::AddComponent copies it). Clear() empties it.
// An index out of range answers AAX_ERROR_INVALID_FIELD_INDEX.
class AAX_IComponentDescriptor {
public:
    virtual AAX_Result Clear() = 0;
    virtual AAX_Result AddAudioIn(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAudioOut(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddSampleRate(AAX_CFieldIndex field) = 0;
    // packetSize 1..256 bytes; the port starts zero-filled.
    virtual AAX_Result AddDataInPort(AAX_CFieldIndex field, uint32_t packetSize,
                                     AAX_EDataInPortType portType = AAX_eDataInPortType_Buffered) = 0;
    // dataSize 1..16 MiB; the host allocates the block (16-byte aligned) and
    // calls AAX_IEffectParameters::ResetFieldData for it before the first
    // render. The block is freed without running any destructor.
    virtual AAX_Result AddPrivateData(AAX_CFieldIndex field, int32_t dataSize,
                                      uint32_t options = AAX_ePrivateDataOptions_DefaultOptions) = 0;
    // The meter taps, one per id in this order (ids are copied).
    virtual AAX_Result AddMeters(AAX_CFieldIndex field, const AAX_CTypeID* meterIDs, uint32_t meterCount) = 0;
    virtual AAX_Result AddMIDINode(AAX_CFieldIndex field, AAX_EMIDINodeType nodeType, const char* name,
                                   uint32_t channelMask) = 0;
    // A new empty property map (host-owned), or null.
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    // The variant's native render procedure with its properties (copied).
    virtual AAX_Result AddProcessProc_Native(AAX_CProcessProc proc, AAX_IPropertyMap* properties) = 0;

protected:
    ~AAX_IComponentDescriptor() = default;
};
