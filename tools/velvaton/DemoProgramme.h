#pragma once

#include <vector>

// The built-in demo programme: about 8 s of stereo drums and bass at 48 kHz
// (two bars of kick, snare, hi-hat and a bass line, twice), peaking near
// -3 dBFS. Always the same samples.
struct DemoProgramme {
    static constexpr int kSampleRate = 48000;
    std::vector<float> left;
    std::vector<float> right;
};

DemoProgramme synthesiseDemoProgramme();
