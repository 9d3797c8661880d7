#pragma once

#include "vstgui/cairofwd.h"
#include "vstgui/cgeometry.h"

#include <X11/Xlib.h>

#include <functional>

namespace VSTGUI {

class CDrawContext;
class CFontDesc;

namespace X11 {

// Double buffering for one window: drawing goes into a cairo image surface
// of the window's size (the offscreen backend's code path, so both draw the
// same pixels), and finished rectangles are copied to the window through
// cairo-xlib.
class Canvas {
public:
    Canvas() = default;
    ~Canvas() { detach(); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void attach(Display* display, Window window, Visual* visual, int width, int height);
    // Frees the surfaces (before the display closes).
    void detach();
    void resize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }

    // Draws rect (whole pixels, window coordinates) into the back buffer:
    // the rectangle is cleared, clipped and handed to paint with a drawing
    // context whose identity transform is window pixels. A back buffer made
    // anew (first use, new size) has no valid pixels: rect then grows to the
    // whole window. Answers the rectangle drawn.
    CRect draw(const CRect& rect, const std::function<void(CDrawContext&, const CRect&)>& paint);
    // Copies rect of the back buffer to the window.
    void present(const CRect& rect);

private:
    Display* display_ = nullptr;
    Window window_ = 0;
    cairo_surface_t* windowSurface_ = nullptr;
    cairo_surface_t* backBuffer_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// The width of a line of text in a font, as CDrawContext draws it.
CCoord textWidth(const char* text, CFontDesc& font);

// The smallest rectangle of whole pixels covering rect, within 0, 0,
// width, height.
CRect pixelBounds(const CRect& rect, int width, int height);

}  // namespace X11
}  // namespace VSTGUI
