// The per-sample compressor kernel: drive into a fixed gain curve, an opto-style
// programme-dependent envelope, optional asymmetric valve stage, output gain.
#include "HRXGainSmoother.h"
#include "velvaTonEffect.h"
#include "velvaTonGainCurves.h"
#include "velvaTonNumeric.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace {

// Settings that hold for a whole block.
struct BlockSettings {
    double factor;      // u, the valve input factor
    double ceiling;     // V, the valve ceiling
    int32_t attackSteps;
    bool valve;
};

// Steps the drive and output-gain smoothers once, in the kernel's order.
inline void stepGainSmoothers(double& drive, double driveTarget, double& inverseDrive, double& outputGain,
                              double outputGainTarget) {
    tickGainSmoother(drive, driveTarget);
    inverseDrive = 1.0 / drive;
    tickGainSmoother(outputGain, outputGainTarget);
}

// NaN samples read as 0. Infinite samples too: one of them would otherwise
// turn every filter history into NaN for the rest of the instance's life.
inline double readSample(double x) {
    return std::isfinite(x) ? x : 0.0;
}

inline double valveStage(double y, double u, double V) {
    if (y >= 0.0)
        return V * std::atan(u * y);
    return -std::tanh(-u * y * 0.64) * V / 0.64;
}

template <typename Sample>
constexpr const int32_t (&attackTable())[kRatioSettings] {
    if constexpr (std::is_same_v<Sample, float>)
        return kAttackSteps32;
    else
        return kAttackSteps64;
}

// Once per block: clamps the stored ratio index, then derives the valve
// constants from the ratio and the valve scales.
template <typename Sample>
BlockSettings beginBlock(int32_t& ratioIndex, double valveInScale, double valveOutScale,
                         int32_t attackRatioIndex, int32_t processMode) {
    if (ratioIndex < 0)
        ratioIndex = 0;
    if (ratioIndex > 6)
        ratioIndex = 6;
    const velvaTonRatio& ratio = kRatioTable[ratioIndex];
    return {ratio.companion * valveInScale, ratio.ratio * valveOutScale,
            attackSteps(attackTable<Sample>(), attackRatioIndex), processMode == 2};
}

}  // namespace

// The stages shared by the one- and two-channel kernels: programme sensing,
// the envelope with its attack steps, the gain curve and the meter smoother.
namespace velvaTonKernel {

struct Sections {
    HRXBiquad& fast;
    HRXBiquad& slow;
    HRXBiquad& program;
    HRXBiquad& meter;
};

// Answers g for detector value s and advances envelope and meterGain.
inline double followAndGain(Sections sections, double s, double timeConstant, int32_t attackSteps,
                            int32_t ratioIndex, double& envelope, double& meterGain) {
    const double fast = tickBiquad(sections.fast, s);
    const double slow = tickBiquad(sections.slow, s);
    const double rho = std::max(1e-6, fast) * 0.2 / std::max(1e-6, slow);
    const double cutoff = (4.0 * rho / (rho + 1.0) + 0.1) * 0.7 / timeConstant;
    retuneLowPass(sections.program, cutoff);

    double next;
    if (s > envelope) {
        next = 0.0;
        for (int32_t run = 0; run < attackSteps / 4; ++run)
            next = tickBiquadHeld4(sections.program, s);
        for (int32_t step = 0; step < attackSteps % 4; ++step)
            next = tickBiquad(sections.program, s);
    } else {
        next = tickBiquad(sections.program, s);
    }
    if (std::isnan(next))
        next = 0.0;
    if (next < 0.001)
        next = 0.001;
    envelope = next;

    double g = gainCurve(ratioIndex, std::sqrt(envelope));
    if (std::isnan(g))
        g = 0.0;
    meterGain = tickBiquad(sections.meter, g);
    return g;
}

}  // namespace velvaTonKernel

template <typename Sample>
void velvaTonEffect::compressMono(Sample* input, Sample* output0, Sample* output1, uint32_t frames) {
    const BlockSettings block =
        beginBlock<Sample>(ratioIndex_, valveInScale_, valveOutScale_, attackRatioIndex_, processMode_);
    if (frames == 0)
        return;
    const velvaTonKernel::Sections sections {fastEnvelope_, slowEnvelope_, programEnvelope_, meterSmoother_};

    for (uint32_t i = 0; i < frames; ++i) {
        stepGainSmoothers(drive_, driveTarget_, inverseDrive_, outputGain_, outputGainTarget_);

        const double x = readSample(static_cast<double>(input[i]));
        const double n = tickNoise(noise_);
        const double d = n + drive_ * x;
        const double h = tickBiquad(detectorHighPassL_, d);
        const double s = std::fabs(h);
        const double g = velvaTonKernel::followAndGain(sections, s, timeConstant_, block.attackSteps, ratioIndex_,
                                                       envelope_, meterGain_);
        double y = g * d;
        if (block.valve)
            y = valveStage(y, block.factor, block.ceiling);
        const Sample out = narrowSample<Sample>(y * inverseDrive_ * outputGain_);
        output0[i] = out;
        output1[i] = out;
    }
}

template <typename Sample>
void velvaTonEffect::compressStereo(Sample* input0, Sample* input1, Sample* output0, Sample* output1,
                                    uint32_t frames) {
    const BlockSettings block =
        beginBlock<Sample>(ratioIndex_, valveInScale_, valveOutScale_, attackRatioIndex_, processMode_);
    if (frames == 0)
        return;
    const velvaTonKernel::Sections sections {fastEnvelope_, slowEnvelope_, programEnvelope_, meterSmoother_};

    for (uint32_t i = 0; i < frames; ++i) {
        stepGainSmoothers(drive_, driveTarget_, inverseDrive_, outputGain_, outputGainTarget_);

        const double x1 = readSample(static_cast<double>(input0[i]));
        const double x2 = readSample(static_cast<double>(input1[i]));
        const double n1 = tickNoise(noise_);
        const double n2 = tickNoise(noise_);
        const double d1 = n1 + drive_ * x1;
        const double d2 = n2 + drive_ * x2;
        const double h1 = tickBiquad(detectorHighPassL_, d1);
        const double h2 = tickBiquad(detectorHighPassR_, d2);
        const double s = (h1 * h1 + h2 * h2) * 0.7071;
        const double g = velvaTonKernel::followAndGain(sections, s, timeConstant_, block.attackSteps, ratioIndex_,
                                                       envelope_, meterGain_);
        double y1 = g * d1;
        double y2 = g * d2;
        if (block.valve) {
            y1 = valveStage(y1, block.factor, block.ceiling);
            y2 = valveStage(y2, block.factor, block.ceiling);
        }
        output0[i] = narrowSample<Sample>(y1 * inverseDrive_ * outputGain_);
        output1[i] = narrowSample<Sample>(y2 * inverseDrive_ * outputGain_);
    }
}

template void velvaTonEffect::compressMono<float>(float*, float*, float*, uint32_t);
template void velvaTonEffect::compressMono<double>(double*, double*, double*, uint32_t);
template void velvaTonEffect::compressStereo<float>(float*, float*, float*, float*, uint32_t);
template void velvaTonEffect::compressStereo<double>(double*, double*, double*, double*, uint32_t);
