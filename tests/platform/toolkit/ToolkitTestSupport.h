#pragma once

#include "vstgui/vstgui.h"

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace toolkit_test {

// PNG bytes of an image painted by the caller (straight RGBA per pixel); an
// RGB24 surface gives a PNG without alpha channel.
inline std::vector<uint8_t> makePng(int width, int height, const std::function<VSTGUI::CColor(int, int)>& pixel,
                                    cairo_format_t format = CAIRO_FORMAT_ARGB32) {
    cairo_surface_t* surface = cairo_image_surface_create(format, width, height);
    cairo_surface_flush(surface);
    uint8_t* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            VSTGUI::CColor c = pixel(x, y);
            uint32_t a = c.alpha;
            uint32_t word = (a << 24) | ((c.red * a / 255u) << 16) | ((c.green * a / 255u) << 8) | (c.blue * a / 255u);
            *reinterpret_cast<uint32_t*>(data + y * stride + x * 4) = word;
        }
    }
    cairo_surface_mark_dirty(surface);
    std::vector<uint8_t> png;
    cairo_surface_write_to_png_stream(
        surface,
        [](void* closure, const unsigned char* bytes, unsigned int length) {
            auto* out = static_cast<std::vector<uint8_t>*>(closure);
            out->insert(out->end(), bytes, bytes + length);
            return CAIRO_STATUS_SUCCESS;
        },
        &png);
    cairo_surface_destroy(surface);
    return png;
}

// One stored pixel of a bitmap as straight RGBA; transparent black outside.
inline VSTGUI::CColor bitmapPixel(VSTGUI::CBitmap* bitmap, uint32_t x, uint32_t y) {
    VSTGUI::CColor c(0, 0, 0, 0);
    if (VSTGUI::CBitmapPixelAccess* access = VSTGUI::CBitmapPixelAccess::create(bitmap)) {
        if (access->setPosition(x, y))
            access->getColor(c);
        access->forget();
    }
    return c;
}

// A view that runs a drawing routine in its own rectangle.
class PaintView : public VSTGUI::CView {
public:
    PaintView(const VSTGUI::CRect& size, std::function<void(VSTGUI::CDrawContext*, const VSTGUI::CRect&)> paint)
        : CView(size), paint_(std::move(paint)) {}
    void draw(VSTGUI::CDrawContext* context) override { paint_(context, getViewSize()); }

private:
    std::function<void(VSTGUI::CDrawContext*, const VSTGUI::CRect&)> paint_;
};

// An open offscreen frame, closed at the end of the test.
struct OffscreenFrame {
    VSTGUI::CFrame* frame;
    VSTGUI::OffscreenPlatformFrame* window;

    explicit OffscreenFrame(const VSTGUI::CRect& size) : frame(new VSTGUI::CFrame(size)), window(nullptr) {
        frame->open(nullptr);
        window = VSTGUI::OffscreenPlatformFrame::of(frame);
    }
    ~OffscreenFrame() { frame->close(); }
    OffscreenFrame(const OffscreenFrame&) = delete;
    OffscreenFrame& operator=(const OffscreenFrame&) = delete;
};

}  // namespace toolkit_test
