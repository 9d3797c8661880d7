#include "AudioWriter.h"
#include "HRXErrorText.h"

#include "AtomicOutputFile.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

AudioWriter::AudioWriter(AtomicOutputFile& file, const OutputFormat& format) : file_(file), format_(format) {}

AudioWriter::~AudioWriter() {
    if (sndfile_ != nullptr)
        sf_close(sndfile_);
}

sf_count_t AudioWriter::fileLength(void* self) {
    struct stat status {};
    return fstat(static_cast<AudioWriter*>(self)->file_.descriptor(), &status) == 0 ? status.st_size : -1;
}

sf_count_t AudioWriter::seek(sf_count_t offset, int whence, void* self) {
    AudioWriter& writer = *static_cast<AudioWriter*>(self);
    const off_t position = lseek(writer.file_.descriptor(), offset, whence);
    if (position < 0 && writer.ioError_.empty())
        writer.ioError_ = "cannot write '" + writer.file_.targetPath() + "': " + errorText(errno);
    return position;
}

sf_count_t AudioWriter::readBytes(void* data, sf_count_t count, void* self) {
    const ssize_t got = ::read(static_cast<AudioWriter*>(self)->file_.descriptor(), data, static_cast<size_t>(count));
    return got < 0 ? 0 : got;
}

sf_count_t AudioWriter::writeBytes(const void* data, sf_count_t count, void* self) {
    AudioWriter& writer = *static_cast<AudioWriter*>(self);
    std::string error;
    if (!writer.file_.write(data, static_cast<size_t>(count), error)) {
        if (writer.ioError_.empty())
            writer.ioError_ = error;
        return 0;
    }
    return count;
}

sf_count_t AudioWriter::tell(void* self) {
    return lseek(static_cast<AudioWriter*>(self)->file_.descriptor(), 0, SEEK_CUR);
}

bool AudioWriter::failed(std::string& error) const {
    if (ioError_.empty())
        return false;
    error = ioError_;
    return true;
}

bool AudioWriter::open(int sampleRate, int channels, std::string& error) {
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = format_.sndfileFormat;
    SF_VIRTUAL_IO io{fileLength, seek, readBytes, writeBytes, tell};
    sndfile_ = sf_open_virtual(&io, SFM_WRITE, &info, this);
    if (sndfile_ == nullptr) {
        if (!failed(error))
            error = "cannot write '" + file_.targetPath() + "' as " + format_.describe() + ": " + sf_strerror(nullptr);
        return false;
    }
    // The PEAK chunk carries a time stamp; without it equal audio gives equal files.
    sf_command(sndfile_, SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
    channels_ = channels;
    if (!format_.floating)
        quantiser_ = std::make_unique<SampleQuantiser>(format_.bits, format_.dither);
    return !failed(error);
}

bool AudioWriter::write(const float* const* channels, int64_t frames, std::string& error) {
    const size_t count = static_cast<size_t>(channels_);
    sf_count_t written = 0;
    if (quantiser_) {
        integers_.resize(static_cast<size_t>(frames) * count);
        for (int64_t i = 0; i < frames; ++i)
            for (size_t c = 0; c < count; ++c)
                integers_[static_cast<size_t>(i) * count + c] = quantiser_->quantise(channels[c][i]);
        written = sf_writef_int(sndfile_, integers_.data(), frames);
    } else {
        floats_.resize(static_cast<size_t>(frames) * count);
        for (int64_t i = 0; i < frames; ++i)
            for (size_t c = 0; c < count; ++c)
                floats_[static_cast<size_t>(i) * count + c] = channels[c][i];
        written = sf_writef_float(sndfile_, floats_.data(), frames);
    }
    if (failed(error))
        return false;
    if (written != frames) {
        error = "cannot write '" + file_.targetPath() + "': " + sf_strerror(sndfile_);
        return false;
    }
    return true;
}

bool AudioWriter::finish(std::string& error) {
    // Closing writes the final header (and FLAC's stream info) through writeBytes.
    const int closed = sf_close(sndfile_);
    sndfile_ = nullptr;
    if (failed(error))
        return false;
    if (closed != 0) {
        error = "cannot write '" + file_.targetPath() + "': " + sf_error_number(closed);
        return false;
    }
    return true;
}
