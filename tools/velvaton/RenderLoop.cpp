#include "RenderLoop.h"

#include "AudioReader.h"
#include "AudioWriter.h"
#include "ProgressBar.h"
#include "RenderBackend.h"
#include "RenderHistory.h"
#include "RenderSummary.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int64_t kChunkFrames = 8192;  // frames read and written at a time, at least one block

// Fills `channels` with up to `frames` frames; short only at the end of the data.
int64_t readFull(AudioReader& input, float* const* channels, int64_t frames, std::string& error) {
    int64_t done = 0;
    while (done < frames) {
        float* const offset[2] = {channels[0] + done, channels[1] ? channels[1] + done : nullptr};
        const int64_t got = input.read(offset, frames - done, error);
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

}  // namespace

bool renderBlocks(AudioReader& input, RenderBackend& backend, uint32_t blockFrames, AudioWriter& output,
                  RenderSummary& summary, RenderHistory& history, std::string& error) {
    const int channelCount = input.channels();
    const int64_t chunk = std::max<int64_t>(1, kChunkFrames / blockFrames) * blockFrames;
    std::vector<float> samples(static_cast<size_t>(chunk * channelCount));
    float* const channels[2] = {samples.data(), channelCount > 1 ? samples.data() + chunk : nullptr};
    ProgressBar progress(input.expectedFrames());
    int64_t done = 0;
    for (;;) {
        const int64_t got = readFull(input, channels, chunk, error);
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        for (int64_t start = 0; start < got; start += blockFrames) {
            const uint32_t count = static_cast<uint32_t>(std::min<int64_t>(blockFrames, got - start));
            float* block[2] = {channels[0] + start, channels[1] ? channels[1] + start : nullptr};
            for (int c = 0; c < channelCount; ++c)
                summary.addInput(block[c], count);
            history.addInput(block, channelCount, count);
            backend.process(block, count);
            for (int c = 0; c < channelCount; ++c)
                summary.addOutput(block[c], count);
            const double reduction = backend.gainReduction();
            summary.addBlockReduction(reduction, count);
            history.addOutput(block, channelCount, count, reduction);
        }
        if (!output.write(channels, got, error))
            return false;
        done += got;
        progress.update(done);
    }
}
