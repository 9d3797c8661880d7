#include "RenderLoop.h"

#include "ProgressBar.h"
#include "RenderBackend.h"

#include <algorithm>

RenderSummary renderBlocks(AudioData& audio, RenderBackend& backend, uint32_t blockFrames) {
    RenderSummary summary;
    const int64_t frames = audio.frames();
    const size_t channelCount = audio.channels.size();
    ProgressBar progress(frames);
    for (int64_t start = 0; start < frames; start += blockFrames) {
        const uint32_t count = static_cast<uint32_t>(std::min<int64_t>(blockFrames, frames - start));
        float* channels[2] = {nullptr, nullptr};
        for (size_t c = 0; c < channelCount && c < 2; ++c) {
            channels[c] = audio.channels[c].data() + start;
            summary.addInput(channels[c], count);
        }
        backend.process(channels, count);
        for (size_t c = 0; c < channelCount && c < 2; ++c)
            summary.addOutput(channels[c], count);
        summary.addBlockReduction(backend.gainReduction(), count);
        progress.update(start + count);
    }
    return summary;
}
