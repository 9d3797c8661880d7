// The kernel's sensing stage: everything before the envelope. Frame by frame
// it steps the gain smoothers and the noise, drives the input, measures the
// side-chain level and senses the programme, then retunes the envelope for
// the frame. Nothing here depends on the envelope.
#include "HRXGainSmoother.h"
#include "velvaTonKernel.h"

#include <algorithm>
#include <cmath>

namespace velvaTonKernel {

namespace {

// NaN samples read as 0. Infinite samples too: one of them would otherwise
// turn every filter history into NaN for the rest of the instance's life.
inline double readSample(double x) {
    return std::isfinite(x) ? x : 0.0;
}

struct Detected {
    double driven[2];  // d per channel (one channel: the same value twice)
    double level;      // s
};

// d := n + drive x, where the noise n of about 1e-10 keeps every recursion
// off exact zeros and out of subnormal numbers. The same d feeds the
// side-chain and the audio path. The side-chain high-pass (40 Hz, Q 0.3)
// keeps the lowest bass from pumping the gain.
template <int Channels, typename Sample>
inline Detected detect(const Sample* const input[2], uint32_t i, double drive, HRXNoiseState& noise,
                       HRXBiquad& highPassL, HRXBiquad& highPassR) {
    if constexpr (Channels == 1) {
        // One channel: the detector is the magnitude.
        const double x = readSample(static_cast<double>(input[0][i]));
        const double d = tickNoise(noise) + drive * x;
        return {{d, d}, std::fabs(tickBiquad(highPassL, d))};
    } else {
        // Two linked channels: a power, scaled by 0.7071 (not 0.5). Through
        // the square root of the gain stage the stereo kernel follows the
        // amplitude where the mono one follows its square root; the two laws
        // sound different and both are kept. The first noise value goes to
        // the first channel.
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

// The stage's recursions, with no library call among them so their histories
// stay in registers; it ends in each frame's cut-off for the envelope.
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
        // Drive and output gain glide about 1000 samples toward a new
        // setting. The output multiplies by 1 / drive to take the drive out
        // again, so Compression sets how far into the curve the signal goes,
        // not how loud it comes out. (Dividing by drive would round
        // differently.)
        tickGainSmoother(drive, driveTarget);
        inverseDrive = 1.0 / drive;
        tickGainSmoother(outputGain, outputGainTarget);

        const Detected detected = detect<Channels>(input, i, drive, noise, highPassL, highPassR);
        const double s = detected.level;

        // Programme sensing: a 5 Hz and a 2 Hz low-pass of the detector. In
        // steady programme fast ~ slow, so rho ~ 0.2 and the envelope's
        // cut-off settles near 0.537 / T; just after a transient fast leads
        // slow, rho grows and the cut-off rises toward 2.87 / T. Short peaks
        // release quickly, sustained compression slowly, as an optical cell
        // does. The 1e-6 floors keep silence from dividing by zero. 0.7 / T
        // stays inside the expression: as one constant per block it would
        // round differently.
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

// The envelope section's coefficients for each frame's cut-off: the frame's
// one cosine and one sine. Frames do not depend on one another here, so the
// calls overlap. The section keeps the last frame's design; its history
// belongs to the envelope stage.
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

template void senseLevel<1, float>(velvaTonEngineState&, const float* const[2], SubBlock&);
template void senseLevel<2, float>(velvaTonEngineState&, const float* const[2], SubBlock&);
template void senseLevel<1, double>(velvaTonEngineState&, const double* const[2], SubBlock&);
template void senseLevel<2, double>(velvaTonEngineState&, const double* const[2], SubBlock&);

}  // namespace velvaTonKernel
