#pragma once

#include <sndfile.h>

#include <cstdint>
#include <string>
#include <vector>

// Reads any file libsndfile reads, block by block, into planar samples.
class AudioReader {
public:
    AudioReader() = default;
    ~AudioReader();
    AudioReader(const AudioReader&) = delete;
    AudioReader& operator=(const AudioReader&) = delete;

    // Opens `path`, which must hold 1 to `maxChannels` channels.
    bool open(const std::string& path, int maxChannels, std::string& error);

    int channels() const { return info_.channels; }
    int sampleRate() const { return info_.samplerate; }
    // The length the header gives; the data may end sooner or later.
    int64_t expectedFrames() const { return info_.frames; }

    // Reads up to `frames` frames into channels[0..channels()-1]. Answers the
    // frames read, 0 at the end of the data, -1 with `error` set on failure.
    int64_t read(float* const* channels, int64_t frames, std::string& error);

private:
    std::string path_;
    SNDFILE* file_ = nullptr;
    SF_INFO info_{};
    std::vector<float> interleaved_;
};
