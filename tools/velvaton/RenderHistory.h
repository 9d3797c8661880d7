#pragma once

#include <cstdint>
#include <vector>

// Levels and gain reduction over the time of a render, kept in a bounded
// number of buckets of equal length: when the buckets are full, neighbours
// merge and the bucket length doubles, so a render of any length needs the
// same memory. The plot is drawn from it.
class RenderHistory {
public:
    struct Bucket {
        float inputPeak = 0.0f;  // linear, largest magnitude of any channel
        float outputPeak = 0.0f;
        float reductionDb = 0.0f;  // largest gain reduction reported in the bucket
        bool hasReduction = false;
    };

    static constexpr int64_t kMaxBuckets = 4096;

    // Call with the block before it is processed, then after it, with the
    // gain-reduction value (0..1) reported at its end.
    void addInput(const float* const* channels, int channelCount, int64_t frames);
    void addOutput(const float* const* channels, int channelCount, int64_t frames, double reduction);

    int64_t frames() const { return frames_; }
    int64_t bucketFrames() const { return bucketFrames_; }
    const std::vector<Bucket>& buckets() const { return buckets_; }

private:
    void reserveUpTo(int64_t endFrame);
    void addPeaks(float Bucket::*peak, const float* const* channels, int channelCount, int64_t frames);

    std::vector<Bucket> buckets_;
    int64_t bucketFrames_ = 1;
    int64_t frames_ = 0;  // frames processed so far
};
