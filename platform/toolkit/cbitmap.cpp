#include "vstgui/cbitmap.h"

#include "vstgui/cdrawcontext.h"

#include <cairo.h>

#include <cmath>
#include <cstring>

namespace VSTGUI {

namespace {

struct MemoryReader {
    const uint8_t* data;
    size_t size;
    size_t position;
};

cairo_status_t readFromMemory(void* closure, unsigned char* out, unsigned int length) {
    auto* reader = static_cast<MemoryReader*>(closure);
    if (length > reader->size - reader->position)
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, reader->data + reader->position, length);
    reader->position += length;
    return CAIRO_STATUS_SUCCESS;
}

// Every bitmap is ARGB32 so that pixel access sees one layout.
cairo_surface_t* toArgb32(cairo_surface_t* surface) {
    if (cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32)
        return surface;
    cairo_surface_t* converted = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(surface),
                                                            cairo_image_surface_get_height(surface));
    cairo_t* cr = cairo_create(converted);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return converted;
}

}  // namespace

SharedPointer<PlatformBitmap> PlatformBitmap::createFromMemory(const void* data, size_t size) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!data || size < sizeof(kSignature) || std::memcmp(data, kSignature, sizeof(kSignature)) != 0)
        return {};
    MemoryReader reader{static_cast<const uint8_t*>(data), size, 0};
    cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(readFromMemory, &reader);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return {};
    }
    return SharedPointer<PlatformBitmap>::adopt(new PlatformBitmap(toArgb32(surface)));
}

SharedPointer<PlatformBitmap> PlatformBitmap::create(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0)
        return {};
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return {};
    }
    return SharedPointer<PlatformBitmap>::adopt(new PlatformBitmap(surface));
}

PlatformBitmap::~PlatformBitmap() {
    cairo_surface_destroy(surface_);
}

int32_t PlatformBitmap::getWidth() const {
    return cairo_image_surface_get_width(surface_);
}

int32_t PlatformBitmap::getHeight() const {
    return cairo_image_surface_get_height(surface_);
}

CBitmap::CBitmap(CCoord width, CCoord height) {
    addBitmap(
        PlatformBitmap::create(static_cast<int32_t>(std::lround(width)), static_cast<int32_t>(std::lround(height))));
}

CCoord CBitmap::getWidth() const {
    PlatformBitmap* bitmap = getPlatformBitmap();
    return bitmap ? bitmap->getWidth() / bitmap->getScaleFactor() : 0.0;
}

CCoord CBitmap::getHeight() const {
    PlatformBitmap* bitmap = getPlatformBitmap();
    return bitmap ? bitmap->getHeight() / bitmap->getScaleFactor() : 0.0;
}

bool CBitmap::addBitmap(const SharedPointer<PlatformBitmap>& bitmap) {
    if (!bitmap)
        return false;
    for (const auto& existing : bitmaps_) {
        if (existing->getScaleFactor() == bitmap->getScaleFactor())
            return false;
    }
    bitmaps_.push_back(bitmap);
    return true;
}

PlatformBitmap* CBitmap::getPlatformBitmap() const {
    return bitmaps_.empty() ? nullptr : bitmaps_.front().get();
}

// The smallest bitmap that still has at least the wanted density, or the
// densest one when none has.
PlatformBitmap* CBitmap::getBestPlatformBitmapForScaleFactor(double scaleFactor) const {
    PlatformBitmap* best = nullptr;
    PlatformBitmap* densest = nullptr;
    for (const auto& bitmap : bitmaps_) {
        double s = bitmap->getScaleFactor();
        if (!densest || s > densest->getScaleFactor())
            densest = bitmap.get();
        if (s >= scaleFactor && (!best || s < best->getScaleFactor()))
            best = bitmap.get();
    }
    return best ? best : densest;
}

void CBitmap::draw(CDrawContext* context, const CRect& destination, const CPoint& offset, float alpha) {
    PlatformBitmap* bitmap = getBestPlatformBitmapForScaleFactor(context->getScaleFactor());
    if (!bitmap || destination.isEmpty())
        return;
    cairo_t* cr = context->getCairo();
    double scale = bitmap->getScaleFactor();
    cairo_save(cr);
    cairo_rectangle(cr, destination.left, destination.top, destination.getWidth(), destination.getHeight());
    cairo_clip(cr);
    cairo_translate(cr, destination.left - offset.x, destination.top - offset.y);
    cairo_scale(cr, 1.0 / scale, 1.0 / scale);
    cairo_set_source_surface(cr, bitmap->getSurface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint_with_alpha(cr, static_cast<double>(alpha) * context->getGlobalAlpha());
    cairo_restore(cr);
}

CBitmapPixelAccess* CBitmapPixelAccess::create(CBitmap* bitmap, bool /*alwaysUseColorConversion*/) {
    PlatformBitmap* platformBitmap = bitmap ? bitmap->getPlatformBitmap() : nullptr;
    if (!platformBitmap)
        return nullptr;
    return new CBitmapPixelAccess(bitmap, platformBitmap);
}

CBitmapPixelAccess::CBitmapPixelAccess(CBitmap* bitmap, PlatformBitmap* platformBitmap)
    : bitmap_(bitmap), platformBitmap_(platformBitmap) {
    bitmap_->remember();
    cairo_surface_t* surface = platformBitmap_->getSurface();
    cairo_surface_flush(surface);
    data_ = cairo_image_surface_get_data(surface);
    stride_ = cairo_image_surface_get_stride(surface);
    width_ = static_cast<uint32_t>(platformBitmap_->getWidth());
    height_ = static_cast<uint32_t>(platformBitmap_->getHeight());
}

CBitmapPixelAccess::~CBitmapPixelAccess() {
    cairo_surface_mark_dirty(platformBitmap_->getSurface());
    bitmap_->forget();
}

bool CBitmapPixelAccess::setPosition(uint32_t x, uint32_t y) {
    if (x >= width_ || y >= height_)
        return false;
    x_ = x;
    y_ = y;
    return true;
}

bool CBitmapPixelAccess::operator++() {
    if (x_ + 1 < width_) {
        ++x_;
        return true;
    }
    if (y_ + 1 < height_) {
        x_ = 0;
        ++y_;
        return true;
    }
    return false;
}

// Cairo keeps premultiplied native-endian 0xAARRGGBB words.
void CBitmapPixelAccess::getColor(CColor& color) const {
    uint32_t word;
    std::memcpy(&word, data_ + static_cast<size_t>(y_) * stride_ + x_ * 4u, 4);
    uint32_t a = word >> 24;
    auto unpremultiply = [a](uint32_t c) -> uint8_t {
        return a == 0 ? 0 : static_cast<uint8_t>((c * 255u + a / 2u) / a);
    };
    color = CColor(unpremultiply((word >> 16) & 0xFF), unpremultiply((word >> 8) & 0xFF), unpremultiply(word & 0xFF),
                   static_cast<uint8_t>(a));
}

void CBitmapPixelAccess::setColor(const CColor& color) {
    uint32_t a = color.alpha;
    auto premultiply = [a](uint32_t c) -> uint32_t { return (c * a + 127u) / 255u; };
    uint32_t word =
        (a << 24) | (premultiply(color.red) << 16) | (premultiply(color.green) << 8) | premultiply(color.blue);
    std::memcpy(data_ + static_cast<size_t>(y_) * stride_ + x_ * 4u, &word, 4);
}

}  // namespace VSTGUI
