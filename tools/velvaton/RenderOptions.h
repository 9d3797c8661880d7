#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ParameterAssignment {
    int32_t index;
    double value;
};

constexpr uint32_t kDefaultBlockFrames = 512;
constexpr uint32_t kMaxBlockFrames = 1u << 20;

// The command line of `velvaton render`.
struct RenderOptions {
    std::string inputPath;
    std::string outputPath;
    uint32_t blockFrames = kDefaultBlockFrames;
    std::vector<ParameterAssignment> assignments;  // --set, in command-line order
    std::string presetName;  // --preset: start from this factory or user preset
    std::string presetFile;  // --preset-file: start from this preset file
};

// Parses IN OUT [--set NAME=VALUE ...] [--block N]; on failure `error` says why.
bool parseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& error);

// Parses a block size: a whole number from 1 to kMaxBlockFrames.
bool parseBlockFrames(const std::string& text, uint32_t& frames, std::string& error);
