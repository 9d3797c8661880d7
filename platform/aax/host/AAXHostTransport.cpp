#include "AAXHostTransport.h"

#include <cmath>

#include "AAX_Errors.h"

AAX_Result AAXHostTransport::GetCurrentTempo(double* bpm) const {
    if (!bpm) return AAX_ERROR_NULL_OBJECT;
    *bpm = mState.tempo;
    return AAX_SUCCESS;
}

AAX_Result AAXHostTransport::GetCurrentTickPosition(int64_t* ticks) const {
    if (!ticks) return AAX_ERROR_NULL_OBJECT;
    *ticks = mState.tickPosition;
    return AAX_SUCCESS;
}

AAX_Result AAXHostTransport::GetCurrentNativeSampleLocation(int64_t* sampleLocation) const {
    if (!sampleLocation) return AAX_ERROR_NULL_OBJECT;
    *sampleLocation = mState.sampleLocation;
    return AAX_SUCCESS;
}

AAX_Result AAXHostTransport::IsTransportPlaying(bool* playing) const {
    if (!playing) return AAX_ERROR_NULL_OBJECT;
    *playing = mState.playing;
    return AAX_SUCCESS;
}

void AAXHostTransport::set(const AAXHostTransportState& state) {
    mState = state;
    mTickFraction = 0.0;
}

void AAXHostTransport::advance(int32_t frames, double sampleRate) {
    if (!mState.playing || frames <= 0 || !(sampleRate > 0.0)) return;
    mState.sampleLocation += frames;
    const double ticks = static_cast<double>(frames) / sampleRate * (mState.tempo / 60.0) *
                             static_cast<double>(kAAX_TicksPerQuarter) + mTickFraction;
    if (!std::isfinite(ticks)) return;
    const double whole = std::floor(ticks);
    mState.tickPosition += static_cast<int64_t>(whole);
    mTickFraction = ticks - whole;
}
