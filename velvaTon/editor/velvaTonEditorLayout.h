#pragma once

#include <cstdint>

#include "HRXGeometry.h"
#include "HRXResourceIds.h"

// The panel's layout in logical units: which control sits where, with which
// image strip, drag resolution, wheel step and reset value. The artwork
// generator (tools/artwork) draws the panel's scales and captions around the
// same rectangles, so this is the one place they are kept.

constexpr HRXRect kEditorRect{0.0, 0.0, 400.0, 275.0};
// The editor grows to this while the preset menu is open.
constexpr HRXRect kEditorRectMenuOpen{0.0, 0.0, 420.0, 415.0};
// Messages from the preset bar around its menu.
constexpr int32_t kMessagePresetMenuOpening = 89;
constexpr int32_t kMessagePresetMenuClosed = 90;

constexpr uint32_t kBackgroundBitmapId = kHRXBitmapBackground;
constexpr uint32_t kProcessSwitchBitmapId = kHRXBitmapProcessSwitch;
constexpr int32_t kProcessSwitchPositions = 3;
constexpr HRXRect kProcessSwitchRect{262.0, 46.0, 368.0, 124.0};
// A reset selects Valve, the parameter's default, in the switch's inverted
// scale: switch value = 1 - parameter value.
constexpr double kProcessSwitchResetValue = 0.0;

constexpr HRXRect kTimeKnobRect{28.0, 143.0, 142.0, 257.0};
constexpr HRXRect kCompressionKnobRect{143.0, 143.0, 257.0, 257.0};
constexpr HRXRect kOutputKnobRect{258.0, 143.0, 372.0, 257.0};
constexpr HRXRect kRatioKnobRect{50.0, 50.0, 120.0, 120.0};
constexpr HRXRect kAttackRatioKnobRect{31.0, 123.0, 62.0, 154.0};
constexpr HRXRect kValveLevelKnobRect{267.0, 92.0, 298.0, 123.0};

struct velvaTonKnobLayout {
    int32_t tag;
    uint32_t bitmapId;
    int32_t frames;
    int32_t columns;
    HRXRect rect;
    double dragPixels;
    double fineDragPixels;
    double wheelStep;
    double fineWheelFactor;
    double resetValue;
    const char* tooltip;
};

// In the order the editor builds them.
constexpr velvaTonKnobLayout kKnobLayout[] = {
    {4, kHRXBitmapTimeKnob, 21, 5, kTimeKnobRect, 300.0, 1500.0, 0.1, 0.5, 0.5,
     "Sets up the combined attack and release time"},
    {5, kHRXBitmapCompressionKnob, 41, 7, kCompressionKnobRect, 300.0, 1500.0, 0.05, 0.2, 0.5,
     "Controls the amount of gain reduction by adjusting the threshold point"},
    {6, kHRXBitmapOutputKnob, 61, 8, kOutputKnobRect, 300.0, 1500.0, 1.0 / 60.0, 0.2, 0.0,
     "Controls the level of the processed signal"},
    {2, kHRXBitmapRatioKnob, 7, 1, kRatioKnobRect, 150.0, 150.0, 1.0 / 6.0, 1.0, 0.5,
     "Controls current compression ratio"},
    {3, kHRXBitmapAttackRatioKnob, 7, 1, kAttackRatioKnobRect, 100.0, 100.0, 1.0 / 7.0, 1.0, 0.5,
     "Controls the ratio between the attack and release"},
    {7, kHRXBitmapValveLevelKnob, 7, 1, kValveLevelKnobRect, 100.0, 100.0, 1.0 / 7.0, 1.0, 0.5,
     "Sets up a valve processing reference level"},
};
constexpr int32_t kKnobCount = sizeof(kKnobLayout) / sizeof(kKnobLayout[0]);

constexpr uint32_t kMeterLitBitmapId = kHRXBitmapVuFaceLit;
constexpr uint32_t kMeterSecondBitmapId = kHRXBitmapVuSecond;
constexpr uint32_t kMeterUnlitBitmapId = kHRXBitmapVuFaceUnlit;
constexpr HRXRect kMeterRect{150.0, 66.0, 250.0, 109.0};
constexpr HRXPoint kMeterPivot{200.0, 155.0};
constexpr double kMeterInnerRadius = 3.0;
constexpr double kMeterOuterRadius = 86.0;

constexpr int32_t kNameButtonTag = 14;
constexpr HRXRect kNameButtonRect{85.0, 5.0, 313.0, 45.0};

constexpr uint32_t kAboutBitmapId = kHRXBitmapAbout;

constexpr const char* kProcessSwitchTooltip =
    "Engages compression (Valve / Clear) or disengages (Off) plug-in's processing";
constexpr const char* kNameButtonTooltip = "Click on the plug-in's name to open the about box";
