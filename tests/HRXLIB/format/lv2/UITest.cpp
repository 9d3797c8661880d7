// The UI as a host embeds it, on a private X server: opening it and telling
// it the ports' values writes no port; the DSP's state arrives without a
// write and sizes the window; an edit is written inside a touch gesture and
// the changed state goes back to the DSP; the gain-reduction port feeds the
// needle.

// Before Xlib, whose macros (None) break gtest's names.
#include <gtest/gtest.h>

#include "HRX_LV2_EditorWrapper.h"
#include "HRX_LV2_Messages.h"
#include "HRX_LV2_Ports.h"
#include "HRX_LV2_UI.h"
#include "HRXAnimKnob.h"
#include "LV2TestHost.h"
#include "PresetTestSupport.h"
#include "ReferenceRender.h"
#include "TestState.h"
#include "XvfbSession.h"
#include "velvaTonEditor.h"

#include <lv2/ui/ui.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>
#include <functional>
#include <memory>

const LV2UI_Descriptor* lv2ui_descriptor(uint32_t index);

namespace {

constexpr int kStrip = 52;

struct Write {
    uint32_t port;
    uint32_t format;
    std::vector<uint8_t> bytes;
};

class LV2UI : public ::testing::Test {
protected:
    void SetUp() override {
        if (!XvfbSession::isInstalled())
            GTEST_SKIP() << XvfbSession::kNotInstalled;
        xvfb_ = std::make_unique<XvfbSession>();
        ASSERT_TRUE(xvfb_->isRunning()) << xvfb_->error();
        user_ = XOpenDisplay(nullptr);
        ASSERT_NE(user_, nullptr);
        parent_ = XCreateSimpleWindow(user_, DefaultRootWindow(user_), 0, 0, 800, 600, 0, 0, 0);
        XMapWindow(user_, parent_);
        XSync(user_, False);

        LV2TestWorld& world = LV2TestWorld::get();
        urids_ = std::make_unique<HRX_LV2_URIDs>(world.map(), HRX_LV2_GetProduct());
        resize_ = {this, [](LV2UI_Feature_Handle self, int width, int height) {
                       static_cast<LV2UI*>(self)->sizes_.emplace_back(width, height);
                       return 0;
                   }};
        touch_ = {this, [](LV2UI_Feature_Handle self, uint32_t port, bool grabbed) {
                      static_cast<LV2UI*>(self)->touches_.emplace_back(port, grabbed);
                  }};
        const LV2_Feature mapFeature = {LV2_URID__map, world.map()};
        const LV2_Feature parentFeature = {LV2_UI__parent, reinterpret_cast<void*>(static_cast<uintptr_t>(parent_))};
        const LV2_Feature resizeFeature = {LV2_UI__resize, &resize_};
        const LV2_Feature touchFeature = {LV2_UI__touch, &touch_};
        const LV2_Feature* features[] = {&mapFeature, &parentFeature, &resizeFeature, &touchFeature, nullptr};
        descriptor_ = lv2ui_descriptor(0);
        ASSERT_NE(nullptr, descriptor_);
        LV2UI_Widget widget = nullptr;
        handle_ = descriptor_->instantiate(descriptor_, LV2TestWorld::pluginUri(2).c_str(), "", &LV2UI::record, this,
                                           &widget, features);
        ASSERT_NE(nullptr, handle_);
        window_ = static_cast<Window>(reinterpret_cast<uintptr_t>(widget));
        ASSERT_NE(0u, window_);
        idle_ = static_cast<const LV2UI_Idle_Interface*>(descriptor_->extension_data(LV2_UI__idleInterface));
        ASSERT_NE(nullptr, idle_);
        pump(20);
    }

    void TearDown() override {
        if (handle_)
            descriptor_->cleanup(handle_);
        if (user_)
            XCloseDisplay(user_);
        xvfb_.reset();
    }

    static void record(LV2UI_Controller self, uint32_t port, uint32_t size, uint32_t format, const void* buffer) {
        const auto* bytes = static_cast<const uint8_t*>(buffer);
        static_cast<LV2UI*>(self)->writes_.push_back({port, format, std::vector<uint8_t>(bytes, bytes + size)});
    }

    // The host's UI thread: idle calls with a little time between them.
    void pump(int passes) {
        for (int i = 0; i < passes; ++i) {
            XSync(user_, False);
            ASSERT_EQ(0, idle_->idle(handle_));
            const timespec pause{0, 3000000L};
            nanosleep(&pause, nullptr);
        }
    }

    void portEvent(uint32_t port, float value) { descriptor_->port_event(handle_, port, sizeof value, 0, &value); }
    void tellPorts(const PortSettings& settings) {
        for (size_t i = 0; i < settings.size(); ++i)
            portEvent(static_cast<uint32_t>(i), settings[i].second);
    }
    void sendState(const std::vector<uint8_t>& state) {
        const std::vector<uint8_t> message = stateMessage(state);
        descriptor_->port_event(handle_, ports_.notify(), lv2_atom_total_size(atomOf(message)),
                                urids_->atomEventTransfer, message.data());
    }
    std::vector<Write> controlWrites() const {
        std::vector<Write> found;
        for (const Write& write : writes_) {
            if (write.format == 0)
                found.push_back(write);
        }
        return found;
    }
    HRX_LV2_Message messageOf(const Write& write) const {
        return HRX_LV2_ReadMessage(*urids_, reinterpret_cast<const LV2_Atom*>(write.bytes.data()));
    }
    velvaTonEditor& editor() {
        return *dynamic_cast<velvaTonEditor*>(static_cast<HRX_LV2_UI*>(handle_)->getEditor().getEditor());
    }
    void pointerTo(int x, int y) {
        int rootX = 0, rootY = 0;
        Window child = 0;
        XTranslateCoordinates(user_, window_, DefaultRootWindow(user_), x, y, &rootX, &rootY, &child);
        XTestFakeMotionEvent(user_, -1, rootX, rootY, CurrentTime);
        pump(2);
    }

    const HRX_LV2_Ports ports_{static_cast<int32_t>(kPortSettings.size()), 2};
    TemporaryUserHome home_;
    std::unique_ptr<XvfbSession> xvfb_;
    Display* user_ = nullptr;
    Window parent_ = 0;
    Window window_ = 0;
    std::unique_ptr<HRX_LV2_URIDs> urids_;
    LV2UI_Resize resize_{};
    LV2UI_Touch touch_{};
    const LV2UI_Descriptor* descriptor_ = nullptr;
    const LV2UI_Idle_Interface* idle_ = nullptr;
    LV2UI_Handle handle_ = nullptr;
    std::vector<Write> writes_;
    std::vector<std::pair<int, int>> sizes_;
    std::vector<std::pair<uint32_t, bool>> touches_;
};

TEST_F(LV2UI, OpeningAndHearingTheHostWriteNoPortAndTheDSPStateSizesTheWindow) {
    EXPECT_EQ((std::vector<std::pair<int, int>>{{400, 327}}), sizes_);
    tellPorts(kPortSettings);
    portEvent(ports_.enabled(), 0.0f);
    portEvent(ports_.gainReduction(), 0.25f);
    pump(10);
    // The one message asks the DSP for its state.
    ASSERT_EQ(1u, writes_.size());
    EXPECT_EQ(ports_.controlIn(), writes_[0].port);
    EXPECT_EQ(urids_->atomEventTransfer, writes_[0].format);
    EXPECT_EQ(HRX_LV2_Message::Kind::Request, messageOf(writes_[0]).kind);
    // The editor shows what the host told it.
    EXPECT_EQ(HRX_LV2_Normalised(HRX_LV2_GetProduct().controls[3], 3.5f), editor().getKnob(4)->getValue());

    sendState(customState());
    pump(10);
    EXPECT_EQ(1u, writes_.size());  // restored, not written back
    EXPECT_EQ(std::make_pair(600, 490), sizes_.back());
    XWindowAttributes attributes{};
    XGetWindowAttributes(user_, window_, &attributes);
    EXPECT_EQ(600, attributes.width);
    // Hosts that embed through suil take the window's size from its hints.
    XSizeHints hints{};
    long supplied = 0;
    ASSERT_TRUE(XGetWMNormalHints(user_, window_, &hints, &supplied));
    EXPECT_EQ(std::make_pair(600, 490), std::make_pair(hints.base_width, hints.base_height));
}

TEST_F(LV2UI, AnEditIsWrittenInsideATouchGestureAndTheChangedStateGoesToTheDSP) {
    // The ports as customState() sets them.
    tellPorts({{"process", 2.0f},
               {"ratio", 1.0f},
               {"attack_ratio", 3.0f},
               {"time", 8.0f},
               {"compression", 5.0f},
               {"output", 4.5f},
               {"valve_level", 0.0f}});
    sendState(customState());
    pump(5);
    writes_.clear();
    // Drag the Time knob down by 60 pixels at 150 %: 300 pixels span its range.
    pointerTo(static_cast<int>(85 * 1.5), static_cast<int>((kStrip + 200) * 1.5));
    XTestFakeButtonEvent(user_, 1, True, CurrentTime);
    for (int step = 1; step <= 6; ++step)
        pointerTo(static_cast<int>(85 * 1.5), static_cast<int>((kStrip + 200 + 15 * step) * 1.5));
    XTestFakeButtonEvent(user_, 1, False, CurrentTime);
    pump(10);

    const std::vector<Write> edits = controlWrites();
    ASSERT_FALSE(edits.empty());
    float last = 0.0f;
    for (const Write& write : edits) {
        EXPECT_EQ(3u, write.port);  // time
        std::memcpy(&last, write.bytes.data(), sizeof last);
    }
    EXPECT_LT(last, 8.0f);
    EXPECT_GT(last, 4.0f);
    ASSERT_GE(touches_.size(), 2u);
    EXPECT_EQ(std::make_pair(3u, true), touches_.front());
    EXPECT_EQ(std::make_pair(3u, false), touches_.back());
    const auto state = std::find_if(writes_.begin(), writes_.end(), [&](const Write& write) {
        return write.port == ports_.controlIn() && messageOf(write).kind == HRX_LV2_Message::Kind::State;
    });
    ASSERT_NE(writes_.end(), state) << "the changed state never reached the DSP";
}

TEST_F(LV2UI, GainReductionPortFeedsTheNeedle) {
    portEvent(ports_.gainReduction(), 0.5f);
    EXPECT_EQ(0.5, editor().getNeedle().getTargetValue());
    portEvent(ports_.gainReduction(), 3.0f);
    EXPECT_EQ(1.0, editor().getNeedle().getTargetValue());
    EXPECT_TRUE(controlWrites().empty());
}

}  // namespace
