#include "ControlKitFixture.h"
#include "HRXAnimKnob.h"
#include "HRXCustomControl.h"
#include "HRXHorizontalSwitch.h"
#include "HRXKickButton.h"

namespace {

// 106 units wide: three segments of 35.33 units.
class SwitchTest : public ControlKitTest {
protected:
    HRXHorizontalSwitch* control_ = add(new HRXHorizontalSwitch({262, 46, 368, 124}, 0, nullptr, 3));
};

TEST_F(SwitchTest, ClickSelectsTheSegmentUnderThePointer) {
    down(262 + 80, 80);
    EXPECT_DOUBLE_EQ(lastReport(), 1.0);
    EXPECT_EQ(control_->getPosition(), 2);
    up(262 + 80, 80);
    down(262 + 10, 80);
    EXPECT_DOUBLE_EQ(lastReport(), 0.0);
    // Dragging across the segments moves the position.
    move(262 + 50, 80);
    EXPECT_DOUBLE_EQ(lastReport(), 0.5);
    up(262 + 50, 80);
    EXPECT_FALSE(control_->isEditing());
}

TEST_F(SwitchTest, ControlOrAltClickSelectsTheDefault) {
    control_->setDefaultValue(0.5);
    control_->setValue(1.0);
    for (int32_t modifier : {int32_t(VSTGUI::kControl), int32_t(VSTGUI::kAlt)}) {
        editor_.reports.clear();
        down(262 + 10, 80, VSTGUI::kLButton | modifier);
        up(262 + 10, 80);
        ASSERT_EQ(reports().size(), 1u);
        EXPECT_DOUBLE_EQ(reports()[0].second, 0.5);
    }
}

TEST_F(SwitchTest, WheelStepsOnePositionAndSnaps) {
    control_->setValue(0.4);
    wheel(300, 80, 1.0f);
    EXPECT_DOUBLE_EQ(control_->getValue(), 1.0);  // 0.9 snaps to the last position
    wheel(300, 80, -2.0f);
    EXPECT_DOUBLE_EQ(control_->getValue(), 0.5);
    wheel(300, 80, 0.05f);  // below one notch: only snaps
    EXPECT_DOUBLE_EQ(control_->getValue(), 0.5);
}

TEST_F(ControlKitTest, KickButtonReportsOneOnPressAndNothingOnRelease) {
    HRXKickButton* button = add(new HRXKickButton({85, 5, 313, 45}, 14));
    down(200, 20);
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_EQ(reports()[0].first, 14);
    EXPECT_DOUBLE_EQ(reports()[0].second, 1.0);
    EXPECT_TRUE(button->isPressed());
    up(200, 20);
    EXPECT_EQ(reports().size(), 1u);
    EXPECT_FALSE(button->isPressed());
    EXPECT_DOUBLE_EQ(button->getValue(), 0.0);
}

TEST_F(ControlKitTest, CustomControlLetsTheMouseReachTheViewBeneath) {
    add(new HRXKickButton({0, 0, 100, 100}, 14));
    add(new HRXCustomControl({0, 0, 100, 100}, 15, nullptr));
    down(50, 50);
    up(50, 50);
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_EQ(reports()[0].first, 14);
}

// A left click that a control takes stops there; a right click goes on to
// the control beneath and its click reaches the host.
TEST_F(ControlKitTest, OnlyTheLeftButtonStopsAtAControlThatWantsNoMoreEvents) {
    add(new HRXAnimKnob({0, 0, 100, 100}, 6, nullptr, 1, 1));
    add(new HRXKickButton({0, 0, 100, 100}, 14));
    down(50, 50, VSTGUI::kRButton);
    up(50, 50);
    const std::vector<std::pair<int32_t, uint32_t>> rightClicks = {{14, VSTGUI::kRButton}, {6, VSTGUI::kRButton}};
    EXPECT_EQ(rightClicks, engine_.clicks);
    engine_.clicks.clear();
    down(50, 50, VSTGUI::kLButton);
    up(50, 50);
    const std::vector<std::pair<int32_t, uint32_t>> leftClicks = {{14, VSTGUI::kLButton}};
    EXPECT_EQ(leftClicks, engine_.clicks);
}

}  // namespace
