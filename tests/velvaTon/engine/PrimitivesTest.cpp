#include "HRXGainSmoother.h"
#include "HRXNoiseGenerator.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(NoiseGenerator, FixedSequenceWithinATenthOfANanoCentredOnZero) {
    HRXNoiseState noise;
    for (double expected :
         {8.972831519315383e-13, -7.980142622288359e-11, 2.728814985391541e-11, 6.038833302179145e-11})
        EXPECT_EQ(tickNoise(noise), expected);
    double sum = 0.0;
    for (int i = 4; i < 999; ++i)
        sum += tickNoise(noise);
    EXPECT_EQ(tickNoise(noise), -3.7139036507459156e-11);
    EXPECT_EQ(noise.s1, 2901637924u);
    EXPECT_EQ(noise.s2, 492842419u);
    EXPECT_EQ(noise.s3, 3789885767u);
    for (int i = 0; i < 100000; ++i) {
        const double n = tickNoise(noise);
        ASSERT_LE(std::fabs(n), 1e-10);
        sum += n;
    }
    EXPECT_LT(std::fabs(sum / 101000.0), 1e-12);
}

TEST(GainSmoother, MovesOneThousandthOfTheDistancePerStep) {
    double value = 0.0;
    tickGainSmoother(value, 1.0);
    EXPECT_NEAR(value, 0.001, 1e-15);
    for (int i = 1; i < 1000; ++i)
        tickGainSmoother(value, 1.0);
    EXPECT_NEAR(value, 1.0 - std::pow(0.999, 1000.0), 1e-12);
}

TEST(GainSmoother, FlushMovesSomeTargetsOneStepThenHolds) {
    // (v + 1e-14) - 1e-14 rounds 0.125 and 128 down by one step; 1.0 is untouched.
    for (double target : {0.125, 128.0, 1.0}) {
        double value = target;
        tickGainSmoother(value, target);
        EXPECT_EQ(value, target == 1.0 ? 1.0 : std::nextafter(target, 0.0)) << target;
        const double settled = value;
        for (int i = 0; i < 1000; ++i)
            tickGainSmoother(value, target);
        EXPECT_EQ(value, settled) << target;
    }
}

TEST(GainSmoother, DecayTowardZeroNeverGoesSubnormal) {
    double value = 1e-3;
    for (int i = 0; i < 100000; ++i) {
        tickGainSmoother(value, 0.0);
        ASSERT_TRUE(std::isnormal(value) || value == 0.0);
    }
    EXPECT_LT(value, 1e-26);
}

}  // namespace
