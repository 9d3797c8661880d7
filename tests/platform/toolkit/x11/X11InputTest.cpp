#include "X11TestSupport.h"

#include "x11/X11Input.h"

#include "HRXKeyState.h"

#include <X11/keysym.h>

#include <string>
#include <vector>

using namespace VSTGUI;
using x11_test::X11Test;

namespace {

struct Event {
    std::string kind;
    CPoint where;
    int32_t buttons;
    float distance;
    bool operator==(const Event& o) const {
        return kind == o.kind && where == o.where && buttons == o.buttons && distance == o.distance;
    }
};

void PrintTo(const Event& e, std::ostream* os) {
    *os << e.kind << "(" << e.where.x << "," << e.where.y << " buttons " << e.buttons << " d " << e.distance << ")";
}

// Records what reaches it through the frame (local coordinates are frame
// coordinates: the view lies at the origin, the zoom is 2).
class RecordingView : public CView {
public:
    explicit RecordingView(std::vector<Event>* log) : CView(CRect(0, 0, 100, 75)), log_(log) {}
    CMouseEventResult onMouseDown(CPoint& p, const CButtonState& b) override { return record("down", p, b); }
    CMouseEventResult onMouseMoved(CPoint& p, const CButtonState& b) override { return record("moved", p, b); }
    CMouseEventResult onMouseUp(CPoint& p, const CButtonState& b) override { return record("up", p, b); }
    CMouseEventResult onMouseExited(CPoint& p, const CButtonState& b) override { return record("exited", p, b); }
    bool onWheel(const CPoint& p, const float& distance, const CButtonState& b) override {
        log_->push_back({"wheel", p, b.getButtonState(), distance});
        return true;
    }
    int32_t onKeyDown(VstKeyCode& key) override { return recordKey("key down", key); }
    int32_t onKeyUp(VstKeyCode& key) override { return recordKey("key up", key); }

private:
    CMouseEventResult record(const char* kind, const CPoint& p, const CButtonState& b) {
        log_->push_back({kind, p, b.getButtonState(), 0.0f});
        return kMouseEventHandled;
    }
    int32_t recordKey(const char* kind, const VstKeyCode& key) {
        // character, virtual key and modifiers packed for comparison
        log_->push_back({kind, CPoint(key.character, key.virt), key.modifier, 0.0f});
        return 1;
    }
    std::vector<Event>* log_;
};

TEST_F(X11Test, InputReachesTheFrameWithTheToolkitsBitsAndCoordinates) {
    X11::X11PlatformFrame* window = open(CRect(0, 0, 100, 75));
    ASSERT_NE(window, nullptr);
    editor_.frame->setZoom(2.0);  // window pixels 200 x 150 map to units
    std::vector<Event> log;
    auto* view = new RecordingView(&log);
    editor_.frame->addView(view);
    ASSERT_TRUE(pumpUntilDrawn(window));
    auto waitFor = [&](size_t count) { return pumpUntil([&] { return log.size() >= count; }); };

    moveTo(50, 40);
    ASSERT_TRUE(waitFor(1));
    log.clear();
    key(XK_Shift_L, true);
    button(1, true);
    moveTo(60, 46);
    button(1, false);
    key(XK_Shift_L, false);
    ASSERT_TRUE(waitFor(3));
    const int32_t shiftLeft = kLButton | kShift;
    EXPECT_EQ(log, (std::vector<Event>{{"down", CPoint(25, 20), shiftLeft, 0},
                                       {"moved", CPoint(30, 23), shiftLeft, 0},
                                       {"up", CPoint(30, 23), shiftLeft, 0}}));

    // A quick second click at the same spot is a double click; the third
    // starts over.
    log.clear();
    click(1);
    click(1);
    click(1);
    ASSERT_TRUE(waitFor(6));
    EXPECT_EQ(log[0].buttons, kLButton);
    EXPECT_EQ(log[2].buttons, kLButton | kDoubleClick);
    EXPECT_EQ(log[3], (Event{"up", CPoint(30, 23), kLButton, 0}));
    EXPECT_EQ(log[4].buttons, kLButton);

    // Wheel up, down, left and right; the right button with Control and the
    // Windows key held, which the key state reads as well.
    log.clear();
    for (unsigned int wheel : {4u, 5u, 6u, 7u})
        click(wheel);
    ASSERT_TRUE(waitFor(4));
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(log[i].kind, "wheel");
        EXPECT_EQ(log[i].where, CPoint(30, 23));
    }
    EXPECT_EQ(log[0].distance, 1.0f);
    EXPECT_EQ(log[1].distance, -1.0f);
    EXPECT_EQ(log[2].distance, 1.0f);
    EXPECT_EQ(log[3].distance, -1.0f);

    log.clear();
    key(XK_Control_L, true);
    key(XK_Super_L, true);
    button(3, true);
    ASSERT_TRUE(waitFor(1));
    EXPECT_EQ(log[0], (Event{"down", CPoint(30, 23), kRButton | kControl | kApple, 0}));
    EXPECT_EQ(editor_.frame->getCurrentMouseButtons().getButtonState(), kRButton | kControl | kApple);
    EXPECT_TRUE(isKeyDown(HRXKey::Control));
    EXPECT_TRUE(isKeyDown(HRXKey::Windows));
    EXPECT_FALSE(isKeyDown(HRXKey::Alt));
    button(3, false);
    key(XK_Super_L, false);
    key(XK_Control_L, false);
    ASSERT_TRUE(pumpUntil([] { return !isKeyDown(HRXKey::Control); }));

    // Keys (for the focus view: a click drops the focus), then leaving the
    // window.
    editor_.frame->setFocusView(view);
    log.clear();
    key(XK_Shift_L, true);
    key(XK_a, true);
    key(XK_a, false);
    key(XK_Shift_L, false);
    key(XK_Escape, true);
    moveTo(500, 400);
    ASSERT_TRUE(pumpUntil([&] { return !log.empty() && log.back().kind == "exited"; }));
    EXPECT_EQ(log, (std::vector<Event>{{"key down", CPoint(0, VKEY_SHIFT), 0, 0},
                                       {"key down", CPoint('A', 0), MODIFIER_SHIFT, 0},
                                       {"key up", CPoint('A', 0), MODIFIER_SHIFT, 0},
                                       {"key up", CPoint(0, VKEY_SHIFT), MODIFIER_SHIFT, 0},
                                       {"key down", CPoint(0, VKEY_ESCAPE), 0, 0},
                                       {"exited", CPoint(250, 200), 0, 0}}));
    key(XK_Escape, false);
    CPoint where;
    EXPECT_TRUE(editor_.frame->getCurrentMouseLocation(where));
    EXPECT_EQ(where, CPoint(500, 400));
}

TEST(X11Input, DoubleClicksNeedTheSameButtonNearbyAndSoon) {
    X11::ClickCounter clicks;
    EXPECT_FALSE(clicks.press(1, 1000, 10, 10));
    EXPECT_FALSE(clicks.press(1, 1401, 10, 10));  // too late
    EXPECT_TRUE(clicks.press(1, 1801, 14, 6));    // 400 ms, 4 pixels
    EXPECT_FALSE(clicks.press(1, 1850, 14, 6));   // a third press starts over
    EXPECT_FALSE(clicks.press(3, 1900, 14, 6));   // another button
    EXPECT_FALSE(clicks.press(1, 1950, 19, 6));
    EXPECT_FALSE(clicks.press(1, 2000, 24, 6));  // 5 pixels away
    EXPECT_FALSE(clicks.press(1, 0xfffffff0u, 24, 6));
    EXPECT_TRUE(clicks.press(1, 0x10, 24, 6));  // 32 ms later, across the wrap
}

}  // namespace
