#pragma once

#include "AAX.h"
#include "HRX_AAX_MasterAudioEffectWrapper.h"
#include "HRXParameterSpace.h"

#include <cstdint>

class AAX_IMIDINode;
class HRXBaseAudioProcessor;

// Private block 21: what the render procedure last gave the engine for slots
// 0..11, the mailbox of the internal slots 12..28 (0.0 or more waiting, a
// negative value empty), and the time information of the block.
struct HRX_AAX_RenderCache {
    static constexpr float kUnset = -1.666f;  // bits 0xbfd53f7d: equals no port value
    static constexpr float kMailboxEmpty = -1.0f;

    HRX_AAX_RenderCache() : timeInformation() {
        for (float& value : values)
            value = kUnset;
    }

    // Where `values` lies in the record, for reading it through the host's
    // private-data access.
    static uint32_t valuesOffset() {
        const HRX_AAX_RenderCache probe;
        return static_cast<uint32_t>(reinterpret_cast<const char*>(probe.values) -
                                     reinterpret_cast<const char*>(&probe));
    }

    float values[kParameterSlots];
    HRX_AAX_MasterAudioEffectWrapper timeInformation;
};

// The render state as the host fills it: one pointer-sized slot per field
// index (the host's declaration of each field is in HRX_AAX_Describe).
struct HRX_AAX_RenderState {
    const int32_t* masterBypass;                 // 0: data-in port, non-zero = bypassed
    const float* parameterPorts[kPresetValues];  // 1..12: value of slot 0..11
    float* const* audioInput;                    // 13
    float* const* audioOutput;                   // 14
    const int32_t* bufferLength;                 // 15
    const AAX_CSampleRate* sampleRate;           // 16
    float* meterTaps;                            // 17: 67 taps in meter order
    AAX_IMIDINode* midiInput;                    // 18
    void* unused;                                // 19: not declared
    AAX_IMIDINode* transportNode;                // 20
    HRX_AAX_RenderCache* renderCache;            // 21
    int32_t* latency;                            // 22: -1 after reset
    float* engineSampleRate;                     // 23: -1.666 after reset
    HRXBaseAudioProcessor* engine;               // 24: the product's engine, constructed in place
};

enum HRX_AAX_RenderField : AAX_CFieldIndex {
    kField_MasterBypass = AAX_FIELD_INDEX(HRX_AAX_RenderState, masterBypass),
    kField_FirstParameterPort = AAX_FIELD_INDEX(HRX_AAX_RenderState, parameterPorts),
    kField_AudioIn = AAX_FIELD_INDEX(HRX_AAX_RenderState, audioInput),
    kField_AudioOut = AAX_FIELD_INDEX(HRX_AAX_RenderState, audioOutput),
    kField_BufferLength = AAX_FIELD_INDEX(HRX_AAX_RenderState, bufferLength),
    kField_SampleRate = AAX_FIELD_INDEX(HRX_AAX_RenderState, sampleRate),
    kField_Meters = AAX_FIELD_INDEX(HRX_AAX_RenderState, meterTaps),
    kField_MIDIInput = AAX_FIELD_INDEX(HRX_AAX_RenderState, midiInput),
    kField_Transport = AAX_FIELD_INDEX(HRX_AAX_RenderState, transportNode),
    kField_RenderCache = AAX_FIELD_INDEX(HRX_AAX_RenderState, renderCache),
    kField_Latency = AAX_FIELD_INDEX(HRX_AAX_RenderState, latency),
    kField_EngineSampleRate = AAX_FIELD_INDEX(HRX_AAX_RenderState, engineSampleRate),
    kField_Engine = AAX_FIELD_INDEX(HRX_AAX_RenderState, engine),
};
static_assert(kField_FirstParameterPort == 1 && kField_AudioIn == 13 && kField_Meters == 17 && kField_Transport == 20 &&
                  kField_RenderCache == 21 && kField_Engine == 24,
              "field indices are part of the description the host stores");

// Render procedures, one per variant: [begin, end) is a batch of render-state
// pointers. Real-time thread; no allocation, no lock.
void HRX_AAX_RenderMono(void* const inInstancesBegin[], const void* inInstancesEnd);
void HRX_AAX_RenderStereo(void* const inInstancesBegin[], const void* inInstancesEnd);
