// The plug-ins through a lilv host: the same sound as the AAX plug-in at
// every block length, meters and bypass, a run() that allocates nothing,
// state that survives a session, hostile state data, and factory presets
// that set the ports as the plug-in's own preset menu does.

#include "HRXProduct.h"
#include "AllocationCounter.h"
#include "HRXPresetContainer.h"
#include "HRXPresetLibrary.h"
#include "HRXPresetManager.h"
#include "HRX_AAX_ControllerWrapper.h"
#include "HRX_LV2_Messages.h"
#include "HRX_LV2_UIParameters.h"
#include "LV2TestHost.h"
#include "PresetTestSupport.h"
#include "ReferenceRender.h"
#include "TestState.h"

#include <lv2/presets/presets.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <random>

#include <gtest/gtest.h>

namespace {

// The bank form's record 0 (the active setup) with its header's zoom and word.
struct SavedSetting {
    HRXPresetRecord record;
    HRXBankRestore header;
};
SavedSetting savedSetting(const std::vector<uint8_t>& state) {
    SavedSetting saved{};
    HRXPresetRecord bank[kBankRecords] = {};
    EXPECT_TRUE(restoreBank(state.data() + 8, state.size() - 8, bank, bank[0], saved.header));
    saved.record = bank[0];
    return saved;
}

class LV2Plugin : public ::testing::Test {
protected:
    TemporaryUserHome home_;
};

class LV2Render : public ::testing::TestWithParam<std::tuple<int, int>> {
protected:
    TemporaryUserHome home_;
};

TEST_P(LV2Render, SoundsLikeTheAAXPluginAtEveryBlockLength) {
    const auto [channels, rate] = GetParam();
    const Channels input = testProgramme(channels, rate, 0.4);
    const Channels reference = renderWithTool(input, rate, kEditorSettings);
    ASSERT_EQ(input.size(), reference.size());
    const std::vector<std::vector<uint32_t>> patterns = {{1}, {64}, {4096}, {0, 1, 7, 64, 0, 300, 4096, 13}};
    for (const std::vector<uint32_t>& blocks : patterns) {
        LV2TestInstance instance(channels, rate);
        instance.set(kPortSettings);
        EXPECT_TRUE(instance.render(input, blocks) == reference)
            << "blocks of " << blocks.size() << " lengths from " << blocks[0];
    }
}

INSTANTIATE_TEST_SUITE_P(MonoAndStereo, LV2Render,
                         ::testing::Combine(::testing::Values(1, 2), ::testing::Values(44100, 96000)));

TEST_F(LV2Plugin, RunAllocatesNothing) {
    LV2TestInstance instance(2, 48000.0);
    const std::vector<uint8_t> state = stateMessage(customState());
    const std::vector<uint8_t> request = requestMessage();
    {
        AllocationCounter counting;  // the counter sees the plug-in library
        instance.saveData();
        EXPECT_GT(counting.count(), 0);
    }
    AllocationCounter counting;
    for (uint32_t block = 0; block < 16; ++block) {
        counting.pause();
        if (block == 2)
            instance.set(kPortSettings);
        if (block == 4)
            instance.send(atomOf(state));
        if (block == 6)
            instance.send(atomOf(request));
        instance.set("enabled", block >= 8 && block < 12 ? 0.0f : 1.0f);
        counting.resume();
        instance.run(block == 10 ? 0 : 512, false);
    }
    EXPECT_EQ(0, counting.count());
}

float peak(const std::vector<float>& samples, size_t from) {
    float largest = 0.0f;
    for (size_t i = from; i < samples.size(); ++i)
        largest = std::max(largest, std::fabs(samples[i]));
    return largest;
}

TEST_F(LV2Plugin, MetersShowTheLastBlockAndBypassPassesTheInput) {
    LV2TestInstance instance(2, 48000.0);
    instance.set(kPortSettings);
    const Channels input = testProgramme(2, 48000, 0.2);
    const Channels output = instance.render(input, {240});
    const size_t lastBlock = input[0].size() - 240;
    EXPECT_EQ(peak(input[0], lastBlock), instance.get("input_peak"));
    EXPECT_EQ(peak(output[0], lastBlock), instance.get("output_peak"));
    const float reduction = instance.get("gain_reduction");
    EXPECT_GT(reduction, 0.1f);

    instance.set("enabled", 0.0f);
    EXPECT_TRUE(instance.render(input, {240}) == input);
    EXPECT_LT(instance.get("gain_reduction"), reduction);  // the meter relaxes
}

TEST_F(LV2Plugin, AnsweredRequestCarriesTheStateTheUISent) {
    LV2TestInstance instance(1, 48000.0);
    const HRX_LV2_URIDs urids(LV2TestWorld::get().map(), HRX_LV2_GetProduct());
    // The state data in the plug-in's answer to a request; empty without one.
    const auto answer = [&] {
        instance.send(atomOf(requestMessage()));
        instance.run(64);
        const HRX_LV2_Message message = instance.received().size() == 1
                                            ? HRX_LV2_ReadMessage(urids, atomOf(instance.received()[0]))
                                            : HRX_LV2_Message{};
        return std::vector<uint8_t>(message.bytes, message.bytes + message.size);
    };
    EXPECT_EQ(instance.saveData(), answer());
    const std::vector<uint8_t> custom = customState();
    instance.send(atomOf(stateMessage(custom)));
    instance.run(64);
    EXPECT_TRUE(instance.received().empty());  // only a request is answered
    EXPECT_EQ(custom, answer());
}

TEST_F(LV2Plugin, SessionRestoresIntoAFreshInstance) {
    const std::vector<uint8_t> custom = customState();
    LilvState* session = nullptr;
    std::vector<uint8_t> saved;
    {
        LV2TestInstance original(2, 44100.0);
        original.set(kCustomStatePorts);
        original.send(atomOf(stateMessage(custom)));
        original.run(256);
        session = original.saveState();
        saved = original.saveData();
    }
    ASSERT_NE(nullptr, session);
    // What the UI sent is what the session keeps: the ports agree with it.
    EXPECT_EQ(custom, saved);

    const Channels input = testProgramme(2, 44100, 0.25);
    LV2TestInstance restored(2, 44100.0);
    restored.restoreState(session);
    lilv_state_free(session);
    EXPECT_EQ(saved, restored.saveData());
    LV2TestInstance configured(2, 44100.0);
    configured.set(kCustomStatePorts);
    LV2TestInstance plain(2, 44100.0);
    const Channels output = restored.render(input, {256});
    EXPECT_TRUE(output == configured.render(input, {256}));
    EXPECT_FALSE(output == plain.render(input, {256}));
    EXPECT_EQ(saved, restored.saveData());
}

TEST_F(LV2Plugin, SavingWithoutAnEditorKeepsTheRestoredStateAndFollowsAutomation) {
    const std::vector<uint8_t> custom = customState();
    LV2TestInstance instance(1, 48000.0);
    ASSERT_EQ(LV2_STATE_SUCCESS, instance.restoreData(custom, LV2TestWorld::get().urid(LV2_ATOM__Chunk)));
    EXPECT_EQ(custom, instance.saveData());  // before any run
    instance.set(kCustomStatePorts);
    instance.run(128);
    EXPECT_EQ(custom, instance.saveData());  // ports that agree change nothing

    instance.set("time", 2.5f);  // automation
    instance.set("ratio", 4.0f);
    instance.run(128);
    const SavedSetting saved = savedSetting(instance.saveData());
    EXPECT_EQ(0.25f, saved.record.values[4]);
    EXPECT_EQ(static_cast<float>(4.0 / 6.0), saved.record.values[2]);
    EXPECT_STREQ("Session setting", saved.record.name);
    EXPECT_EQ(150, saved.header.zoomPercent);
    EXPECT_EQ(7, saved.header.auxWord);
}

TEST_F(LV2Plugin, DamagedOrForeignStateRestoresNothing) {
    const std::vector<uint8_t> custom = customState();
    const LV2_URID chunk = LV2TestWorld::get().urid(LV2_ATOM__Chunk);
    LV2TestInstance instance(2, 48000.0);
    ASSERT_EQ(LV2_STATE_SUCCESS, instance.restoreData(custom, chunk));
    instance.run(64);
    const std::vector<uint8_t> before = instance.saveData();

    std::vector<std::vector<uint8_t>> hostile;
    for (const size_t length : {1u, 4u, 8u, 12u, 49u, 200u, 1216u, 1224u})
        hostile.emplace_back(custom.begin(), custom.begin() + static_cast<std::ptrdiff_t>(length));
    std::mt19937 random(10);
    for (int i = 0; i < 200; ++i) {
        std::vector<uint8_t> bytes(random() % 2000 + 1);
        for (uint8_t& byte : bytes)
            byte = static_cast<uint8_t>(random());
        if (i % 2 == 0 && bytes.size() >= 8)
            std::memcpy(bytes.data(), custom.data(), 8);  // the right prefix, garbage after it
        hostile.push_back(bytes);
    }
    std::vector<uint8_t> foreign = custom;
    std::memcpy(foreign.data() + 4, "ABCD", 4);
    hostile.push_back(foreign);
    for (const std::vector<uint8_t>& bytes : hostile) {
        EXPECT_NE(LV2_STATE_SUCCESS, instance.restoreData(bytes, chunk)) << bytes.size() << " bytes";
        instance.run(64);
        ASSERT_EQ(before, instance.saveData()) << bytes.size() << " bytes";
    }
    EXPECT_EQ(LV2_STATE_ERR_BAD_TYPE, instance.restoreData(custom, LV2TestWorld::get().urid(LV2_ATOM__String)));
    EXPECT_EQ(before, instance.saveData());
}

using PortValues = std::map<std::string, float>;

// The control ports as the UI's controller writes them (the controls come
// first, in the order of kPortSettings).
void recordWrite(void* values, uint32_t port, uint32_t size, uint32_t format, const void* buffer) {
    if (format == 0 && size == sizeof(float) && port < kPortSettings.size())
        std::memcpy(&(*static_cast<PortValues*>(values))[kPortSettings[port].first], buffer, sizeof(float));
}

void collectPortValue(const char* symbol, void* values, const void* value, uint32_t size, uint32_t) {
    if (size == sizeof(float))
        std::memcpy(&(*static_cast<PortValues*>(values))[symbol], value, sizeof(float));
}

TEST_F(LV2Plugin, HostLoadedPresetSetsThePortsAsThePresetMenuDoes) {
    LV2TestWorld& world = LV2TestWorld::get();
    LilvNode* presetClass = lilv_new_uri(world.world(), LV2_PRESETS__Preset);
    LilvNodes* presets = lilv_plugin_get_related(world.plugin(2), presetClass);
    std::map<std::string, PortValues> hostPresets;  // by label
    LILV_FOREACH(nodes, i, presets) {
        const LilvNode* preset = lilv_nodes_get(presets, i);
        lilv_world_load_resource(world.world(), preset);
        LilvState* state = lilv_state_new_from_world(world.world(), world.map(), preset);
        ASSERT_NE(nullptr, state);
        lilv_state_emit_port_values(state, collectPortValue, &hostPresets[lilv_state_get_label(state)]);
        lilv_state_free(state);
    }
    lilv_nodes_free(presets);
    lilv_node_free(presetClass);

    const HRX_LV2_Product& product = HRX_LV2_GetProduct();
    LV2TestInstance defaults(2, 48000.0);
    PortValues menu;
    HRX_LV2_UIParameters parameters(product, recordWrite, &menu, nullptr);
    HRX_AAX_ControllerWrapper controller(&parameters);
    controller.attach(::product().createController(&controller));
    HRXPresetManager& manager = *controller.getPresetManager();
    manager.group = HRXPresetLibrary::kFactoryGroup;
    int32_t chosen = 0;
    for (int32_t category = 0; category < HRXPresetLibrary::categoryCount(manager.group); ++category) {
        for (int32_t index = 0; index < HRXPresetLibrary::itemCount(manager.group, category); ++index) {
            for (int32_t i = 0; i < product.controlCount; ++i) {  // the ports at their defaults
                const std::string& symbol = kPortSettings[static_cast<size_t>(i)].first;
                parameters.portChanged(i, menu[symbol] = defaults.get(symbol));
            }
            manager.category = category;
            manager.selectPreset(index);
            const std::string name = HRXPresetLibrary::item(manager.group, category, index)->name;
            EXPECT_EQ(hostPresets[name], menu) << name;
            ++chosen;
        }
    }
    EXPECT_GT(chosen, 30);
}

}  // namespace
