#include "AAXHostCollection.h"

#include "AAX_Errors.h"

namespace {
constexpr uint32_t kMaxPacketSize = 256;
constexpr int32_t kMaxPrivateDataSize = 16 * 1024 * 1024;
constexpr uint32_t kMaxMeters = 1024;
}  // namespace

AAX_Result AAXHostPropertyMap::AddProperty(AAX_EProperty property, AAX_CPropertyValue value) {
    properties_[property] = value;
    return AAX_SUCCESS;
}

AAX_CBoolean AAXHostPropertyMap::GetProperty(AAX_EProperty property, AAX_CPropertyValue* value) const {
    const auto found = properties_.find(property);
    if (found == properties_.end())
        return 0;
    if (value)
        *value = found->second;
    return 1;
}

AAX_Result AAXHostPropertyMap::RemoveProperty(AAX_EProperty property) {
    properties_.erase(property);
    return AAX_SUCCESS;
}

AAX_Result AAXHostComponentDescriptor::Clear() {
    component_ = AAXHostComponent();
    return AAX_SUCCESS;
}

AAX_Result AAXHostComponentDescriptor::Declare(AAXHostField field) {
    if (field.index < 0 || field.index > kAAX_MaxFieldIndex)
        return AAX_ERROR_INVALID_FIELD_INDEX;
    for (AAXHostField& existing : component_.fields) {
        if (existing.index == field.index) {
            existing = std::move(field);
            return AAX_SUCCESS;
        }
    }
    component_.fields.push_back(std::move(field));
    return AAX_SUCCESS;
}

AAX_Result AAXHostComponentDescriptor::DeclareKind(AAX_CFieldIndex index, AAXHostFieldKind kind) {
    AAXHostField field;
    field.index = index;
    field.kind = kind;
    return Declare(std::move(field));
}

AAX_Result AAXHostComponentDescriptor::AddAudioIn(AAX_CFieldIndex index) {
    return DeclareKind(index, AAXHostFieldKind::AudioIn);
}

AAX_Result AAXHostComponentDescriptor::AddAudioOut(AAX_CFieldIndex index) {
    return DeclareKind(index, AAXHostFieldKind::AudioOut);
}

AAX_Result AAXHostComponentDescriptor::AddAudioBufferLength(AAX_CFieldIndex index) {
    return DeclareKind(index, AAXHostFieldKind::BufferLength);
}

AAX_Result AAXHostComponentDescriptor::AddSampleRate(AAX_CFieldIndex index) {
    return DeclareKind(index, AAXHostFieldKind::SampleRate);
}

AAX_Result AAXHostComponentDescriptor::AddDataInPort(AAX_CFieldIndex index, uint32_t packetSize,
                                                     AAX_EDataInPortType portType) {
    if (packetSize == 0 || packetSize > kMaxPacketSize)
        return AAX_ERROR_INVALID_ARGUMENT;
    AAXHostField field;
    field.index = index;
    field.kind = AAXHostFieldKind::DataInPort;
    field.size = packetSize;
    field.option = portType;
    return Declare(std::move(field));
}

AAX_Result AAXHostComponentDescriptor::AddPrivateData(AAX_CFieldIndex index, int32_t dataSize, uint32_t options) {
    if (dataSize <= 0 || dataSize > kMaxPrivateDataSize)
        return AAX_ERROR_INVALID_ARGUMENT;
    AAXHostField field;
    field.index = index;
    field.kind = AAXHostFieldKind::PrivateData;
    field.size = static_cast<uint32_t>(dataSize);
    field.option = options;
    return Declare(std::move(field));
}

AAX_Result AAXHostComponentDescriptor::AddMeters(AAX_CFieldIndex index, const AAX_CTypeID* meterIDs,
                                                 uint32_t meterCount) {
    if (meterCount > kMaxMeters || (meterCount > 0 && !meterIDs))
        return AAX_ERROR_INVALID_ARGUMENT;
    AAXHostField field;
    field.index = index;
    field.kind = AAXHostFieldKind::Meters;
    field.meterIDs.assign(meterIDs, meterIDs + meterCount);
    return Declare(std::move(field));
}

AAX_Result AAXHostComponentDescriptor::AddMIDINode(AAX_CFieldIndex index, AAX_EMIDINodeType nodeType, const char* name,
                                                   uint32_t channelMask) {
    if (nodeType > AAX_eMIDINodeType_Transport)
        return AAX_ERROR_INVALID_ARGUMENT;
    AAXHostField field;
    field.index = index;
    field.kind = AAXHostFieldKind::MIDINode;
    field.option = nodeType;
    field.name = name ? name : "";
    field.channelMask = channelMask;
    return Declare(std::move(field));
}

AAX_IPropertyMap* AAXHostComponentDescriptor::NewPropertyMap() {
    return owner_.makePropertyMap();
}

AAX_Result AAXHostComponentDescriptor::AddProcessProc_Native(AAX_CProcessProc proc, AAX_IPropertyMap* properties) {
    if (!proc)
        return AAX_ERROR_NULL_OBJECT;
    const AAXHostPropertyMap* map = owner_.findPropertyMap(properties);
    if (properties && !map)
        return AAX_ERROR_INVALID_ARGUMENT;
    component_.processProc = proc;
    component_.properties = map ? map->properties() : AAXHostProperties();
    return AAX_SUCCESS;
}

AAX_IComponentDescriptor* AAXHostEffectDescriptor::NewComponentDescriptor() {
    return owner_.makeComponent();
}

AAX_Result AAXHostEffectDescriptor::AddComponent(AAX_IComponentDescriptor* component) {
    const AAXHostComponentDescriptor* descriptor = owner_.findComponent(component);
    if (!descriptor)
        return AAX_ERROR_NULL_OBJECT;
    effect_.components.push_back(descriptor->component());
    return AAX_SUCCESS;
}

AAX_Result AAXHostEffectDescriptor::AddName(const char* name) {
    if (!name)
        return AAX_ERROR_NULL_OBJECT;
    effect_.names.emplace_back(name);
    return AAX_SUCCESS;
}

AAX_Result AAXHostEffectDescriptor::AddCategory(uint32_t category) {
    effect_.categories.push_back(category);
    return AAX_SUCCESS;
}

AAX_Result AAXHostEffectDescriptor::AddProcPtr(void* proc, AAX_CProcPtrID procID) {
    if (!proc)
        return AAX_ERROR_NULL_OBJECT;
    effect_.procs[procID] = proc;
    return AAX_SUCCESS;
}

AAX_IPropertyMap* AAXHostEffectDescriptor::NewPropertyMap() {
    return owner_.makePropertyMap();
}

AAX_Result AAXHostEffectDescriptor::AddResourceInfo(AAX_EResourceType type, const char* info) {
    if (!info)
        return AAX_ERROR_NULL_OBJECT;
    effect_.resources.push_back(AAXHostResource{type, info});
    return AAX_SUCCESS;
}

AAX_Result AAXHostEffectDescriptor::AddMeterDescription(AAX_CTypeID meterID, const char* name,
                                                        AAX_IPropertyMap* properties) {
    const AAXHostPropertyMap* map = owner_.findPropertyMap(properties);
    if (properties && !map)
        return AAX_ERROR_INVALID_ARGUMENT;
    AAXHostMeter meter;
    meter.id = meterID;
    meter.name = name ? name : "";
    if (map)
        meter.properties = map->properties();
    effect_.meters.push_back(std::move(meter));
    return AAX_SUCCESS;
}

AAX_IEffectDescriptor* AAXHostCollection::NewDescriptor() {
    effects_.push_back(std::make_unique<AAXHostEffectDescriptor>(*this));
    return effects_.back().get();
}

AAX_Result AAXHostCollection::AddEffect(const char* effectID, AAX_IEffectDescriptor* effect) {
    const AAXHostEffectDescriptor* descriptor = findEffect(effect);
    if (!descriptor)
        return AAX_ERROR_NULL_OBJECT;
    if (!effectID || effectID[0] == '\0')
        return AAX_ERROR_INVALID_ARGUMENT;
    for (const AAXHostEffect& existing : description_.effects) {
        if (existing.id == effectID)
            return AAX_ERROR_INVALID_ARGUMENT;
    }
    description_.effects.push_back(descriptor->effect());
    description_.effects.back().id = effectID;
    return AAX_SUCCESS;
}

AAX_Result AAXHostCollection::SetManufacturerName(const char* name) {
    if (!name)
        return AAX_ERROR_NULL_OBJECT;
    description_.manufacturerName = name;
    return AAX_SUCCESS;
}

AAX_Result AAXHostCollection::AddPackageName(const char* name) {
    if (!name)
        return AAX_ERROR_NULL_OBJECT;
    description_.packageNames.emplace_back(name);
    return AAX_SUCCESS;
}

AAX_Result AAXHostCollection::SetPackageVersion(uint32_t version) {
    description_.packageVersion = version;
    return AAX_SUCCESS;
}

AAX_IPropertyMap* AAXHostCollection::NewPropertyMap() {
    return makePropertyMap();
}

AAXHostPropertyMap* AAXHostCollection::makePropertyMap() {
    maps_.push_back(std::make_unique<AAXHostPropertyMap>());
    return maps_.back().get();
}

AAXHostComponentDescriptor* AAXHostCollection::makeComponent() {
    components_.push_back(std::make_unique<AAXHostComponentDescriptor>(*this));
    return components_.back().get();
}

AAXHostPropertyMap* AAXHostCollection::findPropertyMap(AAX_IPropertyMap* map) const {
    for (const auto& owned : maps_) {
        if (owned.get() == map)
            return owned.get();
    }
    return nullptr;
}

AAXHostComponentDescriptor* AAXHostCollection::findComponent(AAX_IComponentDescriptor* component) const {
    for (const auto& owned : components_) {
        if (owned.get() == component)
            return owned.get();
    }
    return nullptr;
}

AAXHostEffectDescriptor* AAXHostCollection::findEffect(AAX_IEffectDescriptor* effect) const {
    for (const auto& owned : effects_) {
        if (owned.get() == effect)
            return owned.get();
    }
    return nullptr;
}
