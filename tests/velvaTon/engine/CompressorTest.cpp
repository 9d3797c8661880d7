#include "EngineStateFields.h"
#include "velvaTonEffect.h"
#include "velvaTonGainCurves.h"
#include "velvaTonParameters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;

double ratioValue(int32_t index) {
    return index / 6.0;
}

std::vector<float> sine(size_t frames, double frequency, double amplitude, double rate = 44100.0) {
    std::vector<float> out(frames);
    for (size_t i = 0; i < frames; ++i)
        out[i] = static_cast<float>(amplitude * std::sin(2.0 * kPi * frequency * i / rate));
    return out;
}

void processMono(velvaTonEffect& fx, std::vector<float>& io) {
    float* channels[2] = {io.data(), nullptr};
    fx.process(channels, channels, static_cast<uint32_t>(io.size()));
}

// Sets the parameters and starts from rest, so drive and output do not glide.
void configure(velvaTonEffect& fx, std::initializer_list<std::pair<uint32_t, double>> settings) {
    for (const auto& [index, value] : settings)
        fx.setParameter(index, value);
    fx.reset();
}

double gainReduction(velvaTonEffect& fx) {
    double value = -1.0;
    EXPECT_TRUE(fx.getParameterOutput(kGainReduction, &value));
    return value;
}

TEST(GainCurves, ReferenceGains) {
    const double atOne[7] = {0.828571, 0.771429, 0.762160, 0.747101, 0.738147, 0.750396, 0.763978};
    const double atTen[7] = {0.520000, 0.360000, 0.268216, 0.200441, 0.150252, 0.127970, 0.109000};
    for (int32_t k = 0; k < 7; ++k) {
        EXPECT_NEAR(gainCurve(k, 1.0), atOne[k], 5e-7) << "curve " << k;
        EXPECT_NEAR(gainCurve(k, 10.0), atTen[k], 5e-7) << "curve " << k;
        EXPECT_NEAR(gainCurve(k, 1e-9), 1.0, 1e-8) << "curve " << k;
    }
    for (double e = 0.0; e < 1e6; e = e * 2.0 + 1.0) {
        EXPECT_GT(gainCurve(0, e), 0.4);
        EXPECT_GT(gainCurve(1, e), 0.2);
    }
}

TEST(Compressor, SilenceSettlesAtTheEnvelopeFloor) {
    const double silenceGain[7] = {0.992505, 0.990007, 0.992971, 0.996064, 0.999535, 0.999601, 0.999670};
    for (int32_t k = 0; k < 7; ++k) {
        velvaTonEffect fx;
        fx.setParameter(kRatio, ratioValue(k));
        std::vector<float> silence(44100 * 4, 0.0f);
        processMono(fx, silence);
        EXPECT_EQ(fx.snapshot().envelope, 0.001);
        EXPECT_NEAR(gainCurve(k, std::sqrt(0.001)), silenceGain[k], 5e-7);
        EXPECT_NEAR(fx.snapshot().meterGain, silenceGain[k], 1e-6) << "ratio " << k;
        EXPECT_NEAR(gainReduction(fx), 1.0 - silenceGain[k], 1e-6);
    }
}

TEST(Compressor, OffModeAndBypassPassAudioExactlyWhileTheMeterRelaxes) {
    for (const bool bypass : {false, true}) {
        velvaTonEffect fx;
        fx.setParameter(kCompression, 1.0);
        std::vector<float> loud = sine(44100, 200.0, 0.9), loudR = sine(44100, 300.0, 0.9);
        float* loudIo[2] = {loud.data(), loudR.data()};
        fx.process(loudIo, loudIo, 44100);
        const double reductionBefore = gainReduction(fx);
        ASSERT_GT(reductionBefore, 0.3);
        const velvaTonEngineState before = fx.snapshot();
        if (!bypass)
            fx.setParameter(kProcess, 0.0);
        const auto run = [&](float** in, float** out) {
            if (bypass)
                fx.processBypassed(in, out, 4410);
            else
                fx.process(in, out, 4410);
        };
        const std::vector<float> left = sine(4410, 440.0, 0.7), right = sine(4410, 550.0, 0.6);
        std::vector<float> outL(4410), outR(4410), inL = left, inR = right;
        float* in[2] = {inL.data(), inR.data()};
        float* out[2] = {outL.data(), outR.data()};
        run(in, out);
        EXPECT_EQ(std::memcmp(outL.data(), left.data(), 4410 * sizeof(float)), 0) << bypass;
        EXPECT_EQ(std::memcmp(outR.data(), right.data(), 4410 * sizeof(float)), 0) << bypass;
        // One channel in, two out: both outputs get the input.
        std::fill(outL.begin(), outL.end(), 0.0f);
        float* monoIn[2] = {inL.data(), nullptr};
        run(monoIn, out);
        EXPECT_EQ(std::memcmp(outL.data(), left.data(), 4410 * sizeof(float)), 0) << bypass;
        EXPECT_EQ(std::memcmp(outR.data(), left.data(), 4410 * sizeof(float)), 0) << bypass;

        const double reductionAfter = gainReduction(fx);
        EXPECT_LT(reductionAfter, reductionBefore * 0.5);
        EXPECT_GT(reductionAfter, 0.0);
        // Nothing but the meter moved.
        EXPECT_EQ(fx.snapshot().envelope, before.envelope);
        EXPECT_EQ(fx.snapshot().drive, before.drive);
    }
}

TEST(Compressor, NanInputReadsAsZeroAndNeverReachesTheState) {
    velvaTonEffect a;
    velvaTonEffect b;
    std::vector<float> withNan = sine(2048, 100.0, 0.8);
    std::vector<float> withZero = withNan;
    for (size_t i : {10u, 11u, 500u, 2047u}) {
        withNan[i] = std::nanf("");
        withZero[i] = 0.0f;
    }
    withNan[700] = INFINITY;
    withZero[700] = 0.0f;
    processMono(a, withNan);
    processMono(b, withZero);
    EXPECT_EQ(std::memcmp(withNan.data(), withZero.data(), withNan.size() * sizeof(float)), 0);
    for (double v : stateFields(a.snapshot()))
        EXPECT_TRUE(std::isfinite(v));

    std::vector<double> left(64, std::nan("")), right(64, 0.25);
    double* io[2] = {left.data(), right.data()};
    a.processDouble(io, io, 64);
    for (double v : left)
        EXPECT_TRUE(std::isfinite(v));
    EXPECT_TRUE(std::isfinite(a.snapshot().detectorHighPassR.y1));
}

TEST(Compressor, ZeroFrameBlocksLeaveTheStateUnchanged) {
    velvaTonEffect fx;
    std::vector<float> warm = sine(1000, 100.0, 0.5);
    processMono(fx, warm);
    const std::vector<double> before = stateFields(fx.snapshot());
    float dummy = 0.0f;
    float* io[2] = {&dummy, &dummy};
    double dummyWide = 0.0;
    double* ioWide[2] = {&dummyWide, nullptr};
    fx.process(io, io, 0);
    fx.processBypassed(io, io, 0);
    fx.processDouble(ioWide, ioWide, 0);
    fx.processBypassedDouble(ioWide, ioWide, 0);
    EXPECT_TRUE(sameBits(stateFields(fx.snapshot()), before));
}

TEST(Compressor, ChannelLayoutsAndInPlaceProcessing) {
    const std::vector<float> input = sine(8192, 100.0, 0.5);
    // Mono in, two out: both outputs written; in place gives the same samples.
    velvaTonEffect separate, inPlace, stereo;
    std::vector<float> out0(8192), out1(8192), io = input;
    float* in[2] = {const_cast<float*>(input.data()), nullptr};
    float* out[2] = {out0.data(), out1.data()};
    separate.process(in, out, 8192);
    EXPECT_EQ(out0, out1);
    processMono(inPlace, io);
    EXPECT_EQ(io, out0);
    EXPECT_NE(io, input);
    // Stereo: the detector sees both channels, and both get one gain; only the noise differs.
    std::vector<float> l = input, r = input;
    float* both[2] = {l.data(), r.data()};
    stereo.process(both, both, 8192);
    EXPECT_NE(inPlace.snapshot().envelope, stereo.snapshot().envelope);
    EXPECT_NE(l, io);
    for (size_t i = 0; i < l.size(); ++i)
        ASSERT_NEAR(l[i], r[i], 1e-8);
}

// Replays the envelope step from the state before a sample: the number of
// programEnvelope steps the engine took must be the table entry.
template <typename Sample>
int stepsTakenOnAttack(double attackValue) {
    velvaTonEffect fx;
    fx.setParameter(kAttackRatio, attackValue);
    int checked = 0;
    int stepsSeen = -1;
    for (int i = 0; i < 20000; ++i) {
        const velvaTonEngineState before = fx.snapshot();
        Sample sample = static_cast<Sample>(0.8 * std::sin(2.0 * kPi * 60.0 * i / 44100.0));
        Sample* io[2] = {&sample, nullptr};
        if constexpr (sizeof(Sample) == sizeof(float))
            fx.process(io, io, 1);
        else
            fx.processDouble(io, io, 1);
        const velvaTonEngineState after = fx.snapshot();
        const double s = std::fabs(after.detectorHighPassL.y1);
        if (!(s > before.envelope) || after.envelope <= 0.001)
            continue;
        for (int steps = 1; steps <= 64; ++steps) {
            HRXBiquad replay = before.programEnvelope;
            retuneLowPass(replay, after.programEnvelope.frequency);
            double y = 0.0;
            for (int k = 0; k < steps; ++k)
                y = tickBiquad(replay, s);
            if (y == after.envelope) {
                if (stepsSeen != -1 && stepsSeen != steps)
                    return -2;
                stepsSeen = steps;
                ++checked;
                break;
            }
        }
    }
    return checked > 10 ? stepsSeen : -1;
}

TEST(Compressor, AttackStepTablesOf32And64BitVariants) {
    const struct {
        double attackRatio;
        int floatSteps, doubleSteps;
    } cases[] = {{0.0, 56, 40}, {1.0 / 6.0, 33, 25}, {0.5, 10, 10}, {1.0, 1, 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(stepsTakenOnAttack<float>(c.attackRatio), c.floatSteps) << c.attackRatio;
        EXPECT_EQ(stepsTakenOnAttack<double>(c.attackRatio), c.doubleSteps) << c.attackRatio;
    }
    EXPECT_EQ(stepsTakenOnAttack<float>(3.0), 10);  // index 18: outside the table
}

TEST(Compressor, ClearModeAndValveStageStayWithinTheirLimits) {
    // Clear is never louder than the input times the output gain.
    velvaTonEffect clear;
    configure(clear, {{kProcess, 0.5}, {kCompression, 0.8}});
    const std::vector<float> input = sine(44100, 150.0, 0.9);
    std::vector<float> io = input;
    processMono(clear, io);
    const double outputGain = clear.snapshot().outputGain;
    for (size_t i = 0; i < io.size(); ++i)
        ASSERT_LE(std::fabs(io[i]), std::fabs(input[i]) * outputGain + 1e-8);
    EXPECT_LT(clear.snapshot().meterGain, 0.9);

    // Valve at drive 128 and R 2.8 approaches R pi/2 above and R/0.64 below.
    velvaTonEffect valve;
    configure(valve, {{kCompression, 1.0}, {kRatio, 1.0}});
    io = sine(44100, 100.0, 1.0);
    processMono(valve, io);
    const double scale = valve.snapshot().inverseDrive * valve.snapshot().outputGain;
    const double positiveLimit = 2.8 * kPi / 2.0 * scale;
    const double negativeLimit = 2.8 / 0.64 * scale;
    const auto [bottom, top] = std::minmax_element(io.begin() + io.size() / 2, io.end());
    EXPECT_LE(*top, positiveLimit);
    EXPECT_GT(*top, positiveLimit * 0.85);
    EXPECT_GE(*bottom, -negativeLimit);
    EXPECT_LT(*bottom, -negativeLimit * 0.9);
}

// Time for the gain-reduction output to fall to half after loud material stops.
double releaseMilliseconds(double rate) {
    velvaTonEffect fx;
    fx.setSampleRate(rate);
    configure(fx, {{kCompression, 0.8}});
    std::vector<float> loud = sine(static_cast<size_t>(rate), 1000.0, 0.5, rate);
    processMono(fx, loud);
    const double start = gainReduction(fx);
    EXPECT_GT(start, 0.2);
    float silence = 0.0f;
    float* io[2] = {&silence, nullptr};
    for (int frame = 1; frame < static_cast<int>(rate) * 5; ++frame) {
        silence = 0.0f;
        fx.process(io, io, 1);
        if (gainReduction(fx) < start * 0.5)
            return 1000.0 * frame / rate;
    }
    return -1.0;
}

TEST(Compressor, ReleaseTimeIsTheSameAtEveryRate) {
    const double at44 = releaseMilliseconds(44100.0);
    const double at96 = releaseMilliseconds(96000.0);
    ASSERT_GT(at44, 0.0);
    EXPECT_NEAR(at96, at44, at44 * 0.02);
    EXPECT_NEAR(releaseMilliseconds(192000.0), at44, at44 * 0.02);
}

}  // namespace
