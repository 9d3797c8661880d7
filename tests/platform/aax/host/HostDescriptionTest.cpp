#include <gtest/gtest.h>

#include "AAXHostCollection.h"
#include "AAX_Errors.h"
#include "AAX_FourCC.h"

namespace {

void Render(void* const[], const void*) {}
void* Create() {
    return nullptr;
}

// A valid mono effect with one described meter.
AAXHostDescription Valid() {
    AAXHostCollection collection;
    AAX_IEffectDescriptor* effect = collection.NewDescriptor();
    AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
    const AAX_CTypeID meter = AAX_FourCC("mtrI");
    component->AddAudioIn(0);
    component->AddAudioOut(1);
    component->AddAudioBufferLength(2);
    component->AddMeters(3, &meter, 1);
    AAX_IPropertyMap* properties = component->NewPropertyMap();
    properties->AddProperty(AAX_eProperty_InputStemFormat, AAX_eStemFormat_Mono);
    properties->AddProperty(AAX_eProperty_OutputStemFormat, AAX_eStemFormat_Mono);
    component->AddProcessProc_Native(Render, properties);
    effect->AddComponent(component);
    effect->AddName("E");
    effect->AddProcPtr(reinterpret_cast<void*>(&Create), kAAX_ProcPtrID_Create_EffectParameters);
    effect->AddMeterDescription(meter, "Input", nullptr);
    collection.AddEffect("org.example.e", effect);
    return collection.description();
}

}  // namespace

TEST(HostDescription, ChecksWhatTheHostNeeds) {
    AAXHostDescription description = Valid();
    EXPECT_TRUE(AAXHostCheckDescription(description).empty());

    AAXHostDescription broken = description;
    broken.effects[0].meters.clear();
    broken.effects[0].components[0].fields.push_back(broken.effects[0].components[0].fields[3]);
    broken.effects[0].components[0].fields.back().index = 9;
    broken.effects[0].components[0].properties[AAX_eProperty_OutputStemFormat] = AAX_STEM_FORMAT(0, 9);
    broken.effects[0].procs.clear();
    broken.effects[0].components[0].processProc = nullptr;
    const std::vector<std::string> problems = AAXHostCheckDescription(broken);
    const std::vector<std::string> expected = {
        "effect 0: no parameters-object creation procedure", "effect 0 component 0: no render procedure",
        "effect 0 component 0: bad output stem format",      "effect 0 component 0: meter 'mtrI' has no description",
        "effect 0 component 0: more than one meters field",  "effect 0 component 0: meter 'mtrI' has no description",
    };
    EXPECT_EQ(expected, problems);
    EXPECT_EQ(std::vector<std::string>{"no effect described"}, AAXHostCheckDescription(AAXHostDescription()));
}

TEST(HostCollection, ValidatesWhatThePluginDeclares) {
    AAXHostCollection collection;
    AAXHostCollection other;
    AAX_IEffectDescriptor* effect = collection.NewDescriptor();
    AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
    EXPECT_EQ(AAX_ERROR_INVALID_FIELD_INDEX, component->AddAudioIn(64));
    EXPECT_EQ(AAX_ERROR_INVALID_FIELD_INDEX, component->AddAudioIn(-1));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, component->AddDataInPort(0, 0));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, component->AddPrivateData(0, -4));
    EXPECT_EQ(AAX_SUCCESS, component->AddPrivateData(5, 16));
    EXPECT_EQ(AAX_SUCCESS, component->AddDataInPort(5, 4));
    EXPECT_EQ(AAX_ERROR_NULL_OBJECT, component->AddProcessProc_Native(nullptr, nullptr));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, component->AddProcessProc_Native(Render, other.NewPropertyMap()))
        << "a map from another collection";
    EXPECT_EQ(AAX_ERROR_NULL_OBJECT, effect->AddComponent(other.NewDescriptor()->NewComponentDescriptor()));
    EXPECT_EQ(AAX_SUCCESS, effect->AddComponent(component));
    component->Clear();
    EXPECT_EQ(AAX_SUCCESS, effect->AddComponent(component));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, collection.AddEffect("", effect));
    EXPECT_EQ(AAX_SUCCESS, collection.AddEffect("id", effect));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, collection.AddEffect("id", effect)) << "duplicate effect id";
    const AAXHostEffect& recorded = collection.description().effects.at(0);
    ASSERT_EQ(2u, recorded.components.size());
    ASSERT_EQ(1u, recorded.components[0].fields.size()) << "a re-declared index replaces the earlier field";
    EXPECT_EQ(AAXHostFieldKind::DataInPort, recorded.components[0].fields[0].kind);
    EXPECT_TRUE(recorded.components[1].fields.empty()) << "components are copies";
}
