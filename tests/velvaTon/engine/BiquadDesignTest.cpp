#include "HRXBiquad.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

namespace {

HRXBiquad designed(uint32_t type, double frequency, double q, double gain, double rate = 44100.0) {
    HRXBiquad section {};
    initBiquad(section, rate, type, frequency, q, gain);
    return section;
}

// |H(e^jw)| at `frequency` from the normalised coefficients.
double magnitudeAt(const HRXBiquad& s, double frequency) {
    const double w = kTwoPi * frequency / s.sampleRate;
    const std::complex<double> z1 = std::polar(1.0, -w);
    const std::complex<double> z2 = z1 * z1;
    return std::abs((s.b0 + s.b1 * z1 + s.b2 * z2) / (1.0 + s.a1 * z1 + s.a2 * z2));
}

TEST(BiquadDesign, LowPassAtFiveHertzHasUnityDcGainToRounding) {
    const HRXBiquad s = designed(kBiquadLowPass, 5.0, 0.5, 0.0);
    const double dc = (s.b0 + s.b1 + s.b2) / (1.0 + s.a1 + s.a2);
    // The two sums are about 5e-7 each, so their ratio carries ~3e-10 of
    // rounding: close to 1, not exactly 1.
    EXPECT_NE(s.b0 + s.b1 + s.b2, 1.0 + s.a1 + s.a2);
    EXPECT_NEAR(dc, 1.0, 1e-9);
    EXPECT_EQ(s.b1, 2.0 * s.b0);
    EXPECT_EQ(s.b2, s.b0);
    EXPECT_NEAR(magnitudeAt(s, 22049.0), 0.0, 1e-9);
}

TEST(BiquadDesign, HighPassBlocksDcExactly) {
    const HRXBiquad s = designed(kBiquadHighPass, 40.0, 0.3, 0.0);
    EXPECT_EQ(s.b0 + s.b1 + s.b2, 0.0);
    EXPECT_NEAR(magnitudeAt(s, 20000.0), 1.0, 1e-6);
    EXPECT_LT(magnitudeAt(s, 10.0), 0.1);
}

TEST(BiquadDesign, FrequencyAboveLimitDesignsAtLimitAndStoresIt) {
    const HRXBiquad high = designed(kBiquadLowPass, 30000.0, 0.5, 0.0);
    const HRXBiquad limit = designed(kBiquadLowPass, 0.499 * 44100.0, 0.5, 0.0);
    EXPECT_EQ(high.frequency, 0.499 * 44100.0);
    EXPECT_EQ(high.b0, limit.b0);
    EXPECT_EQ(high.a1, limit.a1);
    EXPECT_EQ(high.a2, limit.a2);
}

TEST(BiquadDesign, SetRateLimitsFrequencyToWorkingRate) {
    HRXBiquad s = designed(kBiquadLowPass, 20000.0, 0.5, 0.0, 96000.0);
    setBiquadRate(s, 22050.0);
    EXPECT_EQ(s.sampleRate, 22050.0);
    EXPECT_EQ(s.frequency, 0.499 * 22050.0);
    // Outside 20000..200000 the working rate is 44100, but the section keeps the given rate.
    setBiquadRate(s, 8000.0);
    EXPECT_EQ(s.sampleRate, 8000.0);
    EXPECT_EQ(s.frequency, 0.499 * 8000.0);
}

TEST(BiquadDesign, UnknownTypeLeavesAllCoefficientsAtOne) {
    for (uint32_t type : {0u, 11u, 1000u}) {
        const HRXBiquad s = designed(type, 1000.0, 0.7, 6.0);
        for (double c : {s.a0, s.a1, s.a2, s.b0, s.b1, s.b2})
            EXPECT_EQ(c, 1.0) << "type " << type;
    }
}

TEST(BiquadDesign, OnePoleTypesStoreOnlyTheirCoefficient) {
    const HRXBiquad onePole = designed(kBiquadOnePole, 100.0, 0.7, 0.0);
    EXPECT_EQ(onePole.a0, std::pow(0.005, 100.0 / 44100.0));
    for (double c : {onePole.a1, onePole.a2, onePole.b0, onePole.b1, onePole.b2})
        EXPECT_EQ(c, 1.0);
    const HRXBiquad mean = designed(kBiquadOnePoleMean, 100.0, 0.7, 0.0);
    EXPECT_EQ(mean.a0, onePole.a0);
    EXPECT_EQ(mean.a1, (onePole.a0 + 1.0) / 2.0);
    EXPECT_EQ(mean.a2, 1.0);
}

TEST(BiquadDesign, PeakingShelvesNotchBandPassAndAllPassResponses) {
    const double gainDb = 12.0;
    const double boost = std::pow(10.0, gainDb / 20.0);
    const HRXBiquad peak = designed(kBiquadPeaking, 1000.0, 1.0, gainDb);
    EXPECT_NEAR(magnitudeAt(peak, 1000.0), boost, 1e-9);
    EXPECT_NEAR(magnitudeAt(peak, 0.0), 1.0, 1e-9);

    const HRXBiquad flat = designed(kBiquadPeaking, 1000.0, 1.0, 0.0);
    EXPECT_EQ(flat.b0, 1.0);
    EXPECT_EQ(flat.b1, flat.a1);
    EXPECT_EQ(flat.b2, flat.a2);

    const HRXBiquad lowShelf = designed(kBiquadLowShelf, 200.0, 0.7, gainDb);
    EXPECT_NEAR(magnitudeAt(lowShelf, 0.0), boost, 1e-9);
    EXPECT_NEAR(magnitudeAt(lowShelf, 22050.0), 1.0, 1e-9);
    const HRXBiquad highShelf = designed(kBiquadHighShelf, 5000.0, 0.7, gainDb);
    EXPECT_NEAR(magnitudeAt(highShelf, 0.0), 1.0, 1e-9);
    EXPECT_NEAR(magnitudeAt(highShelf, 22050.0), boost, 1e-9);

    const HRXBiquad notch = designed(kBiquadNotch, 1000.0, 2.0, 0.0);
    EXPECT_NEAR(magnitudeAt(notch, 1000.0), 0.0, 1e-9);
    EXPECT_NEAR(magnitudeAt(notch, 0.0), 1.0, 1e-12);

    const HRXBiquad bandPass = designed(kBiquadBandPass, 1000.0, 2.0, 0.0);
    EXPECT_NEAR(magnitudeAt(bandPass, 1000.0), 1.0, 1e-9);
    EXPECT_EQ(bandPass.b1, 0.0);
    EXPECT_EQ(bandPass.b2, -bandPass.b0);

    const HRXBiquad allPass = designed(kBiquadAllPass, 1000.0, 0.7, 0.0);
    for (double f : {10.0, 1000.0, 15000.0})
        EXPECT_NEAR(magnitudeAt(allPass, f), 1.0, 1e-9);
}

TEST(BiquadDesign, NearNyquistCorrectionOfTheLowPass) {
    // q' = q (1 - (f / (0.50001 fs))^8): negligible at low f, strong near Nyquist.
    const HRXBiquad nearNyquist = designed(kBiquadLowPass, 21000.0, 0.5, 0.0);
    const double w = kTwoPi * 21000.0 / 44100.0;
    const double qCorrected = 0.5 * (1.0 - std::pow(21000.0 / (0.50001 * 44100.0), 8.0));
    EXPECT_LT(qCorrected, 0.3);
    EXPECT_EQ(nearNyquist.a0, 1.0 + std::sin(w) / (2.0 * qCorrected));
}

TEST(BiquadTick, StepHoldsHistoryAndFlushesTinyOutputs) {
    HRXBiquad s = designed(kBiquadLowPass, 1000.0, 0.7, 0.0);
    const double y1 = tickBiquad(s, 1.0);
    EXPECT_EQ(y1, s.b0);
    EXPECT_EQ(s.x0, 1.0);
    EXPECT_EQ(s.x1, 1.0);
    EXPECT_EQ(s.x2, 0.0);
    EXPECT_EQ(s.y0, y1);
    EXPECT_EQ(s.y1, y1);

    HRXBiquad quiet = designed(kBiquadLowPass, 1000.0, 0.7, 0.0);
    // An output far below 1e-25 is flushed to zero before it can decay into
    // subnormal numbers; a small normal one survives.
    EXPECT_EQ(tickBiquad(quiet, 1e-300), 0.0);
    EXPECT_NE(tickBiquad(quiet, 1e-30), 0.0);
}

TEST(BiquadTick, HeldFourEqualsFourSingleSteps) {
    HRXBiquad held = designed(kBiquadLowPass, 50.0, 0.1, 0.0);
    HRXBiquad single = held;
    tickBiquad(held, 0.3);
    tickBiquad(single, 0.3);
    const double four = tickBiquadHeld4(held, 0.7);
    double third = 0.0;
    double fourth = 0.0;
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

TEST(BiquadRetune, ClampsCutoffButStoresTheRequestedValue) {
    HRXBiquad low = designed(kBiquadLowPass, 1.0, 0.1, 0.0);
    HRXBiquad floor = low;
    retuneLowPass(low, 0.0005);
    retuneLowPass(floor, 0.001);
    EXPECT_EQ(low.frequency, 0.0005);
    EXPECT_EQ(low.b0, floor.b0);
    EXPECT_EQ(low.a1, floor.a1);

    HRXBiquad high = low;
    HRXBiquad ceiling = low;
    retuneLowPass(high, 50000.0);
    retuneLowPass(ceiling, 0.499 * 44100.0);
    EXPECT_EQ(high.frequency, 50000.0);
    EXPECT_EQ(high.b0, ceiling.b0);
    EXPECT_EQ(high.a2, ceiling.a2);
}

TEST(BiquadRetune, MatchesTheDesignerWithoutCorrection) {
    HRXBiquad retuned = designed(kBiquadLowPass, 1.0, 0.1, 0.0);
    retuneLowPass(retuned, 10.0);
    const HRXBiquad reference = designed(kBiquadLowPass, 10.0, 0.1, 0.0);
    // At 10 Hz the near-Nyquist correction is below double precision.
    EXPECT_NEAR(retuned.a1, reference.a1, 1e-15);
    EXPECT_NEAR(retuned.a2, reference.a2, 1e-15);
    EXPECT_NEAR(retuned.b1, reference.b1, 1e-19);
    EXPECT_EQ(retuned.b0, retuned.b2);
}

}  // namespace
