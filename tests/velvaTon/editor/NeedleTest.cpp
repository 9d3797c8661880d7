#include "CVelvaVuMeter2.h"
#include "EditorFixture.h"
#include "velvaTonNeedleAnimation.h"
#include "velvaTonParameters.h"

#include <cmath>

namespace {

TEST_F(EditorTest, NeedleRunsOneValueBehindAndKeepsItsRate) {
    clock_.now = 1000;
    editor_.parameterChanged(kGainReduction, 1.0);
    clock_.now = 1100;
    editor_.parameterChanged(kGainReduction, 0.5);
    const std::pair<uint32_t, double> shown[] = {{1100, 1.0}, {1150, 0.75}, {1200, 0.5}, {1300, 0.0}, {1400, 0.0}};
    for (const auto& s : shown) {
        clock_.now = s.first;
        editor_.idle();
        EXPECT_DOUBLE_EQ(editor_.getMeter()->getValue(), s.second) << s.first;
    }
}

TEST_F(EditorTest, MeterResetReturnsTheNeedleToRest) {
    clock_.now = 1000;
    editor_.parameterChanged(kGainReduction, 0.8);
    clock_.now = 1100;
    editor_.parameterChanged(kGainReduction, 0.8);
    editor_.idle();
    EXPECT_DOUBLE_EQ(editor_.getMeter()->getValue(), 0.8);
    editor_.parameterChanged(kMessageMeterReset, 1.0);
    EXPECT_DOUBLE_EQ(editor_.getMeter()->getValue(), 0.0);
    clock_.now = 1200;
    editor_.idle();
    editor_.idle();
    EXPECT_DOUBLE_EQ(editor_.getMeter()->getValue(), 0.0);
}

TEST(NeedleAnimation, WithoutAnIntervalItHoldsTheStartValue) {
    velvaTonNeedleAnimation needle;
    needle.newValue(0.6, 500.0);
    EXPECT_DOUBLE_EQ(needle.valueAt(500.0), 0.0);  // the jump to the previous value
    // Start and target time differ (0 and 500): it travels from 0 at that rate.
    EXPECT_DOUBLE_EQ(needle.valueAt(750.0), 0.3);
    needle.newValue(0.2, 500.0);  // same time: no rate to follow
    needle.valueAt(500.0);
    EXPECT_DOUBLE_EQ(needle.valueAt(900.0), 0.6);
}

TEST(VuMeterGeometry, NeedleSweepsSixtyDegreesAboutThePivot) {
    CVelvaVuMeter2 meter({150, 66, 250, 109}, nullptr, nullptr, nullptr, {200, 155}, 3, 86);
    HRXPoint inner;
    HRXPoint outer;
    meter.needleEnds(1.0, inner, outer);
    const double s60 = std::sqrt(3.0) / 2.0;
    EXPECT_NEAR(inner.x, 200.5 + 3 * 0.5, 1e-9);
    EXPECT_NEAR(inner.y, 155.5 - 3 * s60, 1e-9);
    EXPECT_NEAR(outer.x, 243.5, 1e-9);
    EXPECT_NEAR(outer.y, 155.5 - 86 * s60, 1e-9);
    meter.needleEnds(0.0, inner, outer);
    EXPECT_NEAR(outer.x, 157.5, 1e-9);
    EXPECT_NEAR(outer.y, 155.5 - 86 * s60, 1e-9);
    EXPECT_DOUBLE_EQ(meter.getDefaultValue(), 0.5);
}

}  // namespace
