#include "AAXHostTransport.h"

#include <cmath>

#include "AAX_Errors.h"

AAX_Result AAXHostTransport::GetCurrentTempo(double* bpm) const {
    if (!bpm)
        return AAX_ERROR_NULL_OBJECT;
    *bpm = state_.tempo;
    return AAX_SUCCESS;
}

AAX_Result AAXHostTransport::GetCurrentTickPosition(int64_t* ticks) const {
    if (!ticks)
        return AAX_ERROR_NULL_OBJECT;
    *ticks = state_.tickPosition;
    return AAX_SUCCESS;
}

AAX_Result AAXHostTransport::GetCurrentNativeSampleLocation(int64_t* sampleLocation) const {
    if (!sampleLocation)
        return AAX_ERROR_NULL_OBJECT;
    *sampleLocation = state_.sampleLocation;
    return AAX_SUCCESS;
}

AAX_Result AAXHostTransport::IsTransportPlaying(bool* playing) const {
    if (!playing)
        return AAX_ERROR_NULL_OBJECT;
    *playing = state_.playing;
    return AAX_SUCCESS;
}

void AAXHostTransport::set(const AAXHostTransportState& state) {
    state_ = state;
    tickFraction_ = 0.0;
}

void AAXHostTransport::advance(int32_t frames, double sampleRate) {
    if (!state_.playing || frames <= 0 || !(sampleRate > 0.0))
        return;
    state_.sampleLocation += frames;
    const double ticks =
        static_cast<double>(frames) / sampleRate * (state_.tempo / 60.0) * static_cast<double>(kAAX_TicksPerQuarter) +
        tickFraction_;
    if (!std::isfinite(ticks))
        return;
    const double whole = std::floor(ticks);
    state_.tickPosition += static_cast<int64_t>(whole);
    tickFraction_ = ticks - whole;
}
