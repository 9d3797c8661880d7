#include "HRXBiquad.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

namespace {

HRXBiquad designed(uint32_t type, double frequency, double q, double gain, double rate = 44100.0) {
    HRXBiquad section{};
    initBiquad(section, rate, type, frequency, q, gain);
    return section;
}

// |H(e^jw)| at `frequency` from the normalised coefficients.
double magnitudeAt(const HRXBiquad& s, double frequency) {
    const std::complex<double> z1 = std::polar(1.0, -kTwoPi * frequency / s.sampleRate);
    const std::complex<double> z2 = z1 * z1;
    return std::abs((s.b0 + s.b1 * z1 + s.b2 * z2) / (1.0 + s.a1 * z1 + s.a2 * z2));
}

bool sameCoefficients(const HRXBiquad& a, const HRXBiquad& b) {
    return a.a0 == b.a0 && a.a1 == b.a1 && a.a2 == b.a2 && a.b0 == b.b0 && a.b1 == b.b1 && a.b2 == b.b2;
}

TEST(BiquadDesign, ResponsesOfTheTwoPoleTypes) {
    const double boost = std::pow(10.0, 12.0 / 20.0);
    const struct {
        uint32_t type;
        double frequency, q, gainDb, probe, magnitude, tolerance;
    } cases[] = {
        {kBiquadLowPass, 5.0, 0.5, 0.0, 22049.0, 0.0, 1e-9},
        {kBiquadHighPass, 40.0, 0.3, 0.0, 20000.0, 1.0, 1e-6},
        {kBiquadPeaking, 1000.0, 1.0, 12.0, 1000.0, boost, 1e-9},
        {kBiquadPeaking, 1000.0, 1.0, 12.0, 0.0, 1.0, 1e-9},
        {kBiquadLowShelf, 200.0, 0.7, 12.0, 0.0, boost, 1e-9},
        {kBiquadLowShelf, 200.0, 0.7, 12.0, 22050.0, 1.0, 1e-9},
        {kBiquadHighShelf, 5000.0, 0.7, 12.0, 0.0, 1.0, 1e-9},
        {kBiquadHighShelf, 5000.0, 0.7, 12.0, 22050.0, boost, 1e-9},
        {kBiquadNotch, 1000.0, 2.0, 0.0, 1000.0, 0.0, 1e-9},
        {kBiquadNotch, 1000.0, 2.0, 0.0, 0.0, 1.0, 1e-12},
        {kBiquadBandPass, 1000.0, 2.0, 0.0, 1000.0, 1.0, 1e-9},
        {kBiquadAllPass, 1000.0, 0.7, 0.0, 10.0, 1.0, 1e-9},
        {kBiquadAllPass, 1000.0, 0.7, 0.0, 1000.0, 1.0, 1e-9},
        {kBiquadAllPass, 1000.0, 0.7, 0.0, 15000.0, 1.0, 1e-9},
        {kBiquadHighPass, 40.0, 0.3, 0.0, 10.0, 0.0, 0.1},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(magnitudeAt(designed(c.type, c.frequency, c.q, c.gainDb), c.probe), c.magnitude, c.tolerance)
            << "type " << c.type << " at " << c.probe << " Hz";
}

TEST(BiquadDesign, ExactCoefficientRelations) {
    // The two sums of a 5 Hz low-pass are about 5e-7 each, so their ratio
    // carries ~3e-10 of rounding: DC gain close to 1, not exactly 1.
    const HRXBiquad low = designed(kBiquadLowPass, 5.0, 0.5, 0.0);
    EXPECT_NE(low.b0 + low.b1 + low.b2, 1.0 + low.a1 + low.a2);
    EXPECT_NEAR((low.b0 + low.b1 + low.b2) / (1.0 + low.a1 + low.a2), 1.0, 1e-9);
    EXPECT_EQ(low.b1, 2.0 * low.b0);
    EXPECT_EQ(low.b2, low.b0);
    const HRXBiquad high = designed(kBiquadHighPass, 40.0, 0.3, 0.0);
    EXPECT_EQ(high.b0 + high.b1 + high.b2, 0.0);
    const HRXBiquad flat = designed(kBiquadPeaking, 1000.0, 1.0, 0.0);
    EXPECT_EQ(flat.b0, 1.0);
    EXPECT_EQ(flat.b1, flat.a1);
    EXPECT_EQ(flat.b2, flat.a2);
    const HRXBiquad bandPass = designed(kBiquadBandPass, 1000.0, 2.0, 0.0);
    EXPECT_EQ(bandPass.b1, 0.0);
    EXPECT_EQ(bandPass.b2, -bandPass.b0);
    // Near Nyquist the low-pass uses q' = q (1 - (f / (0.50001 fs))^8).
    const double qCorrected = 0.5 * (1.0 - std::pow(21000.0 / (0.50001 * 44100.0), 8.0));
    EXPECT_EQ(designed(kBiquadLowPass, 21000.0, 0.5, 0.0).a0,
              1.0 + std::sin(kTwoPi * 21000.0 / 44100.0) / (2.0 * qCorrected));
}

TEST(BiquadDesign, OnePoleAndUnknownTypesLeaveTheOtherCoefficientsAtOne) {
    for (uint32_t type : {0u, 11u, 1000u}) {
        const HRXBiquad s = designed(type, 1000.0, 0.7, 6.0);
        for (double c : {s.a0, s.a1, s.a2, s.b0, s.b1, s.b2})
            EXPECT_EQ(c, 1.0) << "type " << type;
    }
    const HRXBiquad onePole = designed(kBiquadOnePole, 100.0, 0.7, 0.0);
    EXPECT_EQ(onePole.a0, std::pow(0.005, 100.0 / 44100.0));
    for (double c : {onePole.a1, onePole.a2, onePole.b0, onePole.b1, onePole.b2})
        EXPECT_EQ(c, 1.0);
    const HRXBiquad mean = designed(kBiquadOnePoleMean, 100.0, 0.7, 0.0);
    EXPECT_EQ(mean.a0, onePole.a0);
    EXPECT_EQ(mean.a1, (onePole.a0 + 1.0) / 2.0);
    EXPECT_EQ(mean.a2, 1.0);
}

TEST(BiquadDesign, FrequencyIsLimitedToTheWorkingRate) {
    const HRXBiquad high = designed(kBiquadLowPass, 30000.0, 0.5, 0.0);
    EXPECT_EQ(high.frequency, 0.499 * 44100.0);
    EXPECT_TRUE(sameCoefficients(high, designed(kBiquadLowPass, 0.499 * 44100.0, 0.5, 0.0)));

    HRXBiquad s = designed(kBiquadLowPass, 20000.0, 0.5, 0.0, 96000.0);
    setBiquadRate(s, 22050.0);
    EXPECT_EQ(s.sampleRate, 22050.0);
    EXPECT_EQ(s.frequency, 0.499 * 22050.0);
    // Outside 20000..200000 the working rate is 44100, but the section keeps the given rate.
    setBiquadRate(s, 8000.0);
    EXPECT_EQ(s.sampleRate, 8000.0);
    EXPECT_EQ(s.frequency, 0.499 * 8000.0);
}

TEST(BiquadTick, StepHoldsHistoryAndFlushesTinyOutputs) {
    HRXBiquad s = designed(kBiquadLowPass, 1000.0, 0.7, 0.0);
    const HRXBiquad fresh = s;
    const double y1 = tickBiquad(s, 1.0);
    EXPECT_EQ(y1, s.b0);
    EXPECT_EQ(s.x0, 1.0);
    EXPECT_EQ(s.x1, 1.0);
    EXPECT_EQ(s.x2, 0.0);
    EXPECT_EQ(s.y0, y1);
    EXPECT_EQ(s.y1, y1);
    // Far below 1e-25 the output is flushed before it can decay into subnormals.
    HRXBiquad quiet = fresh;
    EXPECT_EQ(tickBiquad(quiet, 1e-300), 0.0);
    EXPECT_NE(tickBiquad(quiet, 1e-30), 0.0);
}

TEST(BiquadTick, HeldFourEqualsFourSingleSteps) {
    HRXBiquad held = designed(kBiquadLowPass, 50.0, 0.1, 0.0);
    tickBiquad(held, 0.3);
    HRXBiquad single = held;
    const double four = tickBiquadHeld4(held, 0.7);
    double third = 0.0, fourth = 0.0;
    for (int i = 0; i < 4; ++i) {
        third = fourth;
        fourth = tickBiquad(single, 0.7);
    }
    EXPECT_EQ(four, fourth);
    EXPECT_EQ(held.x1, 0.7);
    EXPECT_EQ(held.x2, 0.7);
    EXPECT_EQ(held.y1, fourth);
    EXPECT_EQ(held.y2, third);
}

TEST(BiquadRetune, ClampsCutoffStoresTheRequestAndMatchesTheDesigner) {
    const HRXBiquad start = designed(kBiquadLowPass, 1.0, 0.1, 0.0);
    const struct { double requested, effective; } clamps[] = {{0.0005, 0.001}, {50000.0, 0.499 * 44100.0}};
    for (const auto& c : clamps) {
        HRXBiquad requested = start, effective = start;
        retuneLowPass(requested, c.requested);
        retuneLowPass(effective, c.effective);
        EXPECT_EQ(requested.frequency, c.requested);
        EXPECT_TRUE(sameCoefficients(requested, effective)) << c.requested;
    }
    HRXBiquad retuned = start;
    retuneLowPass(retuned, 10.0);
    const HRXBiquad reference = designed(kBiquadLowPass, 10.0, 0.1, 0.0);
    // At 10 Hz the near-Nyquist correction is below double precision.
    EXPECT_NEAR(retuned.a1, reference.a1, 1e-15);
    EXPECT_NEAR(retuned.a2, reference.a2, 1e-15);
    EXPECT_NEAR(retuned.b1, reference.b1, 1e-19);
    EXPECT_EQ(retuned.b0, retuned.b2);
}

}  // namespace
