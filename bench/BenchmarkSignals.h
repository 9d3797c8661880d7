#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr double kBenchRate = 48000.0;
// Four seconds of material, processed in 512-frame blocks unless said.
constexpr size_t kSignalFrames = 48000 * 4;
constexpr uint32_t kBlock = 512;

// Drum-like material: a 55 Hz sine under decaying noise bursts every 250 ms,
// peaking near -3 dBFS. Deterministic.
std::vector<double> drumSignal(size_t frames, unsigned seed);

// A tone at half the sample rate whose level rises exponentially from -80 dBFS
// to -3 dBFS: the detector climbs above the envelope on nearly every sample,
// so the attack steps run all the time.
std::vector<double> risingSignal(size_t frames);
