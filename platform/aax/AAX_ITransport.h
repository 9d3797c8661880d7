#pragma once

#include "AAX.h"

// Ticks per quarter note of the host's tick positions.
constexpr int64_t kAAX_TicksPerQuarter = 960000;

// The host transport (implemented by the host). Reachable on the real-time
// thread through the transport MIDI node, and on the main thread through the
// host interface (as published after the last render call); calls neither
// block nor allocate.
class AAX_ITransport {
public:
    virtual AAX_Result GetCurrentTempo(double* bpm) const = 0;
    virtual AAX_Result GetCurrentTickPosition(int64_t* ticks) const = 0;
    virtual AAX_Result GetCurrentNativeSampleLocation(int64_t* sampleLocation) const = 0;
    virtual AAX_Result IsTransportPlaying(bool* playing) const = 0;

protected:
    ~AAX_ITransport() = default;
};
