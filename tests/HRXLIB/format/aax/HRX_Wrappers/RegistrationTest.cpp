// What a host learns from the plug-in library: entry points, the description
// of the effect and its variants, meters, and the object count that decides
// unloading.

#include "AAXHost.h"
#include "AAX_Errors.h"
#include "AAX_FourCC.h"
#include "AAX_ICollection.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IHostServices.h"
#include "PluginLibrary.h"
#include "PresetTestSupport.h"

#include <dlfcn.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

namespace {

class RegistrationTest : public ::testing::Test {
protected:
    void SetUp() override { loadPlugin(host_); }
    const AAXHostEffect& effect() const { return host_.description().effects.at(0); }

    TemporaryUserHome home_;
    AAXHost host_;
};

TEST_F(RegistrationTest, EntryPointsAnswerAsTheFormatExpects) {
    EXPECT_EQ(0x00000204013449EAull, host_.sdkVersion());
    const AAXHostEntryPoints& entry = *host_.entryPoints();
    uint64_t version = 0;
    EXPECT_EQ(0, entry.getSDKVersion(&version));
    EXPECT_EQ(0x00000204013449EAull, version);

    IACFComponentDefinition* component = reinterpret_cast<IACFComponentDefinition*>(&version);
    EXPECT_EQ(0, entry.registerComponent(nullptr, 0, &component));
    EXPECT_EQ(nullptr, component);
    void* factory = &version;
    const acfUID none{};
    EXPECT_EQ(AAX_ERROR_UNIMPLEMENTED, entry.getClassFactory(nullptr, none, none, &factory));
    EXPECT_EQ(nullptr, factory);
    EXPECT_TRUE(host_.assertions().empty());
}

TEST_F(RegistrationTest, DescribesOneEffectWithNamesAndPackage) {
    const AAXHostDescription& description = host_.description();
    EXPECT_EQ("Brackenworks", description.manufacturerName);
    EXPECT_EQ((std::vector<std::string>{"HRX velvaTon - opto compressor", "HRX velvaTon", "HRX velvaTon"}),
              description.packageNames);
    EXPECT_EQ(2210u, description.packageVersion);
    ASSERT_EQ(1u, description.effects.size());
    EXPECT_EQ(std::vector<std::string>{"HRX velvaTon"}, effect().names);
    EXPECT_EQ(std::vector<uint32_t>{2}, effect().categories);
    ASSERT_EQ(1u, effect().resources.size());
    EXPECT_EQ(1, effect().resources[0].type);
    EXPECT_EQ("HRXvelvaTonPageTables.xml", effect().resources[0].info);
    EXPECT_EQ(1u, effect().procs.count(kAAX_ProcPtrID_Create_EffectParameters));
    EXPECT_EQ(1u, effect().procs.count(kAAX_ProcPtrID_Create_EffectGUI));
    EXPECT_EQ(1u, effect().procs.count(kAAX_ProcPtrID_Create_EffectDirectData));
}

TEST_F(RegistrationTest, VariantsDeclareStemFormatsIdsAndFields) {
    ASSERT_EQ(2u, effect().components.size());
    struct Expected {
        AAXHostVariant variant;
        int32_t stem;
        AAX_CTypeID nativeID;
    };
    for (const Expected& expected : {Expected{AAXHostVariant::Mono, 1, AAX_FourCC("VTNm")},
                                     Expected{AAXHostVariant::Stereo, 0x10002, AAX_FourCC("VTNs")}}) {
        const AAXHostComponent* component = host_.findComponent(expected.variant);
        ASSERT_NE(nullptr, component);
        EXPECT_EQ(expected.stem, component->inputStemFormat());
        EXPECT_EQ(expected.stem, component->outputStemFormat());
        const std::pair<AAX_EProperty, int32_t> properties[] = {
            {AAX_eProperty_PlugInID_Native, static_cast<int32_t>(expected.nativeID)},
            {AAX_eProperty_PlugInID_AudioSuite, static_cast<int32_t>(AAX_FourCC("VTNa"))},
            {AAX_eProperty_ManufacturerID, static_cast<int32_t>(AAX_FourCC("HRXa"))},
            {AAX_eProperty_ProductID, static_cast<int32_t>(AAX_FourCC("HVTN"))},
            {AAX_eProperty_CanBypass, 1}};
        for (const auto& [property, expectedValue] : properties) {
            int32_t value = 0;
            EXPECT_TRUE(component->property(property, &value)) << property;
            EXPECT_EQ(expectedValue, value) << property;
        }
        EXPECT_NE(nullptr, component->processProc);

        // Fields in declaration order; 19 is not declared.
        std::vector<AAX_CFieldIndex> order;
        for (const AAXHostField& field : component->fields)
            order.push_back(field.index);
        const std::vector<AAX_CFieldIndex> expectedOrder = {13, 14, 15, 16, 17, 18, 20, 0,  1,  2,  3,  4,
                                                            5,  6,  7,  8,  9,  10, 11, 12, 21, 23, 22, 24};
        EXPECT_EQ(expectedOrder, order);
        for (AAX_CFieldIndex port = 0; port <= 12; ++port) {
            EXPECT_EQ(AAXHostFieldKind::DataInPort, component->field(port)->kind);
            EXPECT_EQ(4u, component->field(port)->size);
            EXPECT_EQ(AAX_eDataInPortType_Buffered, component->field(port)->option);
        }
        EXPECT_EQ(4u, component->field(22)->size);
        EXPECT_EQ(4u, component->field(23)->size);
        EXPECT_EQ(AAXHostFieldKind::PrivateData, component->field(24)->kind);
        EXPECT_EQ("HRX velvaTon", component->field(18)->name);
        EXPECT_EQ(uint32_t{AAX_eMIDINodeType_LocalInput}, component->field(18)->option);
        EXPECT_EQ("Transport", component->field(20)->name);
        EXPECT_EQ(uint32_t{AAX_eMIDINodeType_Transport}, component->field(20)->option);
        EXPECT_EQ(0xFFFFu, component->field(20)->channelMask);
        EXPECT_EQ(67u, component->field(17)->meterIDs.size());
    }
}

TEST_F(RegistrationTest, SixtySevenMetersWithTheFirstCustomMeterAtPositionThree) {
    const std::vector<AAXHostMeter>& meters = effect().meters;
    ASSERT_EQ(67u, meters.size());
    const char* names[] = {"Input", "Output", "GainReduction"};
    const AAX_CTypeID ids[] = {AAX_FourCC("mtrI"), AAX_FourCC("mtrO"), AAX_FourCC("mtGR")};
    for (int position = 0; position < 3; ++position) {
        EXPECT_EQ(names[position], meters[position].name);
        EXPECT_EQ(ids[position], meters[position].id);
        EXPECT_EQ(position, meters[position].properties.at(AAX_eProperty_Meter_Type));
        EXPECT_EQ(0u, meters[position].properties.count(AAX_eProperty_Meter_Ballistics));
    }
    // Custom meter ids as their bytes lie in memory; Q follows W, V ends that run.
    const std::pair<int, const char*> customIds[] = {{3, "Actm"}, {3 + 21, "Qctm"}, {3 + 25, "Vctm"}, {66, "Ftrm"}};
    for (const auto& [position, bytes] : customIds) {
        char memory[4];
        std::memcpy(memory, &meters[position].id, 4);
        EXPECT_EQ(0, std::memcmp(bytes, memory, 4)) << bytes;
    }
    for (int position = 3; position < 67; ++position) {
        EXPECT_EQ("Custom", meters[position].name);
        EXPECT_EQ(5, meters[position].properties.at(AAX_eProperty_Meter_Type));
        EXPECT_EQ(0, meters[position].properties.at(AAX_eProperty_Meter_Orientation));
        EXPECT_EQ(1, meters[position].properties.at(AAX_eProperty_Meter_Ballistics));
    }
    // Every meter id is distinct and is the component's tap order.
    const AAXHostComponent* component = host_.findComponent(AAXHostVariant::Stereo);
    for (int position = 0; position < 67; ++position)
        EXPECT_EQ(meters[position].id, component->field(17)->meterIDs[position]);
}

TEST_F(RegistrationTest, UnloadCountFollowsLiveObjectsAndTheLibraryLoadsAgain) {
    EXPECT_EQ(0, host_.canUnloadNow());
    {
        auto instance = host_.createInstance(AAXHostVariant::Stereo, 48000.0);
        ASSERT_NE(nullptr, instance);
        EXPECT_GT(host_.canUnloadNow(), 0);
        AAXHost second;  // a second load in the same process shares the library
        loadPlugin(second);
        auto other = second.createInstance(AAXHostVariant::Mono, 44100.0);
        ASSERT_NE(nullptr, other);
        EXPECT_GT(host_.canUnloadNow(), 1);
        EXPECT_EQ(host_.canUnloadNow(), second.canUnloadNow());
    }
    EXPECT_EQ(0, host_.canUnloadNow());

    // Unloaded after the last release, then loaded again in the same process.
    const int32_t leakedBefore = AAXHostLibrary::leaked();
    host_.unload();
    EXPECT_FALSE(host_.isLoaded());
    EXPECT_EQ(-1, host_.canUnloadNow());
    EXPECT_EQ(leakedBefore, AAXHostLibrary::leaked());
    void* stillLoaded = dlopen(pluginLibraryPath().c_str(), RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(nullptr, stillLoaded) << "the library left the process";
    if (stillLoaded)
        dlclose(stillLoaded);
    loadPlugin(host_);
    auto again = host_.createInstance(AAXHostVariant::Mono, 48000.0);
    ASSERT_NE(nullptr, again);
    std::vector<float> buffer(256, 0.25f);
    const float* inputs[1] = {buffer.data()};
    float* outputs[1] = {buffer.data()};
    EXPECT_EQ(AAX_SUCCESS, again->process(inputs, outputs, 256));
}

// A host interface whose collection hands out an effect descriptor that
// cannot make component descriptors: the description fails and reports it.
class RecordingServices : public AAX_IHostServices {
public:
    AAX_Result HandleAssertFailure(const char* file, int32_t line, const char* note, int32_t flags) override {
        reports.push_back(std::string(file) + ":" + std::to_string(line > 0) + ":" + note + ":" +
                          std::to_string(flags));
        return AAX_SUCCESS;
    }
    AAX_Result Trace(int32_t, const char*) override { return AAX_SUCCESS; }
    std::vector<std::string> reports;
};

class BrokenEffect : public AAX_IEffectDescriptor {
public:
    AAX_IComponentDescriptor* NewComponentDescriptor() override { return nullptr; }
    AAX_Result AddComponent(AAX_IComponentDescriptor*) override { return AAX_SUCCESS; }
    AAX_Result AddName(const char*) override { return AAX_SUCCESS; }
    AAX_Result AddCategory(uint32_t) override { return AAX_SUCCESS; }
    AAX_Result AddProcPtr(void*, AAX_CProcPtrID) override { return AAX_SUCCESS; }
    AAX_IPropertyMap* NewPropertyMap() override { return nullptr; }
    AAX_Result AddResourceInfo(AAX_EResourceType, const char*) override { return AAX_SUCCESS; }
    AAX_Result AddMeterDescription(AAX_CTypeID, const char*, AAX_IPropertyMap*) override { return AAX_SUCCESS; }
};

class BrokenCollection : public AAX_ICollection {
public:
    AAX_IEffectDescriptor* NewDescriptor() override { return &effect; }
    AAX_Result AddEffect(const char*, AAX_IEffectDescriptor*) override { return AAX_SUCCESS; }
    AAX_Result SetManufacturerName(const char*) override { return AAX_SUCCESS; }
    AAX_Result AddPackageName(const char*) override { return AAX_SUCCESS; }
    AAX_Result SetPackageVersion(uint32_t) override { return AAX_SUCCESS; }
    AAX_IPropertyMap* NewPropertyMap() override { return nullptr; }
    BrokenEffect effect;
};

class BrokenHost : public IACFUnknown {
public:
    AAX_IHostServices* GetHostServices() override { return &services; }
    AAX_ICollection* GetCollection() override { return &collection; }
    AAX_IController* GetController() override { return nullptr; }
    AAX_IAutomationDelegate* GetAutomationDelegate() override { return nullptr; }
    AAX_ITransport* GetTransport() override { return nullptr; }
    AAX_IEffectParameters* GetEffectParameters() override { return nullptr; }
    RecordingServices services;
    BrokenCollection collection;
};

TEST_F(RegistrationTest, StartupKeepsTheFirstHostServicesAndReportsFailedDescriptions) {
    const AAXHostEntryPoints& entry = *host_.entryPoints();
    BrokenHost broken;
    IACFPluginDefinition* definition = nullptr;

    // The proxy made at load stays: a second startup does not replace it.
    EXPECT_EQ(0, entry.startup(&broken));
    const size_t hostReports = host_.assertions().size();
    EXPECT_EQ(AAX_ERROR_NULL_OBJECT, entry.registerPlugin(&broken, &definition));
    EXPECT_TRUE(broken.services.reports.empty());
    EXPECT_EQ(hostReports + 1, host_.assertions().size());

    // Without a proxy reports are dropped; startup with a host makes one again.
    EXPECT_EQ(0, entry.startup(nullptr));
    EXPECT_EQ(0, entry.startup(nullptr));
    EXPECT_EQ(AAX_ERROR_NULL_OBJECT, entry.registerPlugin(&broken, &definition));
    EXPECT_TRUE(broken.services.reports.empty());
    EXPECT_EQ(0, entry.startup(&broken));
    EXPECT_EQ(AAX_ERROR_NULL_OBJECT, entry.registerPlugin(&broken, &definition));
    EXPECT_EQ((std::vector<std::string>{"HRXLIB/format/aax/HRX_Wrappers/HRX_AAX_Describe:1:result == AAX_SUCCESS:1"}),
              broken.services.reports);
    EXPECT_EQ(0, entry.shutdown(nullptr));
}

}  // namespace
