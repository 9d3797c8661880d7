#pragma once

#include "AAX.h"
#include "AAX_FourCC.h"

#include <cstdint>

// The identifiers under which the host knows the product, its variants and
// its meters.

constexpr AAX_CTypeID kHRX_ManufacturerID = AAX_FourCC("HRXa");
constexpr AAX_CTypeID kHRX_ProductID = AAX_FourCC("HVTN");
constexpr AAX_CTypeID kHRX_PlugInID_Mono = AAX_FourCC("VTNm");
constexpr AAX_CTypeID kHRX_PlugInID_Stereo = AAX_FourCC("VTNs");
constexpr AAX_CTypeID kHRX_PlugInID_AudioSuite = AAX_FourCC("VTNa");

// Chunks of the parameters object, by index.
constexpr AAX_CTypeID kHRX_ChunkID_Controls = AAX_FourCC("elck");
constexpr AAX_CTypeID kHRX_ChunkID_All = AAX_FourCC("All ");

constexpr const char* kHRX_TransportNodeName = "Transport";
constexpr uint32_t kHRX_MIDIChannelMask = 0xFFFF;

// Meters: input peak, output peak, gain reduction, then one custom meter per
// entry of meterParameterList (64; only the first carries a value here).
constexpr int32_t kHRX_MeterInput = 0;
constexpr int32_t kHRX_MeterOutput = 1;
constexpr int32_t kHRX_MeterGainReduction = 2;
constexpr int32_t kHRX_FirstCustomMeter = 3;
constexpr int32_t kHRX_CustomMeterCount = 64;
constexpr int32_t kHRX_MeterCount = kHRX_FirstCustomMeter + kHRX_CustomMeterCount;  // 67

// Meter ids in declaration order (the order of the render state's meter taps).
extern const AAX_CTypeID (&kHRX_MeterIDs)[kHRX_MeterCount];
// "Input", "Output", "GainReduction", then "Custom".
const char* HRX_AAX_MeterName(int32_t position);
