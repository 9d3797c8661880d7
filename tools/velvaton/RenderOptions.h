#pragma once

#include "AutomationLane.h"
#include "OutputFormat.h"

#include <cstdint>
#include <string>
#include <vector>

struct ParameterAssignment {
    int32_t index;
    double value;
};

constexpr uint32_t kDefaultBlockFrames = 512;
constexpr uint32_t kMaxBlockFrames = 4096;  // the largest block the plug-in host takes

// The command line of `velvaton render`.
struct RenderOptions {
    std::string inputPath;
    std::string outputPath;
    uint32_t blockFrames = kDefaultBlockFrames;
    std::vector<ParameterAssignment> assignments;  // --set, in command-line order
    std::string presetName;                        // --preset: start from this factory or user preset
    std::string presetFile;                        // --preset-file: start from this preset file
    bool bypass = false;                           // --bypass: the host's master bypass
    std::vector<AutomationLane> automation;        // --automate, one lane per option
    std::string statePath;                         // --state: restore this 'All ' chunk first
    std::string saveStatePath;                     // --save-state: write the instance's 'All ' chunk here
    OutputFormat format;                           // from OUT's extension, --bits and --no-dither
    std::string plotPath;                          // --plot: draw the render into this PNG
};

// Parses IN OUT [--set NAME=VALUE ...] [--block N] [--bypass]
// [--automate NAME=SECONDS:VALUE,...] [--state FILE] [--save-state FILE]
// [--bits 16|24|32f] [--no-dither] [--plot FILE.png] and the preset options;
// on failure `error` says why.
bool parseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& error);

// Parses a block size: a whole number from 1 to kMaxBlockFrames.
bool parseBlockFrames(const std::string& text, uint32_t& frames, std::string& error);
