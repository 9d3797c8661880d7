// The kernel's stages over sub-blocks against the kernel as one loop doing a
// frame at a time, kept here as the oracle: the two must agree to the bit.
#include "EngineStateFields.h"
#include "HRXGainSmoother.h"
#include "velvaTonEffect.h"
#include "velvaTonGainCurves.h"
#include "velvaTonNumeric.h"
#include "velvaTonParameters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {

template <typename Sample>
void oneLoopKernel(velvaTonEngineState& st, const Sample* in0, const Sample* in1, Sample* out0, Sample* out1,
                   uint32_t frames) {
    st.ratioIndex = std::clamp(st.ratioIndex, 0, 6);
    const double u = kRatioTable[st.ratioIndex].companion * st.valveInScale;
    const double V = kRatioTable[st.ratioIndex].ratio * st.valveOutScale;
    const int32_t steps = attackSteps(sizeof(Sample) == 4 ? kAttackSteps32 : kAttackSteps64, st.attackRatioIndex);
    const auto read = [](Sample x) { return std::isfinite(double(x)) ? double(x) : 0.0; };
    for (uint32_t i = 0; i < frames; ++i) {
        tickGainSmoother(st.drive, st.driveTarget);
        st.inverseDrive = 1.0 / st.drive;
        tickGainSmoother(st.outputGain, st.outputGainTarget);
        double d[2], s;
        if (in1) {
            const double x1 = read(in0[i]), x2 = read(in1[i]);
            const double n1 = tickNoise(st.noiseState), n2 = tickNoise(st.noiseState);
            d[0] = n1 + st.drive * x1;
            d[1] = n2 + st.drive * x2;
            const double h1 = tickBiquad(st.detectorHighPassL, d[0]), h2 = tickBiquad(st.detectorHighPassR, d[1]);
            s = (h1 * h1 + h2 * h2) * 0.7071;
        } else {
            const double x = read(in0[i]);
            d[0] = tickNoise(st.noiseState) + st.drive * x;
            s = std::fabs(tickBiquad(st.detectorHighPassL, d[0]));
        }
        const double fast = tickBiquad(st.fastEnvelope, s), slow = tickBiquad(st.slowEnvelope, s);
        const double rho = std::max(1e-6, fast) * 0.2 / std::max(1e-6, slow);
        retuneLowPass(st.programEnvelope, (4.0 * rho / (rho + 1.0) + 0.1) * 0.7 / st.timeConstant);
        double next = 0.0;
        if (s > st.envelope) {
            for (int32_t run = 0; run < steps / 4; ++run)
                next = tickBiquadHeld4(st.programEnvelope, s);
            for (int32_t step = 0; step < steps % 4; ++step)
                next = tickBiquad(st.programEnvelope, s);
        } else {
            next = tickBiquad(st.programEnvelope, s);
        }
        st.envelope = std::isnan(next) || next < 0.001 ? 0.001 : next;
        double g = gainCurve(st.ratioIndex, std::sqrt(st.envelope));
        g = std::isnan(g) ? 0.0 : g;
        st.meterGain = tickBiquad(st.meterSmoother, g);
        for (int c = 0; c < (in1 ? 2 : 1); ++c) {
            double y = g * d[c];
            if (st.processMode == 2)
                y = y >= 0.0 ? V * std::atan(u * y) : -std::tanh(-u * y * 0.64) * V / 0.64;
            const Sample out = narrowSample<Sample>(y * st.inverseDrive * st.outputGain);
            (c == 0 ? out0 : out1)[i] = out;
            if (!in1)
                out1[i] = out;
        }
    }
}

// Bursts, tones, rising alternations and silence at random levels, with the
// odd NaN, infinity or huge sample.
template <typename Sample>
std::vector<Sample> randomMaterial(std::mt19937& rng, size_t frames) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<Sample> out(frames);
    for (size_t i = 0; i < frames;) {
        const size_t length = std::min<size_t>(frames - i, 100 + rng() % 5000);
        const unsigned shape = rng() % 4;
        const double level = 1.5 * std::pow(10.0, -4.0 * unit(rng)), step = 0.2 * unit(rng);
        for (size_t k = 0; k < length; ++k, ++i) {
            const double noise = 2.0 * unit(rng) - 1.0;
            const double t = static_cast<double>(k);
            const double v = shape == 0   ? level * noise * std::exp(-t / 2000.0)
                             : shape == 1 ? level * std::sin(step * t)
                             : shape == 2 ? level * t / static_cast<double>(length) * (k % 2 ? 1.0 : -1.0)
                                          : 0.0;
            out[i] = static_cast<Sample>(v);
        }
    }
    const Sample oddSamples[] = {std::numeric_limits<Sample>::quiet_NaN(), std::numeric_limits<Sample>::infinity(),
                                 -std::numeric_limits<Sample>::max(), Sample(1e30), Sample(-3)};
    for (int k = 0; k < 12; ++k)
        out[rng() % frames] = oddSamples[rng() % 5];
    return out;
}

template <typename Sample>
void matchOneLoopKernel(std::mt19937& rng, bool stereo) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    velvaTonEffect fx;
    const double rates[] = {22050.0, 44100.0, 48000.0, 96000.0, 192000.0};
    fx.setSampleRate(rates[rng() % 5]);
    // Clear or Valve, and every other setting, beyond its range at times.
    const auto changeSetting = [&] {
        const uint32_t slot = kRatio + rng() % 7;
        if (slot > kValveLevel)
            fx.setParameter(kProcess, rng() % 2 ? 0.5 : 1.0);
        else
            fx.setParameter(slot, 1.2 * unit(rng));
    };
    for (int k = 0; k < 12; ++k)
        changeSetting();
    fx.setParameter(kProcess, 1.0);

    const size_t frames = 20000;
    std::vector<Sample> left = randomMaterial<Sample>(rng, frames), right = randomMaterial<Sample>(rng, frames);
    std::vector<Sample> expectedL(frames), expectedR(frames);
    for (size_t start = 0; start < frames;) {
        // Single frames, a few frames, any length, whole sub-blocks.
        const unsigned pick = rng() % 8;
        const size_t wanted = pick == 0  ? 1
                              : pick < 3 ? 1 + rng() % 40
                              : pick < 7 ? rng() % 700
                                         : 32 * (1 + rng() % 16);
        const uint32_t length = static_cast<uint32_t>(std::min(wanted, frames - start));
        if (rng() % 6 == 0)
            changeSetting();

        velvaTonEngineState expected = fx.snapshot();
        oneLoopKernel(expected, &left[start], stereo ? &right[start] : nullptr, &expectedL[start], &expectedR[start],
                      length);
        // In place; one channel in writes both outputs.
        Sample* in[2] = {&left[start], stereo ? &right[start] : nullptr};
        Sample* out[2] = {&left[start], &right[start]};
        if constexpr (sizeof(Sample) == sizeof(float))
            fx.process(in, out, length);
        else
            fx.processDouble(in, out, length);

        ASSERT_EQ(std::memcmp(&left[start], &expectedL[start], length * sizeof(Sample)), 0) << start;
        ASSERT_EQ(std::memcmp(&right[start], &expectedR[start], length * sizeof(Sample)), 0) << start;
        ASSERT_TRUE(sameBits(stateFields(fx.snapshot()), stateFields(expected))) << start;
        start += length;
    }
}

TEST(SubBlockKernel, MatchesTheOneLoopKernelBitForBit) {
    std::mt19937 rng(20240611);
    for (int run = 0; run < 3; ++run) {
        matchOneLoopKernel<float>(rng, false);
        matchOneLoopKernel<float>(rng, true);
        matchOneLoopKernel<double>(rng, false);
        matchOneLoopKernel<double>(rng, true);
    }
}

}  // namespace
