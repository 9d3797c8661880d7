#include "AAX_VCollection.h"

#include "AAX_Errors.h"

AAX_VCollection::AAX_VCollection(IACFUnknown* host) : hostCollection_(host ? host->GetCollection() : nullptr) {}

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor() {
    return hostCollection_ ? hostCollection_->NewDescriptor() : nullptr;
}

AAX_Result AAX_VCollection::AddEffect(const char* effectID, AAX_IEffectDescriptor* effect) {
    return hostCollection_ ? hostCollection_->AddEffect(effectID, effect) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::SetManufacturerName(const char* name) {
    return hostCollection_ ? hostCollection_->SetManufacturerName(name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::AddPackageName(const char* name) {
    return hostCollection_ ? hostCollection_->AddPackageName(name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::SetPackageVersion(uint32_t version) {
    return hostCollection_ ? hostCollection_->SetPackageVersion(version) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap() {
    return hostCollection_ ? hostCollection_->NewPropertyMap() : nullptr;
}

IACFPluginDefinition* AAX_VCollection::GetIUnknown() const {
    return hostCollection_;
}
