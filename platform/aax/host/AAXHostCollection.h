#pragma once

#include <memory>
#include <vector>

#include "AAXHostDescription.h"
#include "AAX_ICollection.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IPropertyMap.h"

// The host's side of a registration: descriptor objects that record what the
// plug-in declares into an AAXHostDescription. The collection owns every
// object it or its descriptors hand out; they die with it.

class AAXHostPropertyMap final : public AAX_IPropertyMap {
public:
    AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) override;
    AAX_CBoolean GetProperty(AAX_EProperty property, AAX_CPropertyValue* value) const override;
    AAX_Result RemoveProperty(AAX_EProperty property) override;
    const AAXHostProperties& properties() const { return properties_; }

private:
    AAXHostProperties properties_;
};

class AAXHostCollection;

class AAXHostComponentDescriptor final : public AAX_IComponentDescriptor {
public:
    explicit AAXHostComponentDescriptor(AAXHostCollection& owner) : owner_(owner) {}
    AAX_Result Clear() override;
    AAX_Result AddAudioIn(AAX_CFieldIndex field) override;
    AAX_Result AddAudioOut(AAX_CFieldIndex field) override;
    AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) override;
    AAX_Result AddSampleRate(AAX_CFieldIndex field) override;
    AAX_Result AddDataInPort(AAX_CFieldIndex field, uint32_t packetSize, AAX_EDataInPortType portType) override;
    AAX_Result AddPrivateData(AAX_CFieldIndex field, int32_t dataSize, uint32_t options) override;
    AAX_Result AddMeters(AAX_CFieldIndex field, const AAX_CTypeID* meterIDs, uint32_t meterCount) override;
    AAX_Result AddMIDINode(AAX_CFieldIndex field, AAX_EMIDINodeType nodeType, const char* name,
                           uint32_t channelMask) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result AddProcessProc_Native(AAX_CProcessProc proc, AAX_IPropertyMap* properties) override;

    const AAXHostComponent& component() const { return component_; }

private:
    AAX_Result Declare(AAXHostField field);
    AAX_Result DeclareKind(AAX_CFieldIndex index, AAXHostFieldKind kind);  // a field with no settings

    AAXHostCollection& owner_;
    AAXHostComponent component_;
};

class AAXHostEffectDescriptor final : public AAX_IEffectDescriptor {
public:
    explicit AAXHostEffectDescriptor(AAXHostCollection& owner) : owner_(owner) {}
    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    AAX_Result AddComponent(AAX_IComponentDescriptor* component) override;
    AAX_Result AddName(const char* name) override;
    AAX_Result AddCategory(uint32_t category) override;
    AAX_Result AddProcPtr(void* proc, AAX_CProcPtrID procID) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result AddResourceInfo(AAX_EResourceType type, const char* info) override;
    AAX_Result AddMeterDescription(AAX_CTypeID meterID, const char* name, AAX_IPropertyMap* properties) override;

    const AAXHostEffect& effect() const { return effect_; }

private:
    AAXHostCollection& owner_;
    AAXHostEffect effect_;
};

class AAXHostCollection final : public AAX_ICollection {
public:
    AAX_IEffectDescriptor* NewDescriptor() override;
    AAX_Result AddEffect(const char* effectID, AAX_IEffectDescriptor* effect) override;
    AAX_Result SetManufacturerName(const char* name) override;
    AAX_Result AddPackageName(const char* name) override;
    AAX_Result SetPackageVersion(uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;

    const AAXHostDescription& description() const { return description_; }

    // Descriptor objects are handed out only by this collection, so a
    // pointer coming back from the plug-in is checked against these lists.
    AAXHostPropertyMap* findPropertyMap(AAX_IPropertyMap* map) const;
    AAXHostComponentDescriptor* findComponent(AAX_IComponentDescriptor* component) const;
    AAXHostEffectDescriptor* findEffect(AAX_IEffectDescriptor* effect) const;
    AAXHostPropertyMap* makePropertyMap();
    AAXHostComponentDescriptor* makeComponent();

private:
    AAXHostDescription description_;
    std::vector<std::unique_ptr<AAXHostPropertyMap>> maps_;
    std::vector<std::unique_ptr<AAXHostComponentDescriptor>> components_;
    std::vector<std::unique_ptr<AAXHostEffectDescriptor>> effects_;
};
