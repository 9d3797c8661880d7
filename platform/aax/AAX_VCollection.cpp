#include "AAX_VCollection.h"

#include "AAX_Errors.h"

AAX_VCollection::AAX_VCollection(IACFUnknown* host)
    : mHostCollection(host ? host->GetCollection() : nullptr) {}

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor() {
    return mHostCollection ? mHostCollection->NewDescriptor() : nullptr;
}

AAX_Result AAX_VCollection::AddEffect(const char* effectID, AAX_IEffectDescriptor* effect) {
    return mHostCollection ? mHostCollection->AddEffect(effectID, effect) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::SetManufacturerName(const char* name) {
    return mHostCollection ? mHostCollection->SetManufacturerName(name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::AddPackageName(const char* name) {
    return mHostCollection ? mHostCollection->AddPackageName(name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::SetPackageVersion(uint32_t version) {
    return mHostCollection ? mHostCollection->SetPackageVersion(version) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap() {
    return mHostCollection ? mHostCollection->NewPropertyMap() : nullptr;
}

IACFPluginDefinition* AAX_VCollection::GetIUnknown() const { return mHostCollection; }
