#pragma once

#include <string>

class AtomicOutputFile;
class RenderHistory;

// The picture of a render: input and output peak level per pixel column in
// dBFS on top, the gain reduction the plug-in reports (the value its VU meter
// shows) in dB beneath on its own axis, a shared time axis in seconds, and
// two title lines. The gain-reduction trace is the only green in its panel.
struct PlotLayout {
    static constexpr int kWidth = 1200;
    static constexpr int kHeight = 600;
    static constexpr int kLeft = 80;  // the data area of both panels, x from kLeft to kRight
    static constexpr int kRight = 1180;
    static constexpr int kLevelTop = 80;
    static constexpr int kLevelBottom = 370;
    static constexpr int kReductionTop = 400;  // 0 dB of gain reduction
    static constexpr int kReductionBottom = 530;
};

// Draws the plot and writes it as a PNG into the opened atomic output file
// (the caller commits it).
bool writeRenderPlot(const RenderHistory& history, int sampleRate, const std::string& title,
                     const std::string& settings, AtomicOutputFile& file, std::string& error);
