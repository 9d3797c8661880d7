#pragma once

#include "OutputFormat.h"
#include "SampleQuantiser.h"

#include <sndfile.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class AtomicOutputFile;

// Writes planar float blocks through libsndfile into an opened atomic output
// file. Every byte libsndfile writes, the header it rewrites when the file is
// closed included, goes through the file's checked write, so a full disk is
// seen however late it strikes.
class AudioWriter {
public:
    AudioWriter(AtomicOutputFile& file, const OutputFormat& format);
    ~AudioWriter();
    AudioWriter(const AudioWriter&) = delete;
    AudioWriter& operator=(const AudioWriter&) = delete;

    bool open(int sampleRate, int channels, std::string& error);
    bool write(const float* const* channels, int64_t frames, std::string& error);
    // Completes the file; true only when every write succeeded. The caller
    // then commits the atomic output file.
    bool finish(std::string& error);

    // Samples clipped when rounding to 16 or 24 bits.
    int64_t clippedSamples() const { return quantiser_ ? quantiser_->clippedSamples() : 0; }

private:
    static sf_count_t fileLength(void* self);
    static sf_count_t seek(sf_count_t offset, int whence, void* self);
    static sf_count_t readBytes(void* data, sf_count_t count, void* self);
    static sf_count_t writeBytes(const void* data, sf_count_t count, void* self);
    static sf_count_t tell(void* self);
    bool failed(std::string& error) const;

    AtomicOutputFile& file_;
    OutputFormat format_;
    SNDFILE* sndfile_ = nullptr;
    int channels_ = 0;
    std::unique_ptr<SampleQuantiser> quantiser_;
    std::vector<float> floats_;
    std::vector<int32_t> integers_;
    std::string ioError_;  // the first failed write or seek
};
