#include "X11Canvas.h"

#include "vstgui/cdrawcontext.h"

#include <cairo-xlib.h>
#include <cairo.h>

#include <cmath>

namespace VSTGUI {
namespace X11 {

CRect pixelBounds(const CRect& rect, int width, int height) {
    CRect bounded(std::floor(rect.left), std::floor(rect.top), std::ceil(rect.right), std::ceil(rect.bottom));
    bounded.bound(CRect(0, 0, width, height));
    return bounded;
}

CCoord textWidth(const char* text, CFontDesc& font) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cr = cairo_create(surface);
    CCoord width = 0.0;
    {
        CDrawContext context(cr, CRect(0, 0, 1, 1), 1.0);
        context.setFont(&font);
        width = context.getStringWidth(text);
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return width;
}

void Canvas::attach(Display* display, Window window, Visual* visual, int width, int height) {
    detach();
    display_ = display;
    window_ = window;
    width_ = width;
    height_ = height;
    windowSurface_ = cairo_xlib_surface_create(display, window, visual, width, height);
}

void Canvas::detach() {
    if (backBuffer_)
        cairo_surface_destroy(backBuffer_);
    if (windowSurface_)
        cairo_surface_destroy(windowSurface_);
    backBuffer_ = nullptr;
    windowSurface_ = nullptr;
    display_ = nullptr;
    window_ = 0;
}

void Canvas::resize(int width, int height) {
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    if (windowSurface_)
        cairo_xlib_surface_set_size(windowSurface_, width, height);
}

CRect Canvas::draw(const CRect& rect, const std::function<void(CDrawContext&, const CRect&)>& paint) {
    if (!windowSurface_ || width_ < 1 || height_ < 1)
        return CRect();
    CRect dirty = pixelBounds(rect, width_, height_);
    if (!backBuffer_ || cairo_image_surface_get_width(backBuffer_) != width_ ||
        cairo_image_surface_get_height(backBuffer_) != height_) {
        if (backBuffer_)
            cairo_surface_destroy(backBuffer_);
        backBuffer_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_);
        dirty = CRect(0, 0, width_, height_);
    }
    if (dirty.isEmpty())
        return dirty;
    cairo_t* cr = cairo_create(backBuffer_);
    cairo_rectangle(cr, dirty.left, dirty.top, dirty.getWidth(), dirty.getHeight());
    cairo_clip(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    {
        CDrawContext context(cr, CRect(0, 0, width_, height_), 1.0);
        paint(context, dirty);
    }
    cairo_destroy(cr);
    cairo_surface_flush(backBuffer_);
    return dirty;
}

void Canvas::present(const CRect& rect) {
    if (!windowSurface_ || !backBuffer_ || rect.isEmpty())
        return;
    cairo_t* cr = cairo_create(windowSurface_);
    cairo_set_source_surface(cr, backBuffer_, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_rectangle(cr, rect.left, rect.top, rect.getWidth(), rect.getHeight());
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_flush(windowSurface_);
}

}  // namespace X11
}  // namespace VSTGUI
