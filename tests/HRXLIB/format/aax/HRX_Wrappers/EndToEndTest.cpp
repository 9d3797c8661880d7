// The plug-in library as a host drives it: edits through the controller,
// internal slots through the mailbox and timer, sessions saved and restored,
// hostile chunks, many instances, and a render path that allocates nothing.

#include "AAXHost.h"
#include "AAX_Errors.h"
#include "AAX_FourCC.h"
#include "AllocationCounter.h"
#include "PluginLibrary.h"
#include "ProbedPlugin.h"
#include "PresetTestSupport.h"
#include "velvaTonEffect.h"
#include "velvaTonParameters.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr int32_t kBlock = 256;

// A deterministic programme: a decaying tone burst with some noise, loud
// enough to make the compressor work.
std::vector<float> programme(int32_t frames, uint32_t seed) {
    std::vector<float> samples(static_cast<size_t>(frames));
    std::minstd_rand random(seed);
    std::uniform_real_distribution<float> noise(-0.2f, 0.2f);
    for (int32_t i = 0; i < frames; ++i) {
        const float envelope = (i / 4000) % 2 == 0 ? 0.9f : 0.15f;
        samples[static_cast<size_t>(i)] = envelope * (0.7f * std::sin(0.031f * static_cast<float>(i)) + noise(random));
    }
    return samples;
}

// Renders frames [start, start + length) of `channels` in place through the instance.
AAX_Result renderBlock(AAXHostInstance& instance, std::vector<std::vector<float>>& channels, int32_t start,
                       int32_t length) {
    const float* inputs[2] = {};
    float* outputs[2] = {};
    for (size_t c = 0; c < channels.size(); ++c)
        inputs[c] = outputs[c] = channels[c].data() + start;
    return instance.process(inputs, outputs, length);
}

void renderThrough(AAXHostInstance& instance, std::vector<std::vector<float>>& channels, int32_t block = kBlock) {
    const int32_t frames = static_cast<int32_t>(channels[0].size());
    for (int32_t start = 0; start < frames; start += block)
        ASSERT_EQ(AAX_SUCCESS, renderBlock(instance, channels, start, std::min(block, frames - start)));
}

std::vector<std::vector<float>> stereoProgramme(int32_t frames) {
    return {programme(frames, 1), programme(frames, 2)};
}

// A user's edit made in the host's own controls: touch, value, release.
void editInHost(AAXHostInstance& instance, int32_t slot, double value) {
    const std::string id = parameterIdTable[slot];
    ASSERT_EQ(AAX_SUCCESS, instance.touchParameter(id));
    ASSERT_EQ(AAX_SUCCESS, instance.setParameterValue(id, value));
    ASSERT_EQ(AAX_SUCCESS, instance.releaseParameter(id));
}

std::vector<uint8_t> allChunk(AAXHostInstance& instance) {
    AAXHostChunk chunk;
    EXPECT_EQ(AAX_SUCCESS, instance.getChunk(AAX_FourCC("All "), &chunk));
    return chunk.data;
}

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override { loadPlugin(host_); }

    std::unique_ptr<AAXHostInstance> create(AAXHostVariant variant, double rate = 48000.0) {
        AAX_Result result = AAX_SUCCESS;
        auto instance = host_.createInstance(variant, rate, &result);
        EXPECT_EQ(AAX_SUCCESS, result);
        return instance;
    }

    TemporaryUserHome home_;
    ManualClock clock_;
    AAXHost host_;
};

TEST_F(EndToEndTest, HostSeesEightParametersWithTheirKinds) {
    auto instance = create(AAXHostVariant::Stereo);
    ASSERT_EQ(8, instance->parameterCount());
    std::string text;
    ASSERT_EQ(AAX_SUCCESS, instance->masterBypassID(&text));
    EXPECT_EQ("MasterBypassID", text);
    EXPECT_EQ("MasterBypassID", instance->parameterID(0));
    const int32_t slots[] = {0, 2, 3, 4, 5, 6, 7};
    for (int32_t i = 0; i < 7; ++i)
        EXPECT_EQ(parameterIdTable[slots[i]], instance->parameterID(i + 1));
    EXPECT_EQ(AAX_SUCCESS, instance->parameterName("MasterBypassID", &text));
    EXPECT_EQ("Master Bypass", text);
    EXPECT_EQ(AAX_SUCCESS, instance->parameterString(parameterIdTable[6], 0.15, 32, &text));
    EXPECT_EQ("4.50", text);
    double value = -1.0;
    EXPECT_EQ(AAX_SUCCESS, instance->parameterValue(parameterIdTable[6], &value));
    EXPECT_EQ(static_cast<double>(0.15f), value);
}

// The same audio and settings through the host and through the engine alone.
TEST_F(EndToEndTest, HostRenderEqualsTheEngineSampleForSample) {
    for (AAXHostVariant variant : {AAXHostVariant::Mono, AAXHostVariant::Stereo}) {
        const int32_t channelCount = variant == AAXHostVariant::Mono ? 1 : 2;
        const int32_t frames = 20000;
        auto instance = create(variant, 44100.0);
        editInHost(*instance, kCompression, 0.8);
        editInHost(*instance, kRatio, 1.0);
        editInHost(*instance, kTime, 0.3);
        std::vector<std::vector<float>> hosted = stereoProgramme(frames);
        hosted.resize(static_cast<size_t>(channelCount));
        std::vector<std::vector<float>> direct = hosted;
        renderThrough(*instance, hosted, 333);

        velvaTonEffect engine;
        engine.setSampleRate(44100.0);
        double values[kPresetValues];
        for (int32_t slot = 0; slot < kPresetValues; ++slot)
            values[slot] = static_cast<double>(static_cast<float>(getParameterDefault(slot)));
        values[kCompression] = static_cast<double>(0.8f);
        values[kRatio] = 1.0;
        values[kTime] = static_cast<double>(0.3f);
        for (int32_t slot = 0; slot < kPresetValues; ++slot)
            if (presetValueFlags[slot])
                engine.setParameter(static_cast<uint32_t>(slot), values[slot]);
        for (int32_t start = 0; start < frames; start += 333) {
            float* channels[2] = {direct[0].data() + start, channelCount == 2 ? direct[1].data() + start : nullptr};
            engine.process(channels, channels, static_cast<uint32_t>(std::min(333, frames - start)));
        }
        for (int32_t c = 0; c < channelCount; ++c)
            ASSERT_EQ(0, std::memcmp(direct[c].data(), hosted[c].data(), sizeof(float) * frames)) << c;
    }
}

TEST_F(EndToEndTest, EditorEditReachesTheEngineByTheHostEcho) {
    ProbedPlugin probe;
    auto edited = probe.host.createInstance(AAXHostVariant::Stereo, 48000.0);
    auto automated = probe.host.createInstance(AAXHostVariant::Stereo, 48000.0);
    ASSERT_TRUE(edited && automated);

    probe.edit(edited->parameters(), kCompression, 0.9);
    // The controller stores the value only when the host echoes it, which it
    // does from its next idle.
    EXPECT_EQ(0.5, probe.value(edited->parameters(), kCompression));
    edited->idle();
    EXPECT_EQ(static_cast<double>(0.9f),
              static_cast<double>(static_cast<float>(probe.value(edited->parameters(), kCompression))));
    double hostValue = 0.0;
    ASSERT_EQ(AAX_SUCCESS, edited->parameterValue(parameterIdTable[kCompression], &hostValue));
    EXPECT_EQ(static_cast<double>(0.9f), hostValue);
    const std::vector<AAXHostGesture>& gestures = edited->gestures();
    ASSERT_GE(gestures.size(), 3u);
    EXPECT_EQ(AAXHostGesture::Touch, gestures.front().kind);
    EXPECT_EQ(AAXHostGesture::Release, gestures.back().kind);

    // The engine got it: the audio equals that of host automation to 0.9.
    ASSERT_EQ(AAX_SUCCESS, automated->setParameterValue(parameterIdTable[kCompression], 0.9));
    std::vector<std::vector<float>> a = stereoProgramme(9600);
    std::vector<std::vector<float>> b = a;
    const std::vector<float> dry = a[0];
    renderThrough(*edited, a);
    renderThrough(*automated, b);
    EXPECT_EQ(a, b);
    EXPECT_NE(dry, a[0]);

    // An edit is undoable state: the saved 'All ' chunk differs from a fresh one.
    auto fresh = probe.host.createInstance(AAXHostVariant::Stereo, 48000.0);
    EXPECT_NE(allChunk(*fresh), allChunk(*edited));
}

// The host answers an editor group's requests after the group has ended; the
// controller replays the echoes as one group, and the user's next edit is
// recorded for undo again.
TEST_F(EndToEndTest, EditAfterAnEditorGroupEntersTheUndoHistory) {
    ProbedPlugin probe;
    auto instance = probe.host.createInstance(AAXHostVariant::Stereo, 48000.0);
    ASSERT_TRUE(instance);
    AAX_IEffectParameters* parameters = instance->parameters();
    probe.edit(parameters, kMessageGroupBegin, 1.0);
    probe.edit(parameters, kRatio, 0.25);
    probe.edit(parameters, kTime, 0.75);
    probe.edit(parameters, kMessageGroupEnd, 1.0);
    instance->idle();
    instance->idle();
    ASSERT_DOUBLE_EQ(0.75, probe.value(parameters, kTime));

    const int32_t steps = probe.historySteps(parameters);
    probe.edit(parameters, kOutput, 0.4);
    instance->idle();
    EXPECT_DOUBLE_EQ(0.4, probe.value(parameters, kOutput));
    EXPECT_EQ(steps + 1, probe.historySteps(parameters)) << "the edit was not recorded";
}

TEST_F(EndToEndTest, InternalSlotsTravelThroughTheMailboxOnTheTimerCadence) {
    ProbedPlugin probe;
    auto instance = probe.host.createInstance(AAXHostVariant::Mono, 48000.0);
    ASSERT_TRUE(instance);
    std::vector<std::vector<float>> audio = {programme(64, 4)};
    renderThrough(*instance, audio);  // the timer runs before the first block
    probe.set(instance->parameters(), 20, 0.3);
    EXPECT_EQ(1, probe.pending(instance->parameters()));
    EXPECT_EQ(0.3, probe.value(instance->parameters(), 20));
    // 20 ms at 48 kHz are 960 frames: the next wake-up comes before block 15.
    for (int block = 1; block < 15; ++block) {
        renderThrough(*instance, audio);
        ASSERT_EQ(1, probe.pending(instance->parameters())) << block;
    }
    renderThrough(*instance, audio);
    EXPECT_EQ(0, probe.pending(instance->parameters()));

    probe.set(instance->parameters(), 20, 0.6);
    ASSERT_EQ(AAX_SUCCESS, instance->timerWakeup());
    EXPECT_EQ(0, probe.pending(instance->parameters()));
}

TEST_F(EndToEndTest, StateSavedFromOneInstanceRestoresIntoAFreshOne) {
    auto original = create(AAXHostVariant::Stereo);
    editInHost(*original, kProcess, 0.5);
    editInHost(*original, kCompression, 0.65);
    editInHost(*original, kOutput, 0.3);
    editInHost(*original, kValveLevel, 1.0);
    std::vector<AAXHostChunk> state;
    ASSERT_EQ(AAX_SUCCESS, original->getState(&state));
    ASSERT_EQ(2u, state.size());
    EXPECT_EQ(AAX_FourCC("elck"), state[0].id);
    EXPECT_EQ(AAX_FourCC("All "), state[1].id);
    EXPECT_EQ(1233u, state[1].data.size());

    auto restored = create(AAXHostVariant::Stereo);
    ASSERT_EQ(AAX_SUCCESS, restored->setState(state));
    restored->idle();
    for (int32_t i = 0; i < original->parameterCount(); ++i) {
        double expected = -1.0, actual = -2.0;
        original->parameterValue(original->parameterID(i), &expected);
        restored->parameterValue(restored->parameterID(i), &actual);
        EXPECT_EQ(expected, actual) << original->parameterID(i);
    }
    EXPECT_EQ(allChunk(*original), allChunk(*restored));

    std::vector<std::vector<float>> a = stereoProgramme(24000);
    std::vector<std::vector<float>> b = a;
    renderThrough(*original, a);
    renderThrough(*restored, b);
    EXPECT_EQ(a, b);
}

TEST_F(EndToEndTest, SixtyFourInstancesRenderSideBySide) {
    std::vector<std::unique_ptr<AAXHostInstance>> instances;
    for (int i = 0; i < 64; ++i) {
        instances.push_back(create(i % 2 ? AAXHostVariant::Stereo : AAXHostVariant::Mono, i % 3 ? 48000.0 : 96000.0));
        ASSERT_NE(nullptr, instances.back());
        editInHost(*instances.back(), kCompression, (i % 4) * 0.25);
    }
    EXPECT_GT(host_.canUnloadNow(), 64);
    std::vector<std::vector<std::vector<float>>> audio(64);
    for (int i = 0; i < 64; ++i) {
        audio[static_cast<size_t>(i)] = stereoProgramme(kBlock * 8);
        audio[static_cast<size_t>(i)].resize(i % 2 ? 2 : 1);
    }
    // Interleaved: every instance renders its block before the next block starts.
    for (int32_t start = 0; start < kBlock * 8; start += kBlock)
        for (size_t i = 0; i < 64; ++i)
            ASSERT_EQ(AAX_SUCCESS, renderBlock(*instances[i], audio[i], start, kBlock));
    // Instances with equal settings agree; no state leaks between instances.
    for (int i = 12; i < 64; ++i)
        EXPECT_EQ(audio[static_cast<size_t>(i - 12)], audio[static_cast<size_t>(i)]) << i;
    EXPECT_NE(audio[0], audio[2]);
    instances.clear();
    EXPECT_EQ(0, host_.canUnloadNow());
}

TEST_F(EndToEndTest, RenderCallsAllocateNothing) {
    auto instance = create(AAXHostVariant::Stereo);
    editInHost(*instance, kCompression, 0.7);
    std::vector<std::vector<float>> audio = stereoProgramme(kBlock * 16);

    // The counter sees the library's allocations: reading a chunk allocates.
    {
        AllocationCounter counting;
        allChunk(*instance);
        EXPECT_GT(counting.count(), 0);
    }
    ASSERT_EQ(AAX_SUCCESS, instance->timerWakeup());
    AllocationCounter counting;
    for (int32_t start = 0; start < kBlock * 16; start += kBlock) {
        const float* inputs[2] = {audio[0].data() + start, audio[1].data() + start};
        float* outputs[2] = {audio[0].data() + start, audio[1].data() + start};
        ASSERT_EQ(AAX_SUCCESS, instance->render(inputs, outputs, kBlock));
        // Between blocks, on the main thread: a packet, a rate change, bypass.
        counting.pause();
        if (start == kBlock * 4)
            instance->setParameterValue(parameterIdTable[kRatio], 0.9);
        if (start == kBlock * 8)
            instance->setSampleRate(96000.0);
        if (start == kBlock * 12)
            instance->setParameterValue("MasterBypassID", 1.0);
        counting.resume();
    }
    EXPECT_EQ(0, counting.count());

    // The render thread, while the main thread only waits.
    class Silence final : public AAXHostAudioClient {
        void fillInput(const AAXHostBlock&, float* const*) override {}
        void takeOutput(const AAXHostBlock&, const float* const*) override {}
    } silence;
    counting.pause();
    ASSERT_EQ(AAX_SUCCESS, instance->startRenderThread(silence, kBlock));
    counting.resume();
    while (instance->renderedBlocks() < 8)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    counting.pause();
    instance->stopRenderThread();
    EXPECT_EQ(0, counting.count());
}

}  // namespace
