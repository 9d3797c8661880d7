#include "AudioReader.h"
#include "HRXErrorText.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

AudioReader::~AudioReader() {
    if (file_ != nullptr)
        sf_close(file_);
}

bool AudioReader::open(const std::string& path, int maxChannels, std::string& error) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        error = "cannot read '" + path + "': " + errorText(errno);
        return false;
    }
    if (S_ISDIR(status.st_mode)) {
        error = "cannot read '" + path + "': it is a folder";
        return false;
    }
    file_ = sf_open(path.c_str(), SFM_READ, &info_);
    if (file_ == nullptr) {
        error = "cannot read '" + path + "' as audio: " + sf_strerror(nullptr);
        return false;
    }
    if (info_.channels < 1 || info_.channels > maxChannels || info_.samplerate <= 0) {
        error =
            "'" + path + "' has " + std::to_string(info_.channels) + " channels; only mono and stereo are supported";
        return false;
    }
    path_ = path;
    return true;
}

int64_t AudioReader::read(float* const* channels, int64_t frames, std::string& error) {
    const size_t count = static_cast<size_t>(info_.channels);
    interleaved_.resize(static_cast<size_t>(frames) * count);
    // The frame count in a header may be wrong; read until the data ends.
    const sf_count_t got = sf_readf_float(file_, interleaved_.data(), frames);
    if (got <= 0) {
        const int status = sf_error(file_);
        if (status != SF_ERR_NO_ERROR) {
            error = "cannot read '" + path_ + "': " + sf_error_number(status);
            return -1;
        }
        return 0;
    }
    for (size_t c = 0; c < count; ++c)
        for (sf_count_t i = 0; i < got; ++i)
            channels[c][i] = interleaved_[static_cast<size_t>(i) * count + c];
    return got;
}
