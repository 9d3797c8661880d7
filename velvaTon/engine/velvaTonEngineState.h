#pragma once

#include "HRXBiquad.h"
#include "HRXNoiseGenerator.h"

#include <cstdint>

// Everything a velvaTonEffect holds that shapes its sound, as one plain
// record: the settings the parameters map to and the kernel's memory between
// samples and blocks. The engine keeps one; snapshot() hands out a copy for
// diagnostics, tests and benchmarks.
struct velvaTonEngineState {
    // Settings, written by setParameter and setSampleRate.
    double sampleRate = 44100.0;
    int32_t processMode = 0;       // 0 Off, 1 Clear, 2 Valve
    int32_t ratioIndex = 0;        // gain curve and valve constants; the kernel clamps it into 0..6
    int32_t attackRatioIndex = 0;  // attack step table
    double timeConstant = 0.0;     // seconds
    double driveTarget = 0.0;
    double outputGainTarget = 0.0;
    int32_t valveIndex = 0;
    double valveInScale = 1.0;
    double valveOutScale = 1.0;

    // The kernel's memory.
    double drive = 0.0;         // smoothed toward driveTarget
    double inverseDrive = 0.0;  // 1 / drive
    double outputGain = 0.0;    // smoothed toward outputGainTarget
    double envelope = 0.0001;   // main envelope, never below 0.001 once a sample has run
    double meterGain = 1.0;     // smoothed gain for the gain-reduction output
    HRXNoiseState noiseState;
    HRXBiquad meterSmoother{};
    HRXBiquad fastEnvelope{};
    HRXBiquad slowEnvelope{};
    HRXBiquad programEnvelope{};
    HRXBiquad detectorHighPassL{};
    HRXBiquad detectorHighPassR{};
};
