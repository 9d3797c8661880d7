#include <cmath>
#include <string>

#include "ControlKitFixture.h"
#include "HRXAnimKnob.h"
#include "HRXLibraryResources.h"
#include "HRXResourceIds.h"

namespace {

constexpr int32_t kTimeTag = 4;
// Centre (77, 157); no bitmap, so frames come from the view.
constexpr HRXRect kKnobRect{20, 100, 134, 214};

class AnimKnobTest : public ControlKitTest {
protected:
    HRXAnimKnob* knob_ = add(new HRXAnimKnob(kKnobRect, kTimeTag, nullptr, 21, 5));
};

TEST_F(AnimKnobTest, StartsAtTheFirstFactoryPresetsValueAndTheParameterDefault) {
    EXPECT_DOUBLE_EQ(knob_->getValue(), 0.5);
    EXPECT_DOUBLE_EQ(knob_->getDefaultValue(), 0.5);
    HRXAnimKnob output(kKnobRect, 6, nullptr, 61, 8);
    EXPECT_DOUBLE_EQ(output.getValue(), 0.15);
    EXPECT_DOUBLE_EQ(output.getDefaultValue(), 0.15);
}

TEST_F(AnimKnobTest, LinearDragCoversTheRangeIn300PixelsOr1500WithShift) {
    knob_->setValue(0.0);
    down(30, 150);
    move(180, 150);
    EXPECT_NEAR(lastReport(), 0.5, 1e-6);
    move(330, 150);
    EXPECT_DOUBLE_EQ(lastReport(), 1.0);
    up(330, 150);

    knob_->setValue(0.0);
    down(30, 150, VSTGUI::kLButton | VSTGUI::kShift);
    move(330, 150, VSTGUI::kLButton | VSTGUI::kShift);
    EXPECT_NEAR(lastReport(), 0.2, 1e-6);
    // Up counts like right: 300 right and 1200 up make the full 1500.
    move(330, -1050, VSTGUI::kLButton | VSTGUI::kShift);
    EXPECT_DOUBLE_EQ(lastReport(), 1.0);
    move(329, -1050, VSTGUI::kLButton | VSTGUI::kShift);
    EXPECT_LT(lastReport(), 1.0);
    up(329, -1050);
}

TEST_F(AnimKnobTest, ShiftPressedMidDragKeepsTheValueAndContinuesFine) {
    knob_->setValue(0.0);
    down(30, 150);
    move(180, 150);
    EXPECT_NEAR(knob_->getValue(), 0.5, 1e-12);
    move(180, 150, VSTGUI::kLButton | VSTGUI::kShift);
    EXPECT_NEAR(knob_->getValue(), 0.5, 1e-12);
    move(330, 150, VSTGUI::kLButton | VSTGUI::kShift);
    EXPECT_NEAR(knob_->getValue(), 0.6, 1e-12);
    // Releasing Shift returns to the normal resolution from where it is.
    move(330, 150);
    EXPECT_NEAR(knob_->getValue(), 0.6, 1e-12);
    move(360, 150);
    EXPECT_NEAR(knob_->getValue(), 0.7, 1e-12);
    up(360, 150);
}

TEST_F(AnimKnobTest, CircularModeFollowsTheAngleAndDoesNotWrapAcrossTheDeadZone) {
    engine_.setKnobMode(1);
    down(77, 110);  // straight above the centre
    EXPECT_DOUBLE_EQ(knob_->getValue(), 0.5);
    up(77, 110);

    down(30, 210);  // lower left, below the end of the scale: 0.0
    EXPECT_DOUBLE_EQ(knob_->getValue(), 0.0);
    move(74, 210);  // bottom, left of centre: still the low end
    EXPECT_DOUBLE_EQ(knob_->getValue(), 0.0);
    move(80, 210);  // bottom, right of centre: would be 1.0
    EXPECT_DOUBLE_EQ(knob_->getValue(), 0.0);
    move(124, 204);  // lower right
    EXPECT_DOUBLE_EQ(knob_->getValue(), 0.0);
    move(30, 110);  // back round to upper left, 45 degrees from the top
    EXPECT_NEAR(knob_->getValue(), 1.0 / 3.0, 1e-9);
    up(30, 110);
}

TEST_F(AnimKnobTest, DoubleControlOrAltClickResetsToTheDefaultReportingOnce) {
    knob_->setDefaultValue(0.25);
    for (int32_t modifier : {int32_t(VSTGUI::kDoubleClick), int32_t(VSTGUI::kControl), int32_t(VSTGUI::kAlt)}) {
        knob_->setValue(0.8);
        editor_.reports.clear();
        down(77, 157, VSTGUI::kLButton | modifier);
        move(200, 157);
        up(200, 157);
        ASSERT_EQ(reports().size(), 1u) << modifier;
        EXPECT_EQ(reports()[0].first, kTimeTag);
        EXPECT_DOUBLE_EQ(reports()[0].second, 0.25);
        EXPECT_FALSE(knob_->isEditing());
    }
}

TEST_F(AnimKnobTest, WheelMovesOneStepPerNotchAndSmallDistancesUnscaled) {
    knob_->setWheelStep(0.1);
    knob_->setFineWheelFactor(0.5);
    knob_->setValue(0.5);
    wheel(77, 157, 3.0f);
    EXPECT_NEAR(knob_->getValue(), 0.6, 1e-12);
    wheel(77, 157, -1.0f);
    EXPECT_NEAR(knob_->getValue(), 0.5, 1e-12);
    wheel(77, 157, 0.05f);
    EXPECT_NEAR(knob_->getValue(), 0.505, 1e-9);
    wheel(77, 157, -0.05f, VSTGUI::kShift);
    EXPECT_NEAR(knob_->getValue(), 0.5025, 1e-9);
    // 0.1f lies just above 0.1: a whole notch.
    wheel(77, 157, 0.1f);
    EXPECT_NEAR(knob_->getValue(), 0.6025, 1e-9);
    knob_->setValue(0.98);
    wheel(77, 157, 1.0f);
    EXPECT_DOUBLE_EQ(knob_->getValue(), 1.0);
    EXPECT_FALSE(knob_->isEditing());
}

TEST_F(AnimKnobTest, HostValueDoesNotMoveAKnobBeingDragged) {
    knob_->setValue(0.0);
    down(30, 150);
    move(90, 150);
    knob_->setValue(0.9);
    EXPECT_NEAR(knob_->getValue(), 0.2, 1e-12);
    move(120, 150);
    EXPECT_NEAR(knob_->getValue(), 0.3, 1e-12);
    up(120, 150);
    knob_->setValue(0.9);
    EXPECT_DOUBLE_EQ(knob_->getValue(), 0.9);
    knob_->setValue(1.7);
    EXPECT_DOUBLE_EQ(knob_->getValue(), 1.0);
    knob_->setValue(std::nan(""));  // a corrupt host value
    EXPECT_DOUBLE_EQ(knob_->getValue(), 0.0);
}

TEST_F(AnimKnobTest, FrameForAValueFollowsTheStripGrid) {
    HRXAnimKnob time(kKnobRect, kTimeTag, getLibraryBitmap(kHRXBitmapTimeKnob), 21, 5);
    EXPECT_EQ(time.frameIndexFor(0.37), 7);  // round(20 x 0.37)
    const HRXPoint offset = time.frameOffset(7);
    EXPECT_DOUBLE_EQ(offset.x, 114.0);
    EXPECT_DOUBLE_EQ(offset.y, 228.0);
    HRXAnimKnob output(kKnobRect, 6, getLibraryBitmap(kHRXBitmapOutputKnob), 61, 8);
    const HRXPoint last = output.frameOffset(output.frameIndexFor(1.0));  // frame 60: column 7, row 4
    EXPECT_DOUBLE_EQ(last.x, 7 * 114.0);
    EXPECT_DOUBLE_EQ(last.y, 4 * 114.0);
}

TEST_F(AnimKnobTest, TooltipIsBoundedAndANegativeTagRefused) {
    const std::string longText(700, 'x');
    knob_->setTooltip(longText.c_str());
    EXPECT_EQ(std::string(knob_->getTooltip()).size(), 511u);
    knob_->setTag(-3);
    EXPECT_EQ(knob_->getTag(), kTimeTag);
}

}  // namespace
