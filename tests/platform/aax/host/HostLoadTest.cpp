#include "TestGainHost.h"

#include <dlfcn.h>

#include "AAX_Exports.h"
#include "AAX_FourCC.h"

using HostLoad = TestGainHost;

TEST_F(HostLoad, RecordsTheDescriptionOfBothVariants) {
    EXPECT_EQ(kAAX_SDKVersion, host.sdkVersion());
    const AAXHostDescription& d = host.description();
    EXPECT_EQ("Test Works", d.manufacturerName);
    EXPECT_EQ(std::vector<std::string>{kTestGainName}, d.packageNames);
    EXPECT_EQ(kTestGainVersion, d.packageVersion);
    ASSERT_EQ(1u, d.effects.size());
    const AAXHostEffect& effect = d.effects[0];
    EXPECT_EQ(kTestGainEffectID, effect.id);
    EXPECT_EQ(std::vector<uint32_t>{AAX_ePlugInCategory_Dynamics}, effect.categories);
    ASSERT_EQ(2u, effect.components.size());
    EXPECT_EQ(1u, effect.procs.count(kAAX_ProcPtrID_Create_EffectParameters));
    EXPECT_EQ(1u, effect.procs.count(kAAX_ProcPtrID_Create_EffectDirectData));
    ASSERT_EQ(4u, effect.meters.size());
    EXPECT_EQ(AAX_FourCC("tTck"), effect.meters[3].id);
    EXPECT_EQ(AAX_eMeterType_Other, effect.meters[3].properties.at(AAX_eProperty_Meter_Type));

    const AAXHostComponent* mono = host.findComponent(AAXHostVariant::Mono);
    const AAXHostComponent* stereo = host.findComponent(AAXHostVariant::Stereo);
    ASSERT_TRUE(mono && stereo);
    EXPECT_NE(mono, stereo);
    int32_t id = 0;
    EXPECT_TRUE(mono->property(AAX_eProperty_PlugInID_Native, &id));
    EXPECT_EQ(kTestGainMonoID, static_cast<AAX_CTypeID>(id));
    EXPECT_TRUE(stereo->property(AAX_eProperty_PlugInID_Native, &id));
    EXPECT_EQ(kTestGainStereoID, static_cast<AAX_CTypeID>(id));
    EXPECT_EQ(0x10002, stereo->inputStemFormat());
    // The stereo variant re-declared the same fields in the same descriptor.
    EXPECT_EQ(10u, mono->fields.size());
    EXPECT_EQ(10u, stereo->fields.size());
    const AAXHostField* node = stereo->field(7);
    ASSERT_TRUE(node);
    EXPECT_EQ(AAXHostFieldKind::MIDINode, node->kind);
    EXPECT_EQ("Transport", node->name);
    EXPECT_EQ(0xFFFFu, node->channelMask);
    EXPECT_EQ(AAXHostFieldKind::PrivateData, stereo->field(8)->kind);

    ASSERT_EQ(1u, host.traces().size());
    EXPECT_EQ("registered Test Gain", host.traces()[0].message);
    EXPECT_TRUE(host.assertions().empty());
}

TEST_F(HostLoad, EntryPointsAnswerAsDeclared) {
    const AAXHostEntryPoints* entry = host.entryPoints();
    ASSERT_TRUE(entry);
    IACFComponentDefinition* component = reinterpret_cast<IACFComponentDefinition*>(&host);
    EXPECT_EQ(AAX_SUCCESS, entry->registerComponent(nullptr, 0, &component));
    EXPECT_EQ(nullptr, component);
    void* factory = &host;
    const acfUID id{};
    EXPECT_EQ(AAX_ERROR_UNIMPLEMENTED, entry->getClassFactory(nullptr, id, id, &factory));
    EXPECT_EQ(nullptr, factory);
}

TEST_F(HostLoad, UnloadableOnlyWithoutLiveObjectsAndLoadableAgain) {
    EXPECT_EQ(0, host.canUnloadNow());
    {
        auto first = make(AAXHostVariant::Mono);
        AAXHost second;
        ASSERT_EQ(AAX_SUCCESS, second.load(TEST_GAIN_PLUGIN));
        auto other = second.createInstance(AAXHostVariant::Stereo, 44100.0);
        ASSERT_TRUE(other);
        // parameters object and direct-data object of each instance
        EXPECT_EQ(4, host.canUnloadNow());
        EXPECT_EQ(4, second.canUnloadNow()) << "a second load shares the library";
    }
    EXPECT_EQ(0, host.canUnloadNow());
    host.unload();
    EXPECT_FALSE(host.isLoaded());
    EXPECT_EQ(-1, host.canUnloadNow());
    EXPECT_EQ(0, AAXHostLibrary::leaked());
    void* stillLoaded = dlopen(TEST_GAIN_PLUGIN, RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(nullptr, stillLoaded) << "the library left the process";
    if (stillLoaded) dlclose(stillLoaded);

    ASSERT_EQ(AAX_SUCCESS, host.load(TEST_GAIN_PLUGIN));
    EXPECT_EQ(1u, host.traces().size()) << "a fresh load registers afresh";
    auto again = make(AAXHostVariant::Stereo);
    ASSERT_TRUE(again);
    Buffers audio(2, 16);
    EXPECT_EQ(AAX_SUCCESS, again->process(audio.inputs.data(), audio.outputs.data(), 16));
}

TEST(HostLoadFailure, MissingLibraryAndBadDescriptionAreRefused) {
    AAXHost host;
    std::string error;
    EXPECT_EQ(AAX_ERROR_PLUGIN_NOT_LOADED, host.load("/nonexistent/libnothing.so", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(AAX_ERROR_INVALID_DESCRIPTION, host.load(TEST_GAIN_PLUGIN_BROKEN, &error));
    EXPECT_NE(std::string::npos, error.find("no render procedure")) << error;
    EXPECT_FALSE(host.isLoaded());
    AAX_Result result = 0;
    EXPECT_EQ(nullptr, host.createInstance(AAXHostVariant::Mono, 48000.0, &result));
    EXPECT_EQ(AAX_ERROR_PLUGIN_NOT_LOADED, result);
}
