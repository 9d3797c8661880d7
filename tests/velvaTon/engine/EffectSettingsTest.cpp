#include "velvaTonEffect.h"
#include "velvaTonParameters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

TEST(EffectSettings, FreshObjectAtDefaults) {
    velvaTonEffect fx;
    EXPECT_EQ(fx.sampleRate(), 44100.0);
    EXPECT_EQ(fx.processMode(), 2);  // Valve
    EXPECT_EQ(fx.ratioIndex(), 3);
    EXPECT_EQ(fx.attackRatioIndex(), 3);
    EXPECT_DOUBLE_EQ(fx.timeConstant(), 0.05);
    EXPECT_EQ(fx.driveTarget(), 0.125 * std::pow(1024.0, 25.0 / 40.0));
    EXPECT_EQ(fx.drive(), fx.driveTarget());
    EXPECT_EQ(fx.outputGainTarget(), std::pow(31.622776601683793, 9.0 / 60.0));
    EXPECT_EQ(fx.outputGain(), fx.outputGainTarget());
    EXPECT_EQ(fx.valveIndex(), 3);
    EXPECT_EQ(fx.valveInScale(), 1.0);
    EXPECT_EQ(fx.valveOutScale(), 1.0);
    EXPECT_EQ(fx.envelope(), 0.0001);
    EXPECT_EQ(fx.meterGain(), 1.0);
    EXPECT_EQ(fx.noiseState().s1, 592u);
    EXPECT_EQ(fx.noiseState().s2, 153768u);
    EXPECT_EQ(fx.noiseState().s3, 1526u);
    EXPECT_EQ(fx.getLatencySamples(), 0);

    double out = -1.0;
    EXPECT_TRUE(fx.getParameterOutput(kGainReduction, &out));
    EXPECT_EQ(out, 0.0);
    double untouched = 42.0;
    EXPECT_FALSE(fx.getParameterOutput(kRatio, &untouched));
    EXPECT_FALSE(fx.getParameterOutput(-1, &untouched));
    EXPECT_EQ(untouched, 42.0);
}

TEST(EffectSettings, ConstructionValuesAreTheParameterTableDefaults) {
    // The engine applies its own copy of the defaults at construction; a fresh
    // object must equal one that is given the table's defaults explicitly.
    velvaTonEffect fresh;
    velvaTonEffect given;
    for (uint32_t index = 0; index < kParameterSlots; ++index)
        given.setParameter(index, getParameterDefault(static_cast<int32_t>(index)));
    given.reset();
    EXPECT_EQ(given.processMode(), fresh.processMode());
    EXPECT_EQ(given.ratioIndex(), fresh.ratioIndex());
    EXPECT_EQ(given.attackRatioIndex(), fresh.attackRatioIndex());
    EXPECT_EQ(given.timeConstant(), fresh.timeConstant());
    EXPECT_EQ(given.driveTarget(), fresh.driveTarget());
    EXPECT_EQ(given.outputGainTarget(), fresh.outputGainTarget());
    EXPECT_EQ(given.valveIndex(), fresh.valveIndex());
}

TEST(EffectSettings, MeterSmootherWarmUpSitsJustBelowOne) {
    velvaTonEffect fx;
    const HRXBiquad& meter = fx.meterSmoother();
    // 44100 steps of a 2 Hz, Q 0.583 low-pass on 1.0 reach about 0.99997, not 1.
    EXPECT_NEAR(meter.y1, 0.99997326, 1e-8);
    EXPECT_NE(meter.y1, 1.0);
    EXPECT_EQ(meter.x1, 1.0);
    EXPECT_EQ(meter.frequency, 7.0 / 3.0);
    EXPECT_EQ(meter.q, 0.583);
}

TEST(EffectSettings, SampleRateIsClamped) {
    velvaTonEffect fx;
    EXPECT_FALSE(fx.setSampleRate(16000.0));
    EXPECT_EQ(fx.sampleRate(), 22050.0);
    EXPECT_FALSE(fx.setSampleRate(384000.0));
    EXPECT_EQ(fx.sampleRate(), 192000.0);
    EXPECT_TRUE(fx.setSampleRate(48000.0));
    EXPECT_EQ(fx.sampleRate(), 48000.0);
    EXPECT_FALSE(fx.setSampleRate(std::nan("")));
    EXPECT_EQ(fx.sampleRate(), 48000.0);
}

// Field by field: the record's padding bytes carry no meaning.
bool sameSection(const HRXBiquad& a, const HRXBiquad& b) {
    const double fieldsA[] = {a.sampleRate, a.frequency, a.q, a.gain, a.a0, a.a1, a.a2, a.b0, a.b1,
                              a.b2, a.x0, a.x1, a.x2, a.y0, a.y1, a.y2};
    const double fieldsB[] = {b.sampleRate, b.frequency, b.q, b.gain, b.a0, b.a1, b.a2, b.b0, b.b1,
                              b.b2, b.x0, b.x1, b.x2, b.y0, b.y1, b.y2};
    return a.type == b.type && std::memcmp(fieldsA, fieldsB, sizeof fieldsA) == 0;
}

TEST(EffectSettings, NewRatePreparesTheSectionsForIt) {
    velvaTonEffect fx;
    ASSERT_TRUE(fx.setSampleRate(96000.0));
    for (const HRXBiquad* s : {&fx.meterSmoother(), &fx.fastEnvelope(), &fx.slowEnvelope(),
                               &fx.programEnvelope(), &fx.detectorHighPassL(), &fx.detectorHighPassR()})
        EXPECT_EQ(s->sampleRate, 96000.0);
    EXPECT_EQ(fx.fastEnvelope().frequency, 5.0);
    EXPECT_EQ(fx.slowEnvelope().frequency, 2.0);
    EXPECT_EQ(fx.detectorHighPassL().frequency, 40.0);

    velvaTonEffect reference;
    reference.setSampleRate(96000.0);
    reference.reset();
    EXPECT_TRUE(sameSection(fx.fastEnvelope(), reference.fastEnvelope()));
    EXPECT_TRUE(sameSection(fx.detectorHighPassR(), reference.detectorHighPassR()));
}

TEST(EffectSettings, ParameterMapping) {
    velvaTonEffect fx;
    fx.setParameter(kProcess, 0.0);
    EXPECT_EQ(fx.processMode(), 0);
    fx.setParameter(kProcess, 0.5);
    EXPECT_EQ(fx.processMode(), 1);

    fx.setParameter(kCompression, 0.0);
    EXPECT_EQ(fx.driveTarget(), 0.125);
    fx.setParameter(kCompression, 1.0);
    EXPECT_EQ(fx.driveTarget(), 128.0);

    fx.setParameter(kOutput, 0.0);
    EXPECT_EQ(fx.outputGainTarget(), 1.0);
    fx.setParameter(kOutput, 1.0);
    EXPECT_EQ(fx.outputGainTarget(), 31.622776601683793);

    fx.setParameter(kTime, 0.0);
    EXPECT_EQ(fx.timeConstant(), 0.005);
    fx.setParameter(kTime, 1.0);
    EXPECT_DOUBLE_EQ(fx.timeConstant(), 0.5);

    // Parameter values arrive as 32-bit floats except AttackRatio: just below a
    // step boundary Ratio rounds up (0.25 - 1e-12 narrows to 0.25), AttackRatio does not.
    fx.setParameter(kRatio, 0.25 - 1e-12);
    fx.setParameter(kAttackRatio, 0.25 - 1e-12);
    EXPECT_EQ(fx.ratioIndex(), 2);
    EXPECT_EQ(fx.attackRatioIndex(), 1);

    fx.setParameter(kValveLevel, 4.0 / 6.0);
    EXPECT_EQ(fx.valveIndex(), 4);
    EXPECT_EQ(fx.valveInScale(), 1.4141);
    EXPECT_EQ(fx.valveOutScale(), 0.7071);
    fx.setParameter(kValveLevel, 0.0);
    EXPECT_EQ(fx.valveInScale(), 1.0 / 7.0);
    EXPECT_EQ(fx.valveOutScale(), 7.0);
    fx.setParameter(kValveLevel, 2.0);  // index 12: outside the table
    EXPECT_EQ(fx.valveIndex(), 12);
    EXPECT_EQ(fx.valveInScale(), 1.0);
    EXPECT_EQ(fx.valveOutScale(), 1.0);
}

TEST(EffectSettings, ValvePositionIsComputedInSinglePrecision) {
    // 6 x 0.58333331 is 3.4999998 in double but rounds to 3.5 in float.
    const float v = 0.58333331f;
    ASSERT_LT(6.0 * static_cast<double>(v) + 0.5, 4.0);
    ASSERT_EQ(6.0f * v, 3.5f);
    velvaTonEffect fx;
    fx.setParameter(kValveLevel, static_cast<double>(v));
    EXPECT_EQ(fx.valveIndex(), 4);
}

TEST(EffectSettings, OutputSlotsAndUnknownIndicesChangeNothing) {
    velvaTonEffect fx;
    velvaTonEffect reference;
    for (uint32_t index : {1u, 8u, 12u, 13u, 14u, 15u, 16u, 22u, 23u, 28u, 29u, 1000u, 0xffffffffu})
        fx.setParameter(index, 0.9);
    EXPECT_EQ(fx.processMode(), reference.processMode());
    EXPECT_EQ(fx.ratioIndex(), reference.ratioIndex());
    EXPECT_EQ(fx.driveTarget(), reference.driveTarget());
    EXPECT_EQ(fx.outputGainTarget(), reference.outputGainTarget());
    EXPECT_EQ(fx.meterGain(), reference.meterGain());
}

TEST(EffectSettings, HostileValuesKeepTheObjectUsable) {
    velvaTonEffect fx;
    for (uint32_t index = 0; index < 8; ++index) {
        fx.setParameter(index, std::nan(""));
        fx.setParameter(index, 1e300);
        fx.setParameter(index, -1e300);
    }
    fx.setParameter(kRatio, 3.0);  // index 18: the kernel clamps it to 6
    for (uint32_t index : {0u, 3u, 4u, 5u, 6u, 7u})
        fx.setParameter(index, getParameterDefault(static_cast<int32_t>(index)));
    float sample[4] = {0.5f, -0.5f, 0.25f, 0.0f};
    float* io[2] = {sample, nullptr};
    fx.process(io, io, 4);
    EXPECT_EQ(fx.ratioIndex(), 6);
    for (float s : sample)
        EXPECT_TRUE(std::isfinite(s));
}

}  // namespace
