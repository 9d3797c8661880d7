#pragma once

#include "AAX.h"

class AAX_IComponentDescriptor;
class AAX_IPropertyMap;

// Describes one effect: names, category, variants, creation procedures,
// resources and meters. Implemented and owned by the host; the objects it
// hands out live until the registration call ends.
class AAX_IEffectDescriptor {
public:
    virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;
    // Copies the component's current declarations as one variant. Answers
    // AAX_ERROR_NULL_OBJECT for null.
    virtual AAX_Result AddComponent(AAX_IComponentDescriptor* component) = 0;
    virtual AAX_Result AddName(const char* name) = 0;
    virtual AAX_Result AddCategory(uint32_t category) = 0;
    // proc is a creation procedure cast to void*, see AAX_EProcPtrID.
    virtual AAX_Result AddProcPtr(void* proc, AAX_CProcPtrID procID) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result AddResourceInfo(AAX_EResourceType type, const char* info) = 0;
    // Name and display properties (copied; properties may be null) of a meter
    // that components list in AddMeters.
    virtual AAX_Result AddMeterDescription(AAX_CTypeID meterID, const char* name, AAX_IPropertyMap* properties) = 0;

protected:
    ~AAX_IEffectDescriptor() = default;
};
