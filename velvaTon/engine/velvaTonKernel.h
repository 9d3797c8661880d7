#pragma once

// The compressor kernel's three stages. velvaTonEffect runs them one after the
// other over each short sub-block of a block:
//
//   senseLevel      everything before the envelope: gain smoothers, noise,
//                   drive, side-chain high-pass, detector, programme sensing
//                   and the envelope's coefficients retuned for each frame
//                   (velvaTonSensing.cpp);
//   followEnvelope  the main envelope alone, reading those
//                   (velvaTonEnvelope.cpp);
//   applyGain       gain curve, meter smoother, valve stage and output
//                   (velvaTonGainStage.cpp).
//
// Each stage carries only its own part of the state from frame to frame, so
// the split changes nothing in the arithmetic: the same operations run on the
// same values in the same order as in one loop doing a frame at a time, and
// the output is the same to the bit. What changes is the scheduling. Only the
// envelope is a long chain of dependent steps. The cosine, sine, arctangent,
// hyperbolic tangent and divisions of the other stages do not depend on one
// another from frame to frame; in loops of their own the processor overlaps
// them instead of waiting on the envelope and on the branch of its attack
// test. Within a stage, the recursions run in loops without library calls,
// whose histories then stay in registers instead of being saved around every
// call.

#include "velvaTonEngineState.h"

#include <cstdint>

namespace velvaTonKernel {

// Long enough for the processor to overlap the work of many frames, short
// enough that a sub-block's values (about 6 KB) stay in the first-level cache.
constexpr uint32_t kSubBlockFrames = 64;

// What holds for a whole block, derived once before its first frame.
struct BlockSettings {
    int32_t ratioIndex;   // gain curve, clamped into 0..6
    int32_t attackSteps;  // programEnvelope steps per frame while the detector is above the envelope
    double valveFactor;   // u: the valve's input scale
    double valveCeiling;  // V: the valve's output scale
    bool valve;           // Valve mode; Clear passes the gained signal unchanged
};

// Clamps the stored ratio index (the kernel's only write to the settings) and
// derives the block's constants. The 32-bit and 64-bit kernels have their own
// attack step tables.
template <typename Sample>
BlockSettings beginBlock(velvaTonEngineState& state);

// programEnvelope's coefficients as retuned for one frame.
struct ProgramCoefficients {
    double a1, a2, b0, b1, b2;
};

// The per-frame values a sub-block hands from stage to stage.
struct SubBlock {
    uint32_t frames;                    // 1..kSubBlockFrames, set by the caller
    double driven[2][kSubBlockFrames];  // d per channel: feeds side-chain and audio path
    double detector[kSubBlockFrames];   // s
    ProgramCoefficients program[kSubBlockFrames];
    double inverseDrive[kSubBlockFrames];  // the smoothers' values at each frame
    double outputGain[kSubBlockFrames];
    double envelope[kSubBlockFrames];  // written by followEnvelope
};

// Reads sub.frames samples from each of Channels inputs.
template <int Channels, typename Sample>
void senseLevel(velvaTonEngineState& state, const Sample* const input[2], SubBlock& sub);

void followEnvelope(velvaTonEngineState& state, int32_t attackSteps, SubBlock& sub);

// Writes sub.frames samples to output[0] and output[1]; one channel writes
// the same value to both (they may be the same buffer).
template <int Channels, typename Sample>
void applyGain(velvaTonEngineState& state, const BlockSettings& block, const SubBlock& sub, Sample* const output[2]);

}  // namespace velvaTonKernel
