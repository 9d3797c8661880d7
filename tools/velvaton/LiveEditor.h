#pragma once

#include <cstdint>
#include <string>

// velvaton editor --window: the plug-in's editor of a live instance in a
// top-level window, the built-in demo programme playing through the instance
// in real time on the host's render thread (paced by the clock, no audio
// device) while this thread runs the window and the editor, until the window
// is closed.
struct LiveEditorOptions {
    int32_t zoomPercent = 0;  // 70..400; 0 keeps the user's zoom
    std::string presetName;   // empty: the default settings
    // When set: after two seconds the window's picture is written there as
    // a PNG (read back from the X server) and the program ends.
    std::string screenshotPath;
};

// An exit status: 0 when the window was closed, 1 (with a message on the
// standard error stream) when it could not open.
int runLiveEditor(const LiveEditorOptions& options);
