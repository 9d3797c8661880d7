#pragma once

#include <cstdint>
#include <string>
#include <vector>

class AtomicOutputFile;

// Planar 32-bit audio held in memory: one vector of samples per channel.
struct AudioData {
    int sampleRate = 0;
    std::vector<std::vector<float>> channels;

    int64_t frames() const { return channels.empty() ? 0 : static_cast<int64_t>(channels[0].size()); }
};

// Reads any file libsndfile reads, with at most `maxChannels` channels.
bool readAudioFile(const std::string& path, int maxChannels, AudioData& audio, std::string& error);

// Writes `audio` as a 32-bit float WAV into the opened atomic output file
// (the caller commits it).
bool writeFloatWav(AtomicOutputFile& file, const AudioData& audio, std::string& error);
