// The plug-in library on the host's render thread while the main thread works
// the instance as users and hosts do. The ThreadSanitizer build runs these
// tests (CTest label "threaded").

// Before Xlib, whose macros (None) break gtest's names.
#include <gtest/gtest.h>

#include "AAXHostEditor.h"
#include "AAXHostWindow.h"
#include "AAX_IPrivateDataAccess.h"
#include "HRX_AAX_RenderState.h"
#include "PresetTestSupport.h"
#include "ProbedPlugin.h"
#include "XvfbSession.h"
#include "velvaTonParameters.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr int32_t kBlockFrames = 256;
constexpr int kStrip = 52;

// A loud, deterministic stereo programme: a tone whose level steps every
// 4000 frames, so the compressor moves all the time.
float programmeSample(int64_t frame, int32_t channel) {
    const float level = (frame / 4000) % 2 == 0 ? 0.9f : 0.2f;
    return level * std::sin(0.031f * static_cast<float>(frame) + 0.5f * static_cast<float>(channel));
}

// The render thread's audio: the programme in, the first `blocks` blocks of
// output kept with the hand-over ticket each block was rendered after.
class Recorder final : public AAXHostAudioClient {
public:
    explicit Recorder(int64_t blocks)
        : output(2, std::vector<float>(static_cast<size_t>(blocks * kBlockFrames))),
          delivered(static_cast<size_t>(blocks)) {}

    void fillInput(const AAXHostBlock& block, float* const* inputs) override {
        for (int32_t c = 0; c < 2; ++c)
            for (int32_t i = 0; i < block.frames; ++i)
                inputs[c][i] = programmeSample(block.index * block.frames + i, c);
        if (block.index < static_cast<int64_t>(delivered.size()))
            delivered[static_cast<size_t>(block.index)] = block.delivered;
    }
    void takeOutput(const AAXHostBlock& block, const float* const* outputs) override {
        for (int32_t c = 0; c < 2; ++c) {
            for (int32_t i = 0; i < block.frames; ++i) {
                finite = finite && std::isfinite(outputs[c][i]);
                if (block.index < static_cast<int64_t>(delivered.size()))
                    output[static_cast<size_t>(c)][static_cast<size_t>(block.index * block.frames + i)] = outputs[c][i];
            }
        }
    }

    // Read once the thread has stopped.
    std::vector<std::vector<float>> output;
    std::vector<uint64_t> delivered;
    bool finite = true;
};

// The main thread waits (never the render thread).
void waitForBlocks(const AAXHostInstance& instance, int64_t count) {
    while (instance.renderedBlocks() < count)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

class ThreadedEndToEnd : public ::testing::Test {
protected:
    TemporaryUserHome home_;
    ManualClock clock_;
    ProbedPlugin probe_;
};

// The same main-thread calls, each landing before the same block, render the
// same audio on the render thread as on one thread: threads change no sound.
TEST_F(ThreadedEndToEnd, RenderThreadSoundsAsOneThreadWithTheSameChangesAtTheSameBlocks) {
    auto threaded = probe_.host.createInstance(AAXHostVariant::Stereo, 48000.0);
    auto single = probe_.host.createInstance(AAXHostVariant::Stereo, 48000.0);
    ASSERT_TRUE(threaded && single);
    std::vector<AAXHostChunk> saved;
    ASSERT_EQ(AAX_SUCCESS, threaded->getState(&saved));

    // One host call each: host automation, a user's gesture in the host, the
    // editor's edits answered at idle, presets, A/B, a session restore,
    // bypass, the direct-data timer.
    const std::string compression = parameterIdTable[kCompression];
    const std::vector<std::function<void(AAXHostInstance&)>> calls = {
        [&](AAXHostInstance& i) { i.setParameterValue(compression, 0.8); },
        [&](AAXHostInstance& i) { i.touchParameter(parameterIdTable[kRatio]); },
        [&](AAXHostInstance& i) { i.setParameterValue(parameterIdTable[kRatio], 1.0); },
        [&](AAXHostInstance& i) { i.releaseParameter(parameterIdTable[kRatio]); },
        [&](AAXHostInstance& i) { probe_.edit(i.parameters(), kTime, 0.2); },
        [&](AAXHostInstance& i) { i.idle(); },
        [&](AAXHostInstance& i) { probe_.selectPreset(i.parameters(), 3); },
        [&](AAXHostInstance& i) { i.idle(); },
        [&](AAXHostInstance& i) { probe_.selectSetup(i.parameters(), 1.0); },
        [&](AAXHostInstance& i) { i.idle(); },
        [&](AAXHostInstance& i) { probe_.selectSetup(i.parameters(), 0.0); },
        [&](AAXHostInstance& i) { i.idle(); },
        [&](AAXHostInstance& i) { i.setParameterValue("MasterBypassID", 1.0); },
        [&](AAXHostInstance& i) { i.setParameterValue("MasterBypassID", 0.0); },
        [&](AAXHostInstance& i) { i.setState(saved); },
        [&](AAXHostInstance& i) { i.idle(); },
        [&](AAXHostInstance& i) { i.timerWakeup(); },
        [&](AAXHostInstance& i) { i.setParameterValue(compression, 1.0); },
    };

    const int64_t blocks = 200;  // about a second
    Recorder recorder(blocks);
    ASSERT_EQ(AAX_SUCCESS, threaded->startRenderThread(recorder, kBlockFrames));
    std::vector<uint64_t> tickets;
    for (const auto& call : calls) {
        call(*threaded);
        tickets.push_back(threaded->postedTicket());
        threaded->waitForDelivery(tickets.back());
        waitForBlocks(*threaded, threaded->renderedBlocks() + 3);
    }
    waitForBlocks(*threaded, blocks);
    threaded->stopRenderThread();
    EXPECT_TRUE(recorder.finite);

    // One thread: each call just before the first block that was rendered
    // after its hand-over; the timer ran before the first block there too.
    single->timerWakeup();
    std::vector<std::vector<float>> output(2, std::vector<float>(static_cast<size_t>(blocks * kBlockFrames)));
    std::vector<float> input[2] = {std::vector<float>(kBlockFrames), std::vector<float>(kBlockFrames)};
    std::vector<int64_t> landed;
    size_t next = 0;
    for (int64_t block = 0; block < blocks; ++block) {
        for (; next < calls.size() && tickets[next] <= recorder.delivered[static_cast<size_t>(block)]; ++next) {
            calls[next](*single);
            landed.push_back(block);
        }
        for (int32_t c = 0; c < 2; ++c)
            for (int32_t i = 0; i < kBlockFrames; ++i)
                input[c][static_cast<size_t>(i)] = programmeSample(block * kBlockFrames + i, c);
        const float* inputs[2] = {input[0].data(), input[1].data()};
        float* outputs[2] = {output[0].data() + block * kBlockFrames, output[1].data() + block * kBlockFrames};
        ASSERT_EQ(AAX_SUCCESS, single->render(inputs, outputs, kBlockFrames));
    }
    ASSERT_GE(landed.size(), 8u) << "the render thread fell too far behind to test anything";
    EXPECT_GT(landed.back(), landed.front());
    for (int32_t c = 0; c < 2; ++c)
        EXPECT_TRUE(recorder.output[static_cast<size_t>(c)] == output[static_cast<size_t>(c)]) << "channel " << c;
}

// Everything a session does at once while the instance renders: pointer
// edits in the editor window, presets, A/B, saving and restoring, automation,
// closing and opening the editor, the mailbox through the timer. Afterwards
// the engine holds what the host holds.
TEST_F(ThreadedEndToEnd, SessionWorkOnTheMainThreadWhileTheRenderThreadRuns) {
    if (!XvfbSession::isInstalled())
        GTEST_SKIP() << XvfbSession::kNotInstalled;
    XvfbSession xvfb;
    ASSERT_TRUE(xvfb.isRunning()) << xvfb.error();
    Display* user = XOpenDisplay(nullptr);
    ASSERT_NE(user, nullptr);
    std::string error;
    std::unique_ptr<AAXHostWindow> window = AAXHostWindow::open("velvaTon threads", 400, 327, &error);
    ASSERT_TRUE(window) << error;
    auto instance = probe_.host.createInstance(AAXHostVariant::Stereo, 48000.0);
    ASSERT_TRUE(instance);
    auto open = [&] {
        ASSERT_EQ(AAX_SUCCESS, instance->createEditor());
        instance->editor()->onViewSizeRequest = [&](const AAX_Point& size) {
            window->resize(static_cast<int>(size.horz), static_cast<int>(size.vert));
        };
        ASSERT_EQ(AAX_SUCCESS, instance->editor()->attach(window->id()));
    };
    // The host's main loop until the condition holds; false after 10 s.
    auto pumpUntil = [&](const std::function<bool()>& condition) {
        const time_t deadline = time(nullptr) + 10;
        for (;;) {
            XSync(user, False);
            window->pump();
            instance->idle();
            if (condition())
                return true;
            if (time(nullptr) > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    };
    auto hostValue = [&](int32_t slot) {
        double value = -1.0;
        instance->parameterValue(parameterIdTable[slot], &value);
        return value;
    };
    // Pointer input at window coordinates (the window sits at 0,0).
    auto moveTo = [&](int x, int y) { XTestFakeMotionEvent(user, -1, x, y, CurrentTime); };
    auto click = [&](unsigned int button) {
        XTestFakeButtonEvent(user, button, True, CurrentTime);
        XTestFakeButtonEvent(user, button, False, CurrentTime);
    };

    open();
    Recorder recorder(0);
    ASSERT_EQ(AAX_SUCCESS, instance->startRenderThread(recorder, kBlockFrames));
    waitForBlocks(*instance, 1);
    EXPECT_GT(instance->meterValue(0), 0.0f) << "the input peak as published after a block";
    std::vector<float> audio(kBlockFrames, 0.5f);
    const float* inputs[2] = {audio.data(), audio.data()};
    float* outputs[2] = {audio.data(), audio.data()};
    EXPECT_EQ(AAX_ERROR_RENDER_THREAD_RUNNING, instance->render(inputs, outputs, kBlockFrames));
    EXPECT_EQ(AAX_ERROR_RENDER_THREAD_RUNNING, instance->setSampleRate(44100.0));

    std::vector<AAXHostChunk> state;
    for (int round = 0; round < 3; ++round) {
        // Drag the Time knob and turn Ratio by a wheel notch, each away
        // from the end of its range it is nearer.
        const double time = hostValue(kTime);
        moveTo(85, kStrip + 200);
        XTestFakeButtonEvent(user, 1, True, CurrentTime);
        for (int step = 1; step <= 3; ++step) {
            moveTo(85, kStrip + 200 + (time < 0.5 ? -10 : 10) * step);
            ASSERT_TRUE(pumpUntil([] { return true; }));
        }
        XTestFakeButtonEvent(user, 1, False, CurrentTime);
        ASSERT_TRUE(pumpUntil([&] { return hostValue(kTime) != time; })) << round;
        const double ratio = hostValue(kRatio);
        moveTo(85, kStrip + 85);
        click(ratio < 0.5 ? 4 : 5);
        ASSERT_TRUE(pumpUntil([&] { return hostValue(kRatio) != ratio; })) << round;

        probe_.selectPreset(instance->parameters(), round + 1);
        probe_.selectSetup(instance->parameters(), 1.0);
        ASSERT_TRUE(pumpUntil([] { return true; }));
        probe_.selectSetup(instance->parameters(), 0.0);
        ASSERT_EQ(AAX_SUCCESS, instance->getState(&state));
        ASSERT_EQ(AAX_SUCCESS, instance->setState(state));
        for (int step = 0; step <= 20; ++step) {
            instance->setParameterValue(parameterIdTable[kOutput], step / 20.0);
            instance->idle();
        }
        probe_.set(instance->parameters(), 20, 0.1 * round);
        ASSERT_TRUE(pumpUntil([&] { return probe_.pending(instance->parameters()) == 0; })) << "the timer never came";

        instance->editor()->detach();
        if (round == 1) {
            instance->destroyEditor();
            open();
        } else {
            instance->editor()->attach(window->id());
        }
        ASSERT_TRUE(pumpUntil([] { return true; }));
    }

    // More automation than the ring holds: the main thread waits for room.
    for (int step = 0; step <= 5000; ++step)
        instance->setParameterValue(parameterIdTable[kOutput], step / 5000.0);

    instance->stopRenderThread();
    EXPECT_GT(instance->renderedBlocks(), 3);
    EXPECT_TRUE(recorder.finite);
    // One more block on this thread: the render cache then holds, for every
    // host parameter, the value the host holds.
    ASSERT_EQ(AAX_SUCCESS, instance->render(inputs, outputs, kBlockFrames));
    float cache[kParameterSlots] = {};
    ASSERT_EQ(AAX_SUCCESS, instance->privateData().ReadPortDirect(
                               kField_RenderCache, HRX_AAX_RenderCache::valuesOffset(), sizeof cache, cache));
    for (int32_t slot = 0; slot < kPresetValues; ++slot) {
        if (getParameterFlags(slot) & kFlagHostParameter) {
            EXPECT_EQ(static_cast<float>(hostValue(slot)), cache[slot]) << slot;
        }
    }
    instance->destroyEditor();
    instance.reset();
    window.reset();
    XCloseDisplay(user);
}

}  // namespace
