#pragma once

#include <cstdint>
#include <string>

#include "velvaTonParameters.h"

// What a drawing of the panel shows: parameter values, the meter's gain
// reduction, whether the about box is open, a pop-up of the preset bar, and
// the zoom.
struct velvaTonEditorPicture {
    enum class Popup { None, PresetMenu, ConfigMenu, SavePanel };

    velvaTonEditorPicture();

    double values[kPresetValues];  // normalised, slots 0..11
    double gainReduction = 0.0;    // normalised, 0.0 = none
    bool aboutBox = false;
    Popup popup = Popup::None;
    int32_t zoomPercent = 100;  // 70..400
};

constexpr int32_t kMinimumZoomPercent = 70;
constexpr int32_t kMaximumZoomPercent = 400;

// Draws the window of a fresh instance (the preset bar over the panel) without
// a screen and writes it as a PNG, through a temporary file renamed into
// place. The values are the instance's edits of its "Default" preset. False
// with `error` set on failure; the target is then untouched.
bool writeEditorPicture(const velvaTonEditorPicture& picture, const std::string& path, std::string& error);
