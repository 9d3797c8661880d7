// The compressor kernel: drive into a fixed gain curve, an opto-style
// programme-dependent envelope, an optional asymmetric valve stage, output
// gain. Every expression keeps the operation order the sound is defined by;
// the build keeps it too (-ffp-contract=off, never fast-math).
#include "HRXGainSmoother.h"
#include "velvaTonEffect.h"
#include "velvaTonGainCurves.h"
#include "velvaTonKernel.h"
#include "velvaTonNumeric.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace velvaTonKernel {

namespace {

// NaN samples read as 0. Infinite samples too: one of them would otherwise
// turn every filter history into NaN for the rest of the instance's life.
inline double readSample(double x) {
    return std::isfinite(x) ? x : 0.0;
}

// The side-chain: the driven signal's level as the envelope sees it.
struct Detected {
    double driven[2];
    double level;
};

// One channel: d := noise + drive x, high-passed at 40 Hz so the lowest bass
// does not pump the gain; the detector is its magnitude.
template <int Channels, typename Sample>
inline Detected detect(const Sample* const input[2], uint32_t i, double drive, HRXNoiseState& noise,
                       HRXBiquad& highPassL, HRXBiquad& highPassR) {
    if constexpr (Channels == 1) {
        const double x = readSample(static_cast<double>(input[0][i]));
        const double d = tickNoise(noise) + drive * x;
        return {{d, d}, std::fabs(tickBiquad(highPassL, d))};
    } else {
        // Two linked channels: a scaled power, not a magnitude, so the square
        // root of the gain stage makes the stereo kernel follow amplitude where
        // the mono one follows its square root. The two laws sound different and
        // both are kept. The first noise value goes to the first channel.
        const double x1 = readSample(static_cast<double>(input[0][i]));
        const double x2 = readSample(static_cast<double>(input[1][i]));
        const double n1 = tickNoise(noise);
        const double n2 = tickNoise(noise);
        const double d1 = n1 + drive * x1;
        const double d2 = n2 + drive * x2;
        const double h1 = tickBiquad(highPassL, d1);
        const double h2 = tickBiquad(highPassR, d2);
        return {{d1, d2}, (h1 * h1 + h2 * h2) * 0.7071};
    }
}

// Positive half: V atan(u y), saturating toward V pi/2. Negative half:
// -tanh(0.64 u |y|) V / 0.64, saturating sooner and harder toward -V/0.64.
// Both start with slope u V (1, or 0.99991 at valve index 4), so small
// signals pass clean and loud ones bend unevenly: the asymmetry adds the even
// harmonics of a single-ended valve stage.
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

}  // namespace

template <typename Sample>
BlockSettings beginBlock(velvaTonEngineState& state) {
    state.ratioIndex = std::clamp(state.ratioIndex, 0, kRatioSettings - 1);
    const velvaTonRatio& ratio = kRatioTable[state.ratioIndex];
    return {state.ratioIndex, attackSteps(attackTable<Sample>(), state.attackRatioIndex),
            ratio.companion * state.valveInScale, ratio.ratio * state.valveOutScale, state.processMode == 2};
}

namespace {

// The sensing stage's recursions, with no library call among them so their
// histories stay in registers: gain smoothers, noise, drive, side-chain
// high-pass, detector and programme sensing, ending in the envelope's cut-off.
template <int Channels, typename Sample>
void trackProgramme(velvaTonEngineState& state, const Sample* const input[2], SubBlock& sub,
                    double (&cutoff)[kSubBlockFrames]) {
    double drive = state.drive;
    double inverseDrive = state.inverseDrive;
    double outputGain = state.outputGain;
    HRXNoiseState noise = state.noiseState;
    HRXBiquad highPassL = state.detectorHighPassL;
    HRXBiquad highPassR = state.detectorHighPassR;
    HRXBiquad fast = state.fastEnvelope;
    HRXBiquad slow = state.slowEnvelope;
    const double driveTarget = state.driveTarget;
    const double outputGainTarget = state.outputGainTarget;
    const double timeConstant = state.timeConstant;

    for (uint32_t i = 0; i < sub.frames; ++i) {
        // Drive and output gain glide about 1000 samples toward a new setting;
        // the output divides the drive out again, so Compression changes the
        // amount of gain reduction rather than the level.
        tickGainSmoother(drive, driveTarget);
        inverseDrive = 1.0 / drive;
        tickGainSmoother(outputGain, outputGainTarget);

        const Detected detected = detect<Channels>(input, i, drive, noise, highPassL, highPassR);
        const double s = detected.level;

        // Programme sensing: a 5 Hz and a 2 Hz low-pass of the detector. In
        // steady programme fast ~ slow, so rho ~ 0.2 and the envelope's cut-off
        // settles near 0.537 / T; just after a transient fast leads slow, rho
        // grows and the cut-off rises toward 2.87 / T. Short peaks release
        // quickly, sustained compression slowly, as an optical cell does.
        const double fastLevel = tickBiquad(fast, s);
        const double slowLevel = tickBiquad(slow, s);
        const double rho = std::max(1e-6, fastLevel) * 0.2 / std::max(1e-6, slowLevel);
        cutoff[i] = (4.0 * rho / (rho + 1.0) + 0.1) * 0.7 / timeConstant;

        sub.driven[0][i] = detected.driven[0];
        sub.driven[1][i] = detected.driven[1];
        sub.detector[i] = s;
        sub.inverseDrive[i] = inverseDrive;
        sub.outputGain[i] = outputGain;
    }

    state.drive = drive;
    state.inverseDrive = inverseDrive;
    state.outputGain = outputGain;
    state.noiseState = noise;
    state.detectorHighPassL = highPassL;
    state.detectorHighPassR = highPassR;
    state.fastEnvelope = fast;
    state.slowEnvelope = slow;
}

// The envelope's coefficients for each frame's cut-off: a cosine and a sine
// per frame, recomputed even when the cut-off has not moved (the low-pass
// retune of HRXBiquad.h). Frames do not depend on one another here, so the
// calls overlap. The section keeps the last frame's design.
void retuneEnvelope(HRXBiquad& section, const double (&cutoff)[kSubBlockFrames], SubBlock& sub) {
    HRXBiquad program = section;
    for (uint32_t i = 0; i < sub.frames; ++i) {
        retuneLowPass(program, cutoff[i]);
        sub.program[i] = {program.a1, program.a2, program.b0, program.b1, program.b2};
    }
    section.frequency = program.frequency;
    section.a0 = program.a0;
    section.a1 = program.a1;
    section.a2 = program.a2;
    section.b0 = program.b0;
    section.b1 = program.b1;
    section.b2 = program.b2;
}

}  // namespace

template <int Channels, typename Sample>
void senseLevel(velvaTonEngineState& state, const Sample* const input[2], SubBlock& sub) {
    double cutoff[kSubBlockFrames];
    trackProgramme<Channels>(state, input, sub, cutoff);
    retuneEnvelope(state.programEnvelope, cutoff, sub);
}

void followEnvelope(velvaTonEngineState& state, int32_t attackSteps, SubBlock& sub) {
    HRXBiquad program = state.programEnvelope;
    double envelope = state.envelope;

    for (uint32_t i = 0; i < sub.frames; ++i) {
        const ProgramCoefficients& c = sub.program[i];
        program.a1 = c.a1;
        program.a2 = c.a2;
        program.b0 = c.b0;
        program.b1 = c.b1;
        program.b2 = c.b2;
        const double s = sub.detector[i];

        // The envelope is programEnvelope, a heavily damped low-pass (q 0.1),
        // stepped once per frame on release. While the detector is above it,
        // the filter takes attackSteps steps per frame on the held detector
        // value: the same response run that many times faster, so the attack
        // time is the release time divided by the step count. Every step waits
        // on the one before (about 16 cycles each, up to 56 per frame): this is
        // the kernel's one truly serial chain. The first attack step is the
        // release step, so it is taken before the attack test is known.
        const bool attacking = s > envelope;
        double next = tickBiquad(program, s);
        if (attacking)
            for (int32_t step = 1; step < attackSteps; ++step)
                next = tickBiquad(program, s);

        // The floor keeps e = sqrt(envelope) >= 0.0316, so the curves that
        // divide by e stay finite; a NaN lands on the floor too. The filter's
        // own history keeps the unclamped output.
        if (std::isnan(next))
            next = 0.0;
        if (next < 0.001)
            next = 0.001;
        envelope = next;
        sub.envelope[i] = envelope;
    }

    state.programEnvelope = program;
    state.envelope = envelope;
}

namespace {

// e is the square root of the envelope: the detector's magnitude for one
// channel, its amplitude for two. g is the fixed curve's gain at e.
void curveGain(int32_t ratioIndex, const SubBlock& sub, double (&gain)[kSubBlockFrames]) {
    for (uint32_t i = 0; i < sub.frames; ++i) {
        const double g = gainCurve(ratioIndex, std::sqrt(sub.envelope[i]));
        gain[i] = std::isnan(g) ? 0.0 : g;
    }
}

// Only the gain-reduction display is smoothed (7/3 Hz); the audio takes g as
// it is.
void smoothMeter(velvaTonEngineState& state, const double (&gain)[kSubBlockFrames], uint32_t frames) {
    HRXBiquad meter = state.meterSmoother;
    double meterGain = state.meterGain;
    for (uint32_t i = 0; i < frames; ++i)
        meterGain = tickBiquad(meter, gain[i]);
    state.meterSmoother = meter;
    state.meterGain = meterGain;
}

template <int Channels, typename Sample>
void shapeOutput(const BlockSettings& block, const SubBlock& sub, const double (&gain)[kSubBlockFrames],
                 Sample* const output[2]) {
    for (uint32_t i = 0; i < sub.frames; ++i) {
        for (int channel = 0; channel < Channels; ++channel) {
            double y = gain[i] * sub.driven[channel][i];
            if (block.valve)
                y = valveStage(y, block.valveFactor, block.valveCeiling);
            // Two roundings in this order, not one multiplication by the product.
            const Sample out = narrowSample<Sample>(y * sub.inverseDrive[i] * sub.outputGain[i]);
            if constexpr (Channels == 1) {
                output[0][i] = out;
                output[1][i] = out;
            } else {
                output[channel][i] = out;
            }
        }
    }
}

}  // namespace

template <int Channels, typename Sample>
void applyGain(velvaTonEngineState& state, const BlockSettings& block, const SubBlock& sub,
               Sample* const output[2]) {
    double gain[kSubBlockFrames];
    curveGain(block.ratioIndex, sub, gain);
    smoothMeter(state, gain, sub.frames);
    shapeOutput<Channels>(block, sub, gain, output);
}

template BlockSettings beginBlock<float>(velvaTonEngineState&);
template BlockSettings beginBlock<double>(velvaTonEngineState&);
template void senseLevel<1, float>(velvaTonEngineState&, const float* const[2], SubBlock&);
template void senseLevel<2, float>(velvaTonEngineState&, const float* const[2], SubBlock&);
template void senseLevel<1, double>(velvaTonEngineState&, const double* const[2], SubBlock&);
template void senseLevel<2, double>(velvaTonEngineState&, const double* const[2], SubBlock&);
template void applyGain<1, float>(velvaTonEngineState&, const BlockSettings&, const SubBlock&, float* const[2]);
template void applyGain<2, float>(velvaTonEngineState&, const BlockSettings&, const SubBlock&, float* const[2]);
template void applyGain<1, double>(velvaTonEngineState&, const BlockSettings&, const SubBlock&, double* const[2]);
template void applyGain<2, double>(velvaTonEngineState&, const BlockSettings&, const SubBlock&, double* const[2]);

}  // namespace velvaTonKernel

namespace {

// The three stages over each sub-block in turn. The sub-block's values live
// on the stack: the audio path allocates nothing.
template <int Channels, typename Sample>
void compressBlock(velvaTonEngineState& state, Sample* const input[2], Sample* const output[2], uint32_t frames) {
    using namespace velvaTonKernel;
    const BlockSettings block = beginBlock<Sample>(state);
    SubBlock sub;
    for (uint32_t start = 0; start < frames; start += kSubBlockFrames) {
        sub.frames = std::min(kSubBlockFrames, frames - start);
        const Sample* const in[2] = {input[0] + start, Channels == 2 ? input[1] + start : nullptr};
        Sample* const out[2] = {output[0] + start, output[1] + start};
        senseLevel<Channels>(state, in, sub);
        followEnvelope(state, block.attackSteps, sub);
        applyGain<Channels>(state, block, sub, out);
    }
}

}  // namespace

template <typename Sample>
void velvaTonEffect::compressMono(Sample* input, Sample* output0, Sample* output1, uint32_t frames) {
    Sample* const in[2] = {input, nullptr};
    Sample* const out[2] = {output0, output1};
    compressBlock<1>(state_, in, out, frames);
}

template <typename Sample>
void velvaTonEffect::compressStereo(Sample* input0, Sample* input1, Sample* output0, Sample* output1,
                                    uint32_t frames) {
    Sample* const in[2] = {input0, input1};
    Sample* const out[2] = {output0, output1};
    compressBlock<2>(state_, in, out, frames);
}

template void velvaTonEffect::compressMono<float>(float*, float*, float*, uint32_t);
template void velvaTonEffect::compressMono<double>(double*, double*, double*, uint32_t);
template void velvaTonEffect::compressStereo<float>(float*, float*, float*, float*, uint32_t);
template void velvaTonEffect::compressStereo<double>(double*, double*, double*, double*, uint32_t);
