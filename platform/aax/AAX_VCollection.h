#pragma once

#include "AAX_ICollection.h"

// The framework's proxy of the host's collection, made over the host
// interface that ACFRegisterPlugin receives. Every call forwards to the host's
// collection; without one, New* answer null and the rest
// AAX_ERROR_NULL_OBJECT. Keeps no state beyond the host pointer.
class AAX_VCollection final : public AAX_ICollection {
public:
    explicit AAX_VCollection(IACFUnknown* host);
    ~AAX_VCollection() = default;

    AAX_IEffectDescriptor* NewDescriptor() override;
    AAX_Result AddEffect(const char* effectID, AAX_IEffectDescriptor* effect) override;
    AAX_Result SetManufacturerName(const char* name) override;
    AAX_Result AddPackageName(const char* name) override;
    AAX_Result SetPackageVersion(uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;

    // The host's own collection, to hand back through the definition output
    // of ACFRegisterPlugin; null when the host gave none.
    IACFPluginDefinition* GetIUnknown() const;

private:
    AAX_ICollection* hostCollection_;
};
