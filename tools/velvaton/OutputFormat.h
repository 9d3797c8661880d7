#pragma once

#include <string>

// How `velvaton render` writes OUT: the file type follows the name's
// extension, the sample width its default or --bits.
enum class SampleBits { Default, Int16, Int24, Float32 };

struct OutputFormat {
    int sndfileFormat = 0;      // libsndfile major type | sample subtype
    const char* typeName = "";  // "WAV", "FLAC", ...
    int bits = 32;              // 16, 24 or 32
    bool floating = true;       // 32-bit float samples; otherwise whole numbers
    bool dither = false;        // triangular dither before rounding to 16 or 24 bits

    // "WAV, 32-bit float" or "FLAC, 24-bit, triangular dither".
    std::string describe() const;
};

// Parses --bits: 16, 24 or 32f.
bool parseSampleBits(const std::string& text, SampleBits& bits, std::string& error);

// The format for `path`: .wav, .caf, .aifc, .w64 and .rf64 hold 32-bit float
// by default, .flac and .aiff (.aif) 24-bit; `bits` overrides. False, with
// `error` set, for another extension or a width the type cannot hold.
bool chooseOutputFormat(const std::string& path, SampleBits bits, bool dither, OutputFormat& format,
                        std::string& error);

// The extensions chooseOutputFormat knows, for messages and help texts.
std::string outputExtensions();
