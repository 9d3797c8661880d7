#include "OutputFormat.h"

#include <sndfile.h>

#include <strings.h>

namespace {

struct OutputType {
    const char* extension;
    const char* name;
    int major;
    bool floatByDefault;
    bool floatAllowed;  // classic AIFF holds whole numbers only; .aifc holds floats
};

const OutputType kOutputTypes[] = {
    {"wav", "WAV", SF_FORMAT_WAV, true, true},      {"flac", "FLAC", SF_FORMAT_FLAC, false, false},
    {"aiff", "AIFF", SF_FORMAT_AIFF, false, false}, {"aif", "AIFF", SF_FORMAT_AIFF, false, false},
    {"aifc", "AIFF-C", SF_FORMAT_AIFF, true, true}, {"caf", "CAF", SF_FORMAT_CAF, true, true},
    {"w64", "Wave64", SF_FORMAT_W64, true, true},   {"rf64", "RF64", SF_FORMAT_RF64, true, true},
};

}  // namespace

std::string OutputFormat::describe() const {
    std::string text = std::string(typeName) + ", " + std::to_string(bits) + (floating ? "-bit float" : "-bit");
    if (!floating)
        text += dither ? ", triangular dither" : ", no dither";
    return text;
}

bool parseSampleBits(const std::string& text, SampleBits& bits, std::string& error) {
    if (text == "16")
        bits = SampleBits::Int16;
    else if (text == "24")
        bits = SampleBits::Int24;
    else if (text == "32f")
        bits = SampleBits::Float32;
    else {
        error = "--bits takes 16, 24 or 32f, not '" + text + "'";
        return false;
    }
    return true;
}

std::string outputExtensions() {
    std::string list;
    for (const OutputType& type : kOutputTypes)
        list += (list.empty() ? "." : ", .") + std::string(type.extension);
    return list;
}

bool chooseOutputFormat(const std::string& path, SampleBits bits, bool dither, OutputFormat& format,
                        std::string& error) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    const std::string extension =
        dot == std::string::npos || (slash != std::string::npos && dot < slash) ? std::string() : path.substr(dot + 1);
    const OutputType* type = nullptr;
    for (const OutputType& candidate : kOutputTypes)
        if (strcasecmp(candidate.extension, extension.c_str()) == 0)
            type = &candidate;
    if (type == nullptr) {
        error = "cannot tell the type of '" + path + "' from its extension; write one of " + outputExtensions();
        return false;
    }
    const bool floating = bits == SampleBits::Float32 || (bits == SampleBits::Default && type->floatByDefault);
    if (floating && !type->floatAllowed) {
        error = std::string(type->name) + " holds 16 or 24-bit samples, not 32-bit float" +
                (type->major == SF_FORMAT_AIFF ? " (.aifc does)" : "");
        return false;
    }
    format.typeName = type->name;
    format.floating = floating;
    format.bits = floating ? 32 : bits == SampleBits::Int16 ? 16 : 24;
    format.dither = !floating && dither;
    format.sndfileFormat = type->major | (floating            ? SF_FORMAT_FLOAT
                                          : format.bits == 16 ? SF_FORMAT_PCM_16
                                                              : SF_FORMAT_PCM_24);
    // What this libsndfile can write; the rate and channel count are checked
    // again when the file is opened, still before any audio is processed.
    SF_INFO info{};
    info.samplerate = 48000;
    info.channels = 2;
    info.format = format.sndfileFormat;
    if (!sf_format_check(&info)) {
        error = "libsndfile cannot write " + format.describe() + " files";
        return false;
    }
    return true;
}
