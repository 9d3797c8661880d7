#pragma once

#include "cairofwd.h"
#include "cbaseobject.h"
#include "ccolor.h"
#include "cgeometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace VSTGUI {

class CDrawContext;

// Pixels of one bitmap at one scale factor: a cairo ARGB32 image surface.
// getSize() answers pixels; the owning CBitmap divides by the scale factor.
class PlatformBitmap : public CBaseObject {
public:
    // Decodes a PNG held in memory; null when the bytes are not a PNG.
    static SharedPointer<PlatformBitmap> createFromMemory(const void* data, size_t size);
    // A fully transparent bitmap of the given pixel size; null when the
    // size is not positive.
    static SharedPointer<PlatformBitmap> create(int32_t width, int32_t height);

    ~PlatformBitmap() override;

    int32_t getWidth() const;
    int32_t getHeight() const;
    double getScaleFactor() const { return scaleFactor_; }
    void setScaleFactor(double factor) { scaleFactor_ = factor; }
    cairo_surface_t* getSurface() const { return surface_; }

private:
    explicit PlatformBitmap(cairo_surface_t* surface) : surface_(surface) {}
    cairo_surface_t* surface_;
    double scaleFactor_ = 1.0;
};

// A bitmap as the views use it: its size in logical units and one platform
// bitmap per scale factor; drawing picks the one that suits the target.
class CBitmap : public CBaseObject {
public:
    CBitmap() = default;
    // A blank bitmap of the given logical size at scale 1.
    CBitmap(CCoord width, CCoord height);
    ~CBitmap() override = default;

    // Logical size of the default (first) platform bitmap; 0 without one.
    virtual CCoord getWidth() const;
    virtual CCoord getHeight() const;
    // Draws the part of the bitmap that starts at the source offset
    // (logical units) into the destination rectangle, unscaled, with the
    // given opacity.
    virtual void draw(CDrawContext* context, const CRect& destination, const CPoint& offset = CPoint(0, 0),
                      float alpha = 1.0f);

    // Appends a platform bitmap; refuses null and a second one of the same
    // scale factor.
    bool addBitmap(const SharedPointer<PlatformBitmap>& bitmap);
    PlatformBitmap* getPlatformBitmap() const;
    size_t getNumPlatformBitmaps() const { return bitmaps_.size(); }
    PlatformBitmap* getBestPlatformBitmapForScaleFactor(double scaleFactor) const;

private:
    std::vector<SharedPointer<PlatformBitmap>> bitmaps_;
};

// Pixel-wise read and write access to a bitmap's default platform bitmap, in
// pixels. Colours are straight RGBA.
class CBitmapPixelAccess : public CBaseObject {
public:
    // Null when the bitmap has no platform bitmap. The caller owns the
    // result (forget() it).
    static CBitmapPixelAccess* create(CBitmap* bitmap, bool alwaysUseColorConversion = true);
    ~CBitmapPixelAccess() override;

    bool setPosition(uint32_t x, uint32_t y);
    uint32_t getX() const { return x_; }
    uint32_t getY() const { return y_; }
    uint32_t getBitmapWidth() const { return width_; }
    uint32_t getBitmapHeight() const { return height_; }
    void getColor(CColor& color) const;
    void setColor(const CColor& color);
    // Steps to the next pixel, row by row; false past the last one.
    bool operator++();

private:
    CBitmapPixelAccess(CBitmap* bitmap, PlatformBitmap* platformBitmap);
    CBitmap* bitmap_;
    PlatformBitmap* platformBitmap_;
    uint8_t* data_ = nullptr;
    int32_t stride_ = 0;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
    uint32_t x_ = 0;
    uint32_t y_ = 0;
};

}  // namespace VSTGUI
