// The plug-in on the lilv host's render thread while the main thread does
// what hosts and UIs do at once. The ThreadSanitizer build runs this test
// (CTest label "threaded").

#include "HRX_LV2_Messages.h"
#include "LV2ThreadedInstance.h"
#include "PresetTestSupport.h"
#include "TestState.h"

#include <lv2/atom/atom.h>

#include <algorithm>
#include <cmath>
#include <random>

#include <gtest/gtest.h>

namespace {

float largestDifference(const Channels& a, const Channels& b) {
    float largest = 0.0f;
    for (size_t c = 0; c < a.size(); ++c) {
        for (size_t i = 0; i < a[c].size(); ++i)
            largest = std::max(largest, std::fabs(a[c][i] - b[c][i]));
    }
    return largest;
}

// Automation and bypass, UI messages, saves beside run() and restores in a
// pause, a few thousand of them; afterwards the engine sounds as a fresh
// instance given the last values, and the state is what the UI sent last.
TEST(LV2Threaded, PortsMessagesAndStateFromTheMainThreadWhileTheRenderThreadRuns) {
    TemporaryUserHome home;
    LV2TestWorld& world = LV2TestWorld::get();
    const LV2_URID chunk = world.urid(LV2_ATOM__Chunk);
    const HRX_LV2_URIDs urids(world.map(), HRX_LV2_GetProduct());
    const std::vector<uint8_t> custom = customState();
    const std::vector<uint8_t> request = requestMessage();
    LV2ThreadedInstance host(2, 48000.0, testProgramme(2, 48000, 1.0));
    const std::vector<LV2ThreadedInstance::Control>& controls = host.controls();
    // Every state data the plug-in may send its UI: the one it starts with,
    // those the UI sent and those restored.
    std::vector<std::vector<uint8_t>> states = {host.saveData(), custom};
    // Learns the state data in a snapshot.
    LV2TestInstance scratch(2, 48000.0);
    LilvState* snapshot = host.saveState();
    std::vector<std::vector<uint8_t>> received;
    std::mt19937 random(13);

    host.start();
    for (int change = 0; change < 4000; ++change) {
        const uint32_t action = random() % 20;
        if (action < 12) {
            const LV2ThreadedInstance::Control& control = controls[random() % controls.size()];
            host.set(control.symbol, std::uniform_real_distribution<float>(control.minimum, control.maximum)(random));
        } else if (action == 12) {
            host.set("enabled", static_cast<float>(random() % 2));
        } else if (action == 13) {
            host.send(stateMessage(states[random() % states.size()]));
        } else if (action == 14) {
            host.send(request);
        } else if (action == 15) {
            states.push_back(host.saveData());
            ASSERT_FALSE(states.back().empty());
        } else if (action == 16) {
            ASSERT_EQ(LV2_STATE_SUCCESS, host.restoreData(states[random() % states.size()], chunk));
        } else if (action == 17) {
            lilv_state_free(snapshot);
            snapshot = host.saveState();
            ASSERT_NE(nullptr, snapshot);
            scratch.restoreState(snapshot);
            states.push_back(scratch.saveData());
        } else if (action == 18) {
            host.restoreState(snapshot);
        } else {
            host.waitForDelivery(host.posted());  // the next changes land in a later block
        }
        for (std::vector<uint8_t>& message : host.takeReceived())
            received.push_back(std::move(message));
    }

    // The last values: the ports at their defaults but those the custom
    // state sets, processing on, and the custom state from the UI.
    LV2TestInstance fresh(2, 48000.0);
    ASSERT_EQ(LV2_STATE_SUCCESS, fresh.restoreData(custom, chunk));
    fresh.set(kCustomStatePorts);
    for (const LV2ThreadedInstance::Control& control : controls)
        host.set(control.symbol, fresh.get(control.symbol));
    host.send(stateMessage(custom));
    host.waitForDelivery(host.posted());
    EXPECT_EQ(custom, host.saveData());
    host.stop();
    lilv_state_free(snapshot);
    EXPECT_TRUE(host.outputFinite());

    for (std::vector<uint8_t>& message : host.takeReceived())
        received.push_back(std::move(message));
    EXPECT_FALSE(received.empty());
    for (const std::vector<uint8_t>& message : received) {
        const HRX_LV2_Message read = HRX_LV2_ReadMessage(urids, atomOf(message));
        ASSERT_EQ(HRX_LV2_Message::Kind::State, read.kind);
        const std::vector<uint8_t> sent(read.bytes, read.bytes + read.size);
        EXPECT_NE(states.end(), std::find(states.begin(), states.end(), sent)) << "torn state data";
    }

    // Both engines restart with the last values (a fresh one would glide to
    // them from its defaults). The noise floor of the detector (about 1e-10)
    // runs on through a restart, so the two differ by rounding.
    fresh.run(0, false);
    lilv_instance_deactivate(fresh.lilv());
    lilv_instance_activate(fresh.lilv());
    const Channels input = testProgramme(2, 48000, 0.25);
    const Channels output = host.restartAndRender(input);
    EXPECT_LT(largestDifference(output, fresh.render(input, {LV2ThreadedInstance::kBlockFrames})), 1e-6f);
    LV2TestInstance plain(2, 48000.0);
    EXPECT_GT(largestDifference(output, plain.render(input, {LV2ThreadedInstance::kBlockFrames})), 0.01f);
}

}  // namespace
