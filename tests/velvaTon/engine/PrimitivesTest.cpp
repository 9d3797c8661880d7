#include "HRXGainSmoother.h"
#include "HRXNoiseGenerator.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(NoiseGenerator, SequenceFromTheSeedsIsFixed) {
    HRXNoiseState noise;
    EXPECT_EQ(tickNoise(noise), 8.972831519315383e-13);
    EXPECT_EQ(tickNoise(noise), -7.980142622288359e-11);
    EXPECT_EQ(tickNoise(noise), 2.728814985391541e-11);
    EXPECT_EQ(tickNoise(noise), 6.038833302179145e-11);
    for (int i = 4; i < 999; ++i)
        tickNoise(noise);
    EXPECT_EQ(tickNoise(noise), -3.7139036507459156e-11);
    EXPECT_EQ(noise.s1, 2901637924u);
    EXPECT_EQ(noise.s2, 492842419u);
    EXPECT_EQ(noise.s3, 3789885767u);
}

TEST(NoiseGenerator, StaysWithinOneTenthOfANanoAndTwoGeneratorsAgree) {
    HRXNoiseState a;
    HRXNoiseState b;
    double sum = 0.0;
    for (int i = 0; i < 100000; ++i) {
        const double n = tickNoise(a);
        ASSERT_EQ(n, tickNoise(b));
        ASSERT_LE(std::fabs(n), 1e-10);
        sum += n;
    }
    EXPECT_LT(std::fabs(sum / 100000.0), 1e-12);  // centred on zero
}

TEST(GainSmoother, MovesOneThousandthOfTheDistancePerStep) {
    double value = 0.0;
    tickGainSmoother(value, 1.0);
    EXPECT_NEAR(value, 0.001, 1e-15);
    for (int i = 1; i < 1000; ++i)
        tickGainSmoother(value, 1.0);
    EXPECT_NEAR(value, 1.0 - std::pow(0.999, 1000.0), 1e-12);  // about 63 %
}

TEST(GainSmoother, FlushMovesSomeTargetsOneStepThenHolds) {
    // The flush (v + 1e-14) - 1e-14 rounds 0.125 and 128 down by one step.
    for (double target : {0.125, 128.0}) {
        double value = target;
        tickGainSmoother(value, target);
        EXPECT_NE(value, target);
        EXPECT_EQ(value, std::nextafter(target, 0.0));
        const double settled = value;
        for (int i = 0; i < 1000; ++i)
            tickGainSmoother(value, target);
        EXPECT_EQ(value, settled);
    }
    // Other values are untouched by the flush and stay exactly.
    double unity = 1.0;
    for (int i = 0; i < 1000; ++i)
        tickGainSmoother(unity, 1.0);
    EXPECT_EQ(unity, 1.0);
}

TEST(GainSmoother, DecayTowardZeroNeverGoesSubnormal) {
    // The flush quantises tiny values to steps of about 1.6e-30, where the
    // 0.001 step rounds away: the value parks far above the subnormal range.
    double value = 1e-3;
    for (int i = 0; i < 100000; ++i) {
        tickGainSmoother(value, 0.0);
        ASSERT_TRUE(std::isnormal(value) || value == 0.0);
    }
    EXPECT_LT(value, 1e-26);
}

}  // namespace
