#pragma once

#include <cstdint>

// One block of the render thread.
struct AAXHostBlock {
    int64_t index;  // 0 for the thread's first block
    int32_t frames;
    // The main thread's hand-overs up to this ticket (AAXHostInstance::
    // postedTicket) reached the plug-in before this block's render call.
    uint64_t delivered;
};

// The audio side of an instance's render thread, in place of an audio
// device: it supplies each block's input and takes its output, the
// instance's inputChannels() and outputChannels() channels of block.frames
// samples each. Both calls come on the render thread, once per block around
// the render call, and must neither block nor allocate.
class AAXHostAudioClient {
public:
    virtual void fillInput(const AAXHostBlock& block, float* const* inputs) = 0;
    virtual void takeOutput(const AAXHostBlock& block, const float* const* outputs) = 0;

protected:
    ~AAXHostAudioClient() = default;
};
