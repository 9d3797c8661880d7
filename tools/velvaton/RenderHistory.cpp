#include "RenderHistory.h"

#include "RenderSummary.h"

#include <algorithm>
#include <cmath>

void RenderHistory::reserveUpTo(int64_t endFrame) {
    while ((endFrame + bucketFrames_ - 1) / bucketFrames_ > kMaxBuckets) {
        std::vector<Bucket> merged((buckets_.size() + 1) / 2);
        for (size_t i = 0; i < buckets_.size(); ++i) {
            Bucket& into = merged[i / 2];
            const Bucket& from = buckets_[i];
            into.inputPeak = std::max(into.inputPeak, from.inputPeak);
            into.outputPeak = std::max(into.outputPeak, from.outputPeak);
            into.reductionDb = std::max(into.reductionDb, from.reductionDb);
            into.hasReduction = into.hasReduction || from.hasReduction;
        }
        buckets_.swap(merged);
        bucketFrames_ *= 2;
    }
    const size_t needed = static_cast<size_t>((endFrame + bucketFrames_ - 1) / bucketFrames_);
    if (buckets_.size() < needed)
        buckets_.resize(needed);
}

void RenderHistory::addPeaks(float Bucket::*peak, const float* const* channels, int channelCount, int64_t frames) {
    reserveUpTo(frames_ + frames);
    for (int64_t done = 0; done < frames;) {
        const int64_t position = frames_ + done;
        Bucket& bucket = buckets_[static_cast<size_t>(position / bucketFrames_)];
        const int64_t end = std::min(frames, (position / bucketFrames_ + 1) * bucketFrames_ - frames_);
        float largest = bucket.*peak;
        for (int c = 0; c < channelCount; ++c)
            for (int64_t i = done; i < end; ++i)
                largest = std::max(largest, std::fabs(channels[c][i]));  // NaN never wins
        bucket.*peak = largest;
        done = end;
    }
}

void RenderHistory::addInput(const float* const* channels, int channelCount, int64_t frames) {
    addPeaks(&Bucket::inputPeak, channels, channelCount, frames);
}

void RenderHistory::addOutput(const float* const* channels, int channelCount, int64_t frames, double reduction) {
    addPeaks(&Bucket::outputPeak, channels, channelCount, frames);
    frames_ += frames;
    if (frames > 0) {
        Bucket& last = buckets_[static_cast<size_t>((frames_ - 1) / bucketFrames_)];
        last.reductionDb = std::max(last.reductionDb, static_cast<float>(reductionToDb(reduction)));
        last.hasReduction = true;
    }
}
