#include "RenderPlot.h"

#include "AtomicOutputFile.h"
#include "RenderHistory.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using L = PlotLayout;

constexpr double kFloorDb = -60.0;  // the level axis ends here; quieter columns sit on it

struct Rgb {
    double r, g, b;
};
constexpr Rgb kText{0.1, 0.1, 0.1};
constexpr Rgb kGrid{0.86, 0.86, 0.86};
constexpr Rgb kFrame{0.55, 0.55, 0.55};
constexpr Rgb kInput{0.63, 0.74, 0.88};
constexpr Rgb kOutput{0.85, 0.38, 0.05};
constexpr Rgb kReduction{0.08, 0.55, 0.18};

// What each pixel column of the data area shows.
struct Column {
    double inputDb;
    double outputDb;
    double reductionDb;
};

double toDb(float peak) {
    return peak > 0.0f ? std::max(kFloorDb, 20.0 * std::log10(peak)) : kFloorDb;
}

std::vector<Column> columnsOf(const RenderHistory& history) {
    const int width = L::kRight - L::kLeft;
    std::vector<Column> columns(static_cast<size_t>(width), Column{kFloorDb, kFloorDb, 0.0});
    const auto& buckets = history.buckets();
    const int64_t frames = history.frames();
    if (frames == 0 || buckets.empty())
        return columns;
    double carried = 0.0;  // a column without a report of its own keeps the last one
    for (int x = 0; x < width; ++x) {
        const int64_t start = frames * x / width;
        const int64_t end = std::max(start + 1, frames * (x + 1) / width);
        const size_t first = static_cast<size_t>(start / history.bucketFrames());
        const size_t last = std::min(buckets.size() - 1, static_cast<size_t>((end - 1) / history.bucketFrames()));
        float input = 0.0f;
        float output = 0.0f;
        for (size_t b = first; b <= last; ++b) {
            input = std::max(input, buckets[b].inputPeak);
            output = std::max(output, buckets[b].outputPeak);
        }
        bool reported = false;
        double reduction = 0.0;
        for (size_t b = first; b <= last; ++b) {
            if (buckets[b].hasReduction) {
                reduction = reported ? std::max(reduction, static_cast<double>(buckets[b].reductionDb))
                                     : buckets[b].reductionDb;
                reported = true;
            }
        }
        carried = reported ? reduction : carried;
        columns[static_cast<size_t>(x)] = {toDb(input), toDb(output), carried};
    }
    return columns;
}

// The smallest of `steps` that divides `range` into at most `count` parts.
double tickStep(double range, const std::vector<double>& steps, double count) {
    for (double step : steps)
        if (range / step <= count)
            return step;
    return steps.back();
}

void setColour(cairo_t* cr, const Rgb& colour) {
    cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
}

void text(cairo_t* cr, double x, double y, const std::string& line, double size, bool bold, double alignX) {
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, line.c_str(), &extents);
    setColour(cr, kText);
    cairo_move_to(cr, x - alignX * extents.x_advance, y);
    cairo_show_text(cr, line.c_str());
}

std::string number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

void horizontalLine(cairo_t* cr, double y, const Rgb& colour) {
    setColour(cr, colour);
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, L::kLeft, std::floor(y) + 0.5);
    cairo_line_to(cr, L::kRight, std::floor(y) + 0.5);
    cairo_stroke(cr);
}

void frame(cairo_t* cr, int top, int bottom) {
    setColour(cr, kFrame);
    cairo_set_line_width(cr, 1.0);
    cairo_rectangle(cr, L::kLeft + 0.5, top + 0.5, L::kRight - L::kLeft - 1, bottom - top - 1);
    cairo_stroke(cr);
}

void timeAxis(cairo_t* cr, double seconds) {
    const double step =
        tickStep(seconds, {0.001, 0.002, 0.005, 0.01, 0.02, 0.05, 0.1, 0.2,  0.5,  1,    2,     5,    10,
                           15,    30,    60,    120,  300,  600,  900, 1800, 3600, 7200, 18000, 36000},
                 12.0);
    for (int k = 0; k * step <= seconds * (1.0 + 1e-9); ++k) {
        const double x = std::floor(L::kLeft + (L::kRight - L::kLeft) * (k * step / seconds)) + 0.5;
        setColour(cr, kGrid);
        cairo_set_line_width(cr, 1.0);
        for (const auto& [top, bottom] :
             {std::pair{L::kLevelTop, L::kLevelBottom}, {L::kReductionTop, L::kReductionBottom}}) {
            cairo_move_to(cr, x, top);
            cairo_line_to(cr, x, bottom);
        }
        cairo_stroke(cr);
        text(cr, x, L::kReductionBottom + 18, number(k * step), 12, false, 0.5);
    }
    text(cr, L::kRight, L::kReductionBottom + 40, "time (s)", 13, false, 1.0);
}

void levelPanel(cairo_t* cr, const std::vector<Column>& columns) {
    double loudest = kFloorDb;
    for (const Column& column : columns)
        loudest = std::max({loudest, column.inputDb, column.outputDb});
    const double topDb = std::max(0.0, std::ceil(loudest / 10.0) * 10.0);
    const auto y = [topDb](double db) {
        return L::kLevelTop + (topDb - db) / (topDb - kFloorDb) * (L::kLevelBottom - L::kLevelTop);
    };
    for (double db = kFloorDb; db <= topDb; db += 10.0) {
        horizontalLine(cr, y(db), db == 0.0 ? kFrame : kGrid);
        text(cr, L::kLeft - 8, y(db) + 4, number(db), 12, false, 1.0);
    }
    // Input as a filled area, output as a line over it.
    setColour(cr, kInput);
    cairo_move_to(cr, L::kLeft, L::kLevelBottom);
    for (size_t x = 0; x < columns.size(); ++x) {
        cairo_line_to(cr, L::kLeft + x, y(columns[x].inputDb));
        cairo_line_to(cr, L::kLeft + x + 1.0, y(columns[x].inputDb));
    }
    cairo_line_to(cr, L::kRight, L::kLevelBottom);
    cairo_close_path(cr);
    cairo_fill(cr);
    setColour(cr, kOutput);
    cairo_set_line_width(cr, 1.2);
    cairo_new_path(cr);
    for (size_t x = 0; x < columns.size(); ++x)
        cairo_line_to(cr, L::kLeft + x + 0.5, y(columns[x].outputDb));
    cairo_stroke(cr);
    frame(cr, L::kLevelTop, L::kLevelBottom);
    text(cr, L::kLeft - 8, L::kLevelTop - 10, "dBFS", 12, true, 1.0);

    // Legend above the panel's right end.
    const double legendY = L::kLevelTop - 10;
    setColour(cr, kInput);
    cairo_rectangle(cr, L::kRight - 250, legendY - 9, 22, 10);
    cairo_fill(cr);
    text(cr, L::kRight - 222, legendY, "input peak", 12, false, 0.0);
    setColour(cr, kOutput);
    cairo_set_line_width(cr, 2.0);
    cairo_move_to(cr, L::kRight - 118, legendY - 4);
    cairo_line_to(cr, L::kRight - 96, legendY - 4);
    cairo_stroke(cr);
    text(cr, L::kRight - 90, legendY, "output peak", 12, false, 0.0);
}

void reductionPanel(cairo_t* cr, const std::vector<Column>& columns) {
    double largest = 0.0;
    for (const Column& column : columns)
        largest = std::max(largest, column.reductionDb);
    const double range = tickStep(largest, {3, 6, 12, 24, 48, 96, 200}, 1.0);
    const auto y = [range](double db) {
        return L::kReductionTop + std::min(db, range) / range * (L::kReductionBottom - L::kReductionTop);
    };
    for (int k = 0; k <= 3; ++k) {
        const double db = range * k / 3.0;
        horizontalLine(cr, y(db), kGrid);
        text(cr, L::kLeft - 8, y(db) + 4, db == 0.0 ? "0" : number(-db), 12, false, 1.0);
    }
    setColour(cr, kReduction);
    cairo_set_line_width(cr, 1.5);
    cairo_new_path(cr);  // the labels leave a current point
    for (size_t x = 0; x < columns.size(); ++x)
        cairo_line_to(cr, L::kLeft + x + 0.5, y(columns[x].reductionDb));
    cairo_stroke(cr);
    frame(cr, L::kReductionTop, L::kReductionBottom);
    text(cr, L::kLeft, L::kReductionTop - 8, "gain reduction (dB), as the VU meter shows it", 12, true, 0.0);
}

struct PngSink {
    AtomicOutputFile& file;
    std::string error;
};

cairo_status_t writeChunk(void* closure, const unsigned char* data, unsigned int length) {
    PngSink& sink = *static_cast<PngSink*>(closure);
    return sink.file.write(data, length, sink.error) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

bool writeRenderPlot(const RenderHistory& history, int sampleRate, const std::string& title,
                     const std::string& settings, AtomicOutputFile& file, std::string& error) {
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, L::kWidth, L::kHeight), cairo_surface_destroy);
    std::unique_ptr<cairo_t, decltype(&cairo_destroy)> context(cairo_create(surface.get()), cairo_destroy);
    cairo_t* cr = context.get();
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_paint(cr);

    text(cr, L::kLeft, 26, title, 16, true, 0.0);
    text(cr, L::kLeft, 48, settings, 13, false, 0.0);
    const std::vector<Column> columns = columnsOf(history);
    const double seconds = history.frames() > 0 ? static_cast<double>(history.frames()) / sampleRate : 1.0;
    timeAxis(cr, seconds);
    levelPanel(cr, columns);
    reductionPanel(cr, columns);

    cairo_surface_flush(surface.get());
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
        error = std::string("cannot draw the plot: ") + cairo_status_to_string(cairo_status(cr));
        return false;
    }
    PngSink sink{file, {}};
    if (cairo_surface_write_to_png_stream(surface.get(), writeChunk, &sink) != CAIRO_STATUS_SUCCESS) {
        error = sink.error.empty() ? "cannot write '" + file.targetPath() + "'" : sink.error;
        return false;
    }
    return true;
}
