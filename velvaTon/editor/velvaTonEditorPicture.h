#pragma once

#include <cstdint>
#include <string>

#include "velvaTonParameters.h"

// What a drawing of the panel shows: parameter values, the meter's gain
// reduction, whether the about box is open, and the zoom.
struct velvaTonEditorPicture {
    velvaTonEditorPicture();

    double values[kPresetValues];  // normalised, slots 0..11
    double gainReduction = 0.0;    // normalised, 0.0 = none
    bool aboutBox = false;
    int32_t zoomPercent = 100;     // 70..400
};

constexpr int32_t kMinimumZoomPercent = 70;
constexpr int32_t kMaximumZoomPercent = 400;

// Draws the panel without a window and writes it as a PNG, through a
// temporary file renamed into place. False with `error` set on failure; the
// target is then untouched.
bool writeEditorPicture(const velvaTonEditorPicture& picture, const std::string& path, std::string& error);
