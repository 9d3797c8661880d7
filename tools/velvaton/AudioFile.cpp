#include "AudioFile.h"

#include "AtomicOutputFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

constexpr sf_count_t kChunkFrames = 4096;

}  // namespace

bool readAudioFile(const std::string& path, int maxChannels, AudioData& audio, std::string& error) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        error = "cannot read '" + path + "': " + std::strerror(errno);
        return false;
    }
    if (S_ISDIR(status.st_mode)) {
        error = "cannot read '" + path + "': it is a folder";
        return false;
    }
    SF_INFO info {};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        error = "cannot read '" + path + "' as audio: " + sf_strerror(nullptr);
        return false;
    }
    if (info.channels < 1 || info.channels > maxChannels || info.samplerate <= 0) {
        error = "'" + path + "' has " + std::to_string(info.channels) + " channels; only mono and stereo are supported";
        sf_close(file);
        return false;
    }
    audio.sampleRate = info.samplerate;
    audio.channels.assign(static_cast<size_t>(info.channels), {});
    std::vector<float> chunk(static_cast<size_t>(kChunkFrames * info.channels));
    // The frame count in a header may be wrong; read until the data ends.
    for (;;) {
        const sf_count_t got = sf_readf_float(file, chunk.data(), kChunkFrames);
        if (got <= 0)
            break;
        for (int c = 0; c < info.channels; ++c) {
            std::vector<float>& channel = audio.channels[static_cast<size_t>(c)];
            for (sf_count_t i = 0; i < got; ++i)
                channel.push_back(chunk[static_cast<size_t>(i * info.channels + c)]);
        }
    }
    const int status_code = sf_error(file);
    sf_close(file);
    if (status_code != SF_ERR_NO_ERROR) {
        error = "cannot read '" + path + "': " + sf_error_number(status_code);
        return false;
    }
    return true;
}

bool writeFloatWav(AtomicOutputFile& file, const AudioData& audio, std::string& error) {
    SF_INFO info {};
    info.samplerate = audio.sampleRate;
    info.channels = static_cast<int>(audio.channels.size());
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* out = sf_open_fd(file.descriptor(), SFM_WRITE, &info, SF_FALSE);
    if (out == nullptr) {
        error = "cannot write '" + file.targetPath() + "': " + sf_strerror(nullptr);
        return false;
    }
    // The PEAK chunk carries a time stamp; without it equal audio gives equal files.
    sf_command(out, SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
    const int channels = info.channels;
    const int64_t frames = audio.frames();
    std::vector<float> chunk(static_cast<size_t>(kChunkFrames * channels));
    bool ok = true;
    for (int64_t start = 0; ok && start < frames; start += kChunkFrames) {
        const int64_t count = std::min<int64_t>(kChunkFrames, frames - start);
        for (int64_t i = 0; i < count; ++i)
            for (int c = 0; c < channels; ++c)
                chunk[static_cast<size_t>(i * channels + c)] = audio.channels[static_cast<size_t>(c)][static_cast<size_t>(start + i)];
        ok = sf_writef_float(out, chunk.data(), count) == count;
    }
    if (!ok)
        error = "cannot write '" + file.targetPath() + "': " + sf_strerror(out);
    if (sf_close(out) != 0 && ok) {
        error = "cannot write '" + file.targetPath() + "'";
        ok = false;
    }
    return ok;
}
