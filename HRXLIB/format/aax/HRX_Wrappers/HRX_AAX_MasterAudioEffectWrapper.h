#pragma once

#include <cstdint>

// Transport information the render procedure hands to the engine before each
// block. The layout follows the host-neutral time record of the maker's
// library; this binding fills the sample position, the musical position, the
// tempo and the flags and leaves the rest at 0.
struct HRXTimeInfo {
    double samplePosition;  // samples since the timeline origin
    double sampleRate;
    double nanoSeconds;
    double quarterPosition;  // musical position in quarter notes
    double tempo;            // beats per minute
    double barStartPosition;
    double cycleStartPosition;
    double cycleEndPosition;
    int32_t timeSignatureNumerator;
    int32_t timeSignatureDenominator;
    int32_t smpteOffset;
    int32_t smpteFrameRate;
    int32_t samplesToNextClock;
    int32_t flags;
};

enum HRXTimeInfoFlags : int32_t {
    kHRXTransportChanged = 0x1,
    kHRXTransportPlaying = 0x2,
    kHRXQuarterPositionValid = 0x200,
    kHRXTempoValid = 0x400,
};

// The time-information object of one render state, built in place inside
// the render cache record; the engine receives its address as its host
// transport pointer.
class HRX_AAX_MasterAudioEffectWrapper {
public:
    HRX_AAX_MasterAudioEffectWrapper() : timeInfo_() {}
    virtual ~HRX_AAX_MasterAudioEffectWrapper() = default;
    virtual HRXTimeInfo* getTimeInfo() { return &timeInfo_; }

private:
    HRXTimeInfo timeInfo_;
};
