#include "ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace VSTGUI;
using toolkit_test::OffscreenFrame;

namespace {

struct Event {
    std::string kind;
    CPoint where;
    int32_t buttons;
    float distance;
};

// Records every event it gets; handles the mouse, and the wheel as told.
class RecordingView : public CView {
public:
    RecordingView(const CRect& size, std::vector<Event>* log) : CView(size), log_(log) {}
    CMouseEventResult downResult = kMouseEventHandled;
    bool wheelResult = true;

    CMouseEventResult onMouseDown(CPoint& p, const CButtonState& b) override {
        record("down", p, b);
        return downResult;
    }
    CMouseEventResult onMouseMoved(CPoint& p, const CButtonState& b) override { return record("moved", p, b); }
    CMouseEventResult onMouseUp(CPoint& p, const CButtonState& b) override { return record("up", p, b); }
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override {
        log_->push_back({"wheel", where, buttons.getButtonState(), distance});
        return wheelResult;
    }

private:
    CMouseEventResult record(const char* kind, const CPoint& where, const CButtonState& buttons) {
        log_->push_back({kind, where, buttons.getButtonState(), 0.0f});
        return kMouseEventHandled;
    }
    std::vector<Event>* log_;
};

std::vector<std::string> kinds(const std::vector<Event>& log) {
    std::vector<std::string> out;
    for (const auto& e : log)
        out.push_back(e.kind);
    return out;
}

// An offscreen frame with the recorded event log.
class Events : public ::testing::Test {
protected:
    RecordingView* add(const CRect& size) {
        auto* view = new RecordingView(size, &log_);
        f_.frame->addView(view);
        return view;
    }
    std::vector<Event> log_;
    OffscreenFrame f_{CRect(0, 0, 400, 327)};
};

}  // namespace

TEST_F(Events, MouseInputIsMappedThroughTheZoomAndFollowsThePressedView) {
    add(CRect(20, 10, 40, 30));
    f_.frame->setZoom(2.0);
    EXPECT_EQ(f_.window->mouseDown(CPoint(60, 40), kLButton | kShift), kMouseEventHandled);
    f_.window->mouseMove(CPoint(150, 140), kLButton);  // outside the view
    f_.window->mouseUp(CPoint(152, 142), kLButton);
    ASSERT_EQ(kinds(log_), (std::vector<std::string>{"down", "moved", "up"}));
    EXPECT_EQ(log_[0].where, CPoint(30, 20));
    EXPECT_EQ(log_[0].buttons, kLButton | kShift);
    EXPECT_EQ(log_[1].where, CPoint(75, 70));
    EXPECT_EQ(log_[2].where, CPoint(76, 71));

    // After the release, moves over empty space reach nobody.
    log_.clear();
    EXPECT_EQ(f_.window->mouseMove(CPoint(150, 140), 0), kMouseEventNotHandled);
    EXPECT_TRUE(log_.empty());
}

TEST_F(Events, AViewThatWantsNoMoreEventsAfterThePressGetsNone) {
    add(CRect(0, 0, 50, 50))->downResult = kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    EXPECT_EQ(f_.window->mouseDown(CPoint(10, 10), kLButton), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
    f_.window->mouseUp(CPoint(10, 10), kLButton);
    EXPECT_EQ(kinds(log_), (std::vector<std::string>{"down"}));
}

TEST_F(Events, NestedContainersGiveChildrenTheirOwnCoordinates) {
    auto* content = new CViewContainer(CRect(0, 52, 400, 327));
    auto* view = new RecordingView(CRect(28, 143, 142, 257), &log_);
    content->addView(view);
    f_.frame->addView(content);
    f_.frame->setZoom(1.5);
    // Logical (85, 52 + 200) in the frame is (127.5, 378) in the window.
    f_.window->mouseDown(CPoint(127.5, 378), kLButton);
    ASSERT_EQ(log_.size(), 1u);
    EXPECT_EQ(log_[0].where, CPoint(85, 200));

    CPoint p(85, 200);
    view->localToFrame(p);
    EXPECT_EQ(p, CPoint(127.5, 378));
    view->frameToLocal(p);
    EXPECT_EQ(p, CPoint(85, 200));
    EXPECT_EQ(content->getViewAt(CPoint(85, 200)), view);
    EXPECT_EQ(f_.frame->getViewAt(CPoint(85, 252), true), view);
    EXPECT_EQ(f_.frame->getViewAt(CPoint(85, 252), false), content);
    EXPECT_EQ(f_.frame->getViewAt(CPoint(5, 100), true), nullptr);
}

TEST_F(Events, WheelGoesToTheViewUnderTheMouseInLogicalUnits) {
    RecordingView* view = add(CRect(10, 10, 20, 20));
    f_.frame->setZoom(2.0);
    EXPECT_TRUE(f_.window->wheel(CPoint(30, 30), -0.05f, kShift));
    ASSERT_EQ(log_.size(), 1u);
    EXPECT_EQ(log_[0].where, CPoint(15, 15));
    EXPECT_FLOAT_EQ(log_[0].distance, -0.05f);
    EXPECT_EQ(log_[0].buttons, kShift);
    EXPECT_FALSE(f_.window->wheel(CPoint(100, 100), 1.0f, 0));
    view->wheelResult = false;
    EXPECT_FALSE(f_.window->wheel(CPoint(30, 30), 1.0f, 0));
}

TEST_F(Events, RemovingThePressedViewEndsTheDragSafely) {
    RecordingView* view = add(CRect(0, 0, 50, 50));
    f_.window->mouseDown(CPoint(10, 10), kLButton);
    f_.frame->removeView(view);
    EXPECT_EQ(f_.window->mouseMove(CPoint(11, 11), kLButton), kMouseEventNotHandled);
    EXPECT_EQ(f_.window->mouseUp(CPoint(11, 11), kLButton), kMouseEventNotHandled);
    EXPECT_EQ(kinds(log_), (std::vector<std::string>{"down"}));
}

TEST_F(Events, InvalidationReachesTheWindowInWindowCoordinates) {
    auto* content = new CViewContainer(CRect(0, 20, 100, 80));
    auto* view = new CView(CRect(10, 10, 20, 20));
    content->addView(view);
    f_.frame->addView(content);
    f_.frame->setZoom(2.0);
    f_.window->render();
    EXPECT_FALSE(f_.window->hasInvalidRect());
    view->invalid();
    EXPECT_EQ(f_.window->getInvalidRect(), CRect(20, 60, 40, 80));
}

TEST(Views, TooltipIsTheCvttAttribute) {
    CView view(CRect(0, 0, 10, 10));
    EXPECT_EQ(kCViewTooltipAttribute, 0x63767474u);
    uint32_t size = 0;
    EXPECT_FALSE(view.getAttributeSize(kCViewTooltipAttribute, size));
    view.setTooltipText("Sets up the combined attack and release time");
    ASSERT_TRUE(view.getAttributeSize(kCViewTooltipAttribute, size));
    EXPECT_EQ(size, 45u);  // 44 characters and the terminator
    char small[8];
    uint32_t outSize = 0;
    EXPECT_FALSE(view.getAttribute(kCViewTooltipAttribute, sizeof(small), small, outSize));
    char text[64];
    ASSERT_TRUE(view.getAttribute(kCViewTooltipAttribute, sizeof(text), text, outSize));
    EXPECT_STREQ(text, "Sets up the combined attack and release time");
    view.setTooltipText("");
    EXPECT_FALSE(view.getAttributeSize(kCViewTooltipAttribute, size));
}
