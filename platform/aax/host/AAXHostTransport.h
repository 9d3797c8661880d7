#pragma once

#include "AAX_ITransport.h"

// The transport state a host instance reports to its plug-in.
struct AAXHostTransportState {
    double tempo = 120.0;        // beats per minute
    int64_t tickPosition = 0;    // kAAX_TicksPerQuarter per quarter note
    int64_t sampleLocation = 0;  // native sample location
    bool playing = false;
};

// Host transport of one instance. While playing, each rendered block moves
// the sample location on by its frames and the tick position by the matching
// musical time (fractions of a tick are carried).
class AAXHostTransport final : public AAX_ITransport {
public:
    AAX_Result GetCurrentTempo(double* bpm) const override;
    AAX_Result GetCurrentTickPosition(int64_t* ticks) const override;
    AAX_Result GetCurrentNativeSampleLocation(int64_t* sampleLocation) const override;
    AAX_Result IsTransportPlaying(bool* playing) const override;

    void set(const AAXHostTransportState& state);
    const AAXHostTransportState& state() const { return state_; }
    void advance(int32_t frames, double sampleRate);

private:
    AAXHostTransportState state_;
    double tickFraction_ = 0.0;
};
