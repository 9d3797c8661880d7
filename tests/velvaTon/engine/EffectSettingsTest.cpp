#include "velvaTonEffect.h"
#include "velvaTonParameters.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>

namespace {

// Every setting the parameters reach, and the meter.
enum Setting { Mode, RatioIndex, AttackIndex, Drive, OutputGain, ValveIndex, ValveIn, ValveOut, Meter, Time };
using Settings = std::array<double, 10>;

Settings settingsOf(const velvaTonEffect& fx) {
    const velvaTonEngineState e = fx.snapshot();
    return {double(e.processMode), double(e.ratioIndex), double(e.attackRatioIndex),
            e.driveTarget,         e.outputGainTarget,   double(e.valveIndex),
            e.valveInScale,        e.valveOutScale,      e.meterGain,
            e.timeConstant};
}

TEST(EffectSettings, FreshObjectAtTheTableDefaults) {
    velvaTonEffect fx;
    Settings fresh = settingsOf(fx);
    EXPECT_DOUBLE_EQ(fresh[Time], 0.05);
    fresh[Time] = 0.05;
    // Valve, 3:1, x1, drive and output from their curves, valve position 3, meter at unity.
    EXPECT_EQ(fresh, (Settings{2, 3, 3, 0.125 * std::pow(1024.0, 25.0 / 40.0), std::pow(31.622776601683793, 9.0 / 60.0),
                               3, 1.0, 1.0, 1.0, 0.05}));
    const velvaTonEngineState state = fx.snapshot();
    EXPECT_EQ(state.sampleRate, 44100.0);
    EXPECT_EQ(state.drive, state.driveTarget);
    EXPECT_EQ(state.outputGain, state.outputGainTarget);
    EXPECT_EQ(state.envelope, 0.0001);
    EXPECT_EQ(state.noiseState.s1, 592u);
    EXPECT_EQ(state.noiseState.s2, 153768u);
    EXPECT_EQ(state.noiseState.s3, 1526u);
    EXPECT_EQ(fx.getLatencySamples(), 0);
    // 44100 warm-up steps of a 2 Hz, Q 0.583 low-pass on 1.0 reach about 0.99997, not 1.
    const HRXBiquad& meter = state.meterSmoother;
    EXPECT_NEAR(meter.y1, 0.99997326, 1e-8);
    EXPECT_NE(meter.y1, 1.0);
    EXPECT_EQ(meter.x1, 1.0);
    EXPECT_EQ(meter.frequency, 7.0 / 3.0);
    EXPECT_EQ(meter.q, 0.583);

    double out = -1.0;
    EXPECT_TRUE(fx.getParameterOutput(kGainReduction, &out));
    EXPECT_EQ(out, 0.0);
    double untouched = 42.0;
    EXPECT_FALSE(fx.getParameterOutput(kRatio, &untouched));
    EXPECT_FALSE(fx.getParameterOutput(-1, &untouched));
    EXPECT_EQ(untouched, 42.0);

    // The engine's own copy of the defaults equals the parameter table's.
    velvaTonEffect given;
    for (uint32_t index = 0; index < kParameterSlots; ++index)
        given.setParameter(index, getParameterDefault(static_cast<int32_t>(index)));
    given.reset();
    EXPECT_EQ(settingsOf(given), settingsOf(fx));
}

TEST(EffectSettings, SampleRateIsClampedAndTheSectionsPreparedForIt) {
    velvaTonEffect fx;
    const struct {
        double requested;
        bool accepted;
        double rate;
    } rates[] = {{16000.0, false, 22050.0},
                 {384000.0, false, 192000.0},
                 {48000.0, true, 48000.0},
                 {std::nan(""), false, 48000.0},
                 {96000.0, true, 96000.0}};
    for (const auto& r : rates) {
        EXPECT_EQ(fx.setSampleRate(r.requested), r.accepted) << r.requested;
        EXPECT_EQ(fx.snapshot().sampleRate, r.rate) << r.requested;
    }
    const velvaTonEngineState state = fx.snapshot();
    for (const HRXBiquad* s : {&state.meterSmoother, &state.fastEnvelope, &state.slowEnvelope, &state.programEnvelope,
                               &state.detectorHighPassL, &state.detectorHighPassR})
        EXPECT_EQ(s->sampleRate, 96000.0);
    EXPECT_EQ(state.fastEnvelope.frequency, 5.0);
    EXPECT_EQ(state.slowEnvelope.frequency, 2.0);
    EXPECT_EQ(state.detectorHighPassL.frequency, 40.0);

    // Field by field against a reset at that rate: padding bytes carry no meaning.
    velvaTonEffect reference;
    reference.setSampleRate(96000.0);
    reference.reset();
    const velvaTonEngineState prepared = reference.snapshot();
    for (auto section : {&velvaTonEngineState::fastEnvelope, &velvaTonEngineState::detectorHighPassR}) {
        const HRXBiquad& a = state.*section;
        const HRXBiquad& b = prepared.*section;
        const double fieldsA[] = {a.sampleRate, a.frequency, a.q,  a.gain, a.a0, a.a1, a.a2, a.b0,
                                  a.b1,         a.b2,        a.x0, a.x1,   a.x2, a.y0, a.y1, a.y2};
        const double fieldsB[] = {b.sampleRate, b.frequency, b.q,  b.gain, b.a0, b.a1, b.a2, b.b0,
                                  b.b1,         b.b2,        b.x0, b.x1,   b.x2, b.y0, b.y1, b.y2};
        EXPECT_EQ(a.type, b.type);
        EXPECT_EQ(std::memcmp(fieldsA, fieldsB, sizeof fieldsA), 0);
    }
}

TEST(EffectSettings, ParameterMapping) {
    velvaTonEffect fx;
    const struct {
        uint32_t index;
        double value;
        Setting setting;
        double expected;
    } cases[] = {
        {kProcess, 0.0, Mode, 0},
        {kProcess, 0.5, Mode, 1},
        {kCompression, 0.0, Drive, 0.125},
        {kCompression, 1.0, Drive, 128.0},
        {kOutput, 0.0, OutputGain, 1.0},
        {kOutput, 1.0, OutputGain, 31.622776601683793},
        {kTime, 0.0, Time, 0.005},
        // Values arrive as 32-bit floats except AttackRatio: just below a step
        // boundary Ratio rounds up (0.25 - 1e-12 narrows to 0.25), AttackRatio does not.
        {kRatio, 0.25 - 1e-12, RatioIndex, 2},
        {kAttackRatio, 0.25 - 1e-12, AttackIndex, 1},
        // 6 x 0.58333331 is 3.4999998 in double but 3.5 in float: the position is single precision.
        {kValveLevel, 0.58333331f, ValveIndex, 4},
        {kValveLevel, 4.0 / 6.0, ValveIn, 1.4141},
        {kValveLevel, 4.0 / 6.0, ValveOut, 0.7071},
        {kValveLevel, 0.0, ValveIn, 1.0 / 7.0},
        {kValveLevel, 0.0, ValveOut, 7.0},
        // Index 12 is outside the valve table: unity scales.
        {kValveLevel, 2.0, ValveIndex, 12},
        {kValveLevel, 2.0, ValveIn, 1.0},
        {kValveLevel, 2.0, ValveOut, 1.0},
    };
    ASSERT_LT(6.0 * static_cast<double>(0.58333331f) + 0.5, 4.0);
    for (const auto& c : cases) {
        fx.setParameter(c.index, c.value);
        EXPECT_EQ(settingsOf(fx)[c.setting], c.expected) << "parameter " << c.index << " at " << c.value;
    }
    fx.setParameter(kTime, 1.0);
    EXPECT_DOUBLE_EQ(fx.snapshot().timeConstant, 0.5);
}

TEST(EffectSettings, OutputSlotsUnknownIndicesAndHostileValues) {
    velvaTonEffect fx;
    for (uint32_t index : {1u, 8u, 12u, 13u, 14u, 15u, 16u, 22u, 23u, 28u, 29u, 1000u, 0xffffffffu})
        fx.setParameter(index, 0.9);
    EXPECT_EQ(settingsOf(fx), settingsOf(velvaTonEffect()));
    EXPECT_EQ(fx.snapshot().drive, velvaTonEffect().snapshot().drive);

    for (uint32_t index = 0; index < 8; ++index)
        for (double hostile : {std::nan(""), 1e300, -1e300})
            fx.setParameter(index, hostile);
    fx.setParameter(kRatio, 3.0);  // index 18: the kernel clamps it to 6
    for (uint32_t index : {0u, 3u, 4u, 5u, 6u, 7u})
        fx.setParameter(index, getParameterDefault(static_cast<int32_t>(index)));
    float sample[4] = {0.5f, -0.5f, 0.25f, 0.0f};
    float* io[2] = {sample, nullptr};
    fx.process(io, io, 4);
    EXPECT_EQ(fx.snapshot().ratioIndex, 6);
    for (float s : sample)
        EXPECT_TRUE(std::isfinite(s));
}

}  // namespace
