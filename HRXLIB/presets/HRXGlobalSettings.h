#pragma once

#include <cstdint>

// The two per-user settings shared by every instance of the process:
// setting 57 (hints: 1.0 show tooltips, 0.0 hide) and setting 59 (editor
// zoom factor / 10). Stored as 4-byte floats named "HRXVT1: <number>" under
// the global settings key; a stored value outside 0..1 reads as missing.
// Main thread only.
class HRXGlobalSettings {
public:
    static constexpr int32_t kHints = 57;
    static constexpr int32_t kZoom = 59;

    // Writes `value` as a 32-bit float. Nothing is reported on failure.
    static void write(int32_t number, double value);
    // *value holds the default on entry; replaced by a stored value in 0..1.
    static void read(int32_t number, double* value);

    // Reads settings 57 and 59 into the process-wide hints flag and zoom
    // percent: the plug-in library's load.
    static void load();
    // Writes the hints flag and the zoom percent back: an instance's end.
    static void store();
    static bool isLoaded() { return loaded; }

    static int32_t hintsFlag() { return hints; }
    static void setHintsFlag(int32_t flag) { hints = flag; }
    static int32_t zoomPercent() { return zoom; }
    static void setZoomPercent(int32_t percent) { zoom = percent; }

    // A zoom factor as every zoom control limits it: 0.01 or less means
    // 1.0 (unset), then 0.7 .. 4.0.
    static double limitZoomFactor(double factor);
    // Integer part of factor x 100 + 0.5.
    static int32_t zoomPercentOf(double factor);

private:
    static bool loaded;
    static int32_t hints;
    static int32_t zoom;
};
