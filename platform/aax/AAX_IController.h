#pragma once

#include "AAX.h"

// The host's per-instance controller (implemented by the host; main thread).
class AAX_IController {
public:
    virtual AAX_Result GetSampleRate(AAX_CSampleRate* sampleRate) const = 0;
    virtual AAX_Result GetInputStemFormat(AAX_EStemFormat* format) const = 0;
    virtual AAX_Result GetOutputStemFormat(AAX_EStemFormat* format) const = 0;
    // The signal latency the host compensates, in samples (0 at creation).
    virtual AAX_Result GetSignalLatency(int32_t* samples) const = 0;
    // Negative values answer AAX_ERROR_INVALID_ARGUMENT.
    virtual AAX_Result SetSignalLatency(int32_t samples) = 0;
    // What the render procedure last wrote into the tap of that meter, as the
    // host published it after the last render call; 0.0 before any render.
    // An unknown id answers AAX_ERROR_INVALID_ARGUMENT and 0.0.
    virtual AAX_Result GetCurrentMeterValue(AAX_CTypeID meterID, float* value) const = 0;
    // Queues payload for a declared data-in port; the host copies it into the
    // port before the next render call (for several packets to one port
    // before a render call, the last one is what that call sees). A field
    // that is no data-in port answers AAX_ERROR_INVALID_FIELD_INDEX, a payload
    // larger than the port's packet size AAX_ERROR_POST_PACKET_FAILED.
    virtual AAX_Result PostPacket(AAX_CFieldIndex port, const void* payload, uint32_t payloadSize) = 0;

protected:
    ~AAX_IController() = default;
};
