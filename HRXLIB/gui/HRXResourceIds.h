#pragma once

#include <cstdint>

// Resource ids of the embedded images.
enum HRXResourceId : uint32_t {
    kHRXBitmapBackground = 11128,       // editor panel, 400 x 275
    kHRXBitmapProcessSwitch = 12129,    // 3 frames of 106 x 78, Valve, Clear, Off
    kHRXBitmapAttackRatioKnob = 12130,  // 7 frames of 31 x 31
    kHRXBitmapValveLevelKnob = 12139,   // 7 frames of 31 x 31
    kHRXBitmapVuFaceLit = 12151,        // 100 x 43
    kHRXBitmapVuSecond = 12152,         // 113 x 46, held by the meter, not drawn
    kHRXBitmapVuFaceUnlit = 12153,      // 100 x 43
    kHRXBitmapCompressionKnob = 12171,  // 41 frames of 114 x 114, 7 columns
    kHRXBitmapTimeKnob = 12173,         // 21 frames of 114 x 114, 5 columns
    kHRXBitmapOutputKnob = 12177,       // 61 frames of 114 x 114, 8 columns
    kHRXBitmapRatioKnob = 12181,        // 7 frames of 70 x 70
    kHRXBitmapAbout = 12200,            // about box, 400 x 275
    kHRXBitmapPresetDesigner = 90001,   // 120 x 120
};

// The id of an empty bitmap wrapper.
constexpr uint32_t kHRXNoBitmap = 0xFFFFFFFFu;
