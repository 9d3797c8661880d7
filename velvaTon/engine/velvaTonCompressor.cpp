// The compressor kernel: drive into a fixed gain curve, an opto-style
// programme-dependent envelope, an optional asymmetric valve stage, output
// gain, as three stages over sub-blocks (velvaTonKernel.h). Every expression
// keeps the operation order the sound is defined by; the build keeps it too
// (-ffp-contract=off, never fast-math).
#include "velvaTonEffect.h"
#include "velvaTonGainCurves.h"
#include "velvaTonKernel.h"

#include <algorithm>
#include <type_traits>

namespace velvaTonKernel {

namespace {

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

template BlockSettings beginBlock<float>(velvaTonEngineState&);
template BlockSettings beginBlock<double>(velvaTonEngineState&);

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
void velvaTonEffect::compressStereo(Sample* input0, Sample* input1, Sample* output0, Sample* output1, uint32_t frames) {
    Sample* const in[2] = {input0, input1};
    Sample* const out[2] = {output0, output1};
    compressBlock<2>(state_, in, out, frames);
}

template void velvaTonEffect::compressMono<float>(float*, float*, float*, uint32_t);
template void velvaTonEffect::compressMono<double>(double*, double*, double*, uint32_t);
template void velvaTonEffect::compressStereo<float>(float*, float*, float*, float*, uint32_t);
template void velvaTonEffect::compressStereo<double>(double*, double*, double*, double*, uint32_t);
