#pragma once

#include "AAX.h"
#include "IACFUnknown.h"

class AAX_IEffectDescriptor;
class AAX_IPropertyMap;

// The whole description of a plug-in library: effects and package texts.
// Implemented and owned by the host; ACFRegisterPlugin describes into it and
// hands it back as the plug-in definition.
class AAX_ICollection : public IACFPluginDefinition {
public:
    virtual AAX_IEffectDescriptor* NewDescriptor() = 0;
    // Copies the described effect under its id (reverse-domain string).
    virtual AAX_Result AddEffect(const char* effectID, AAX_IEffectDescriptor* effect) = 0;
    virtual AAX_Result SetManufacturerName(const char* name) = 0;
    virtual AAX_Result AddPackageName(const char* name) = 0;
    virtual AAX_Result SetPackageVersion(uint32_t version) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;

protected:
    ~AAX_ICollection() = default;
};
