#include "X11Screenshot.h"

#include <X11/Xlib.h>

#include <X11/Xutil.h>
#include <cairo.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace VSTGUI {
namespace X11 {

namespace {

// A channel of a pixel under mask, scaled to 8 bits.
uint32_t channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1ul))
        ++shift;
    const unsigned long max = mask >> shift;
    return static_cast<uint32_t>((((pixel & mask) >> shift) * 255ul + max / 2) / max);
}

// Swallows protocol errors while a window is read: a window closed in the
// meantime makes XGetImage answer null, which is reported as failure.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

cairo_status_t writeToFile(void* closure, const unsigned char* data, unsigned int length) {
    return std::fwrite(data, 1, length, static_cast<FILE*>(closure)) == length ? CAIRO_STATUS_SUCCESS
                                                                               : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

cairo_surface_t* grabWindow(Display* display, Window window) {
    if (!display || !window)
        return nullptr;
    XSync(display, False);
    XErrorHandler previous = XSetErrorHandler(ignoreError);
    XWindowAttributes attributes{};
    XImage* image = nullptr;
    if (XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable &&
        attributes.visual->c_class == TrueColor)
        image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                          static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (!image)
        return nullptr;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image->width, image->height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        XDestroyImage(image);
        return nullptr;
    }
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image->height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * static_cast<size_t>(stride));
        for (int x = 0; x < image->width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            row[x] = 0xff000000u | (channel(pixel, attributes.visual->red_mask) << 16) |
                     (channel(pixel, attributes.visual->green_mask) << 8) |
                     channel(pixel, attributes.visual->blue_mask);
        }
    }
    cairo_surface_mark_dirty(surface);
    XDestroyImage(image);
    return surface;
}

bool writeWindowPNG(Display* display, Window window, const char* path) {
    if (!path)
        return false;
    cairo_surface_t* surface = grabWindow(display, window);
    if (!surface)
        return false;
    const std::string temporary = std::string(path) + ".tmp";
    bool written = false;
    if (FILE* file = std::fopen(temporary.c_str(), "wb")) {
        written = cairo_surface_write_to_png_stream(surface, writeToFile, file) == CAIRO_STATUS_SUCCESS;
        written = std::fflush(file) == 0 && written;
        written = std::fclose(file) == 0 && written;
    }
    cairo_surface_destroy(surface);
    if (!written || std::rename(temporary.c_str(), path) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace X11
}  // namespace VSTGUI
