// The kernel's gain stage: gain curve, meter smoother, valve stage and
// output, from the envelope the envelope stage wrote.
#include "velvaTonGainCurves.h"
#include "velvaTonKernel.h"
#include "velvaTonNumeric.h"

#include <cmath>

namespace velvaTonKernel {

namespace {

// e is the square root of the envelope: the detector's magnitude for one
// channel, its amplitude for two. g is the fixed curve's gain at e; the
// curves keep their expressions as written (velvaTonGainCurves.h).
void curveGain(int32_t ratioIndex, const SubBlock& sub, double (&gain)[kSubBlockFrames]) {
    for (uint32_t i = 0; i < sub.frames; ++i) {
        const double g = gainCurve(ratioIndex, std::sqrt(sub.envelope[i]));
        gain[i] = std::isnan(g) ? 0.0 : g;
    }
}

// Only the gain-reduction display is smoothed (7/3 Hz); the audio takes g as
// it is. A recursion of its own, kept out of the loops that call the library.
void smoothMeter(velvaTonEngineState& state, const double (&gain)[kSubBlockFrames], uint32_t frames) {
    HRXBiquad meter = state.meterSmoother;
    double meterGain = state.meterGain;
    for (uint32_t i = 0; i < frames; ++i)
        meterGain = tickBiquad(meter, gain[i]);
    state.meterSmoother = meter;
    state.meterGain = meterGain;
}

// Positive half: V atan(u y), saturating toward V pi/2. Negative half:
// -tanh(0.64 u |y|) V / 0.64, saturating sooner and harder toward -V/0.64.
// Both start with slope u V (1, but 0.99991 at valve index 4, whose scales
// are not an exact reciprocal pair), so small signals pass clean and loud
// ones bend unevenly: the asymmetry adds the even harmonics of a valve stage.
inline double valveStage(double y, double u, double V) {
    if (y >= 0.0)
        return V * std::atan(u * y);
    return -std::tanh(-u * y * 0.64) * V / 0.64;
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
void applyGain(velvaTonEngineState& state, const BlockSettings& block, const SubBlock& sub, Sample* const output[2]) {
    double gain[kSubBlockFrames];
    curveGain(block.ratioIndex, sub, gain);
    smoothMeter(state, gain, sub.frames);
    shapeOutput<Channels>(block, sub, gain, output);
}

template void applyGain<1, float>(velvaTonEngineState&, const BlockSettings&, const SubBlock&, float* const[2]);
template void applyGain<2, float>(velvaTonEngineState&, const BlockSettings&, const SubBlock&, float* const[2]);
template void applyGain<1, double>(velvaTonEngineState&, const BlockSettings&, const SubBlock&, double* const[2]);
template void applyGain<2, double>(velvaTonEngineState&, const BlockSettings&, const SubBlock&, double* const[2]);

}  // namespace velvaTonKernel
