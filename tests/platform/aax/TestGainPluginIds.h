#pragma once

#include "AAX_FourCC.h"

// What the test gain plug-in declares, shared by the plug-in and its tests.
constexpr const char* kTestGainName = "Test Gain";
constexpr const char* kTestGainEffectID = "org.example.testgain";
constexpr const char* kTestGainParameterID = "Gain";
constexpr uint32_t kTestGainVersion = 7;
constexpr int32_t kTestGainLatency = 32;
constexpr AAX_CTypeID kTestGainManufacturer = AAX_FourCC("Test");
constexpr AAX_CTypeID kTestGainProduct = AAX_FourCC("TGan");
constexpr AAX_CTypeID kTestGainMonoID = AAX_FourCC("TGnm");
constexpr AAX_CTypeID kTestGainStereoID = AAX_FourCC("TGns");
