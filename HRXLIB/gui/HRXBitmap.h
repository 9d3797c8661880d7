#pragma once

#include "HRXResource.h"

#include <cstdint>

// Pixel access to a bitmap's stored pixels (straight RGBA bytes).
class HRXBitmapPixelAcces {
public:
    virtual ~HRXBitmapPixelAcces() = default;
    virtual bool setPosition(uint32_t x, uint32_t y) = 0;
    virtual void getColor(uint8_t& red, uint8_t& green, uint8_t& blue, uint8_t& alpha) const = 0;
    virtual void setColor(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) = 0;
    virtual uint32_t getBitmapWidth() const = 0;
    virtual uint32_t getBitmapHeight() const = 0;
};

// The engine-neutral bitmap the controls draw.
class HRXBitmap : public HRXResource {
public:
    ~HRXBitmap() override = default;
    virtual void remember() = 0;
    virtual void forget() = 0;
    // Logical size (stored pixels divided by the scale factor).
    virtual double getWidth() = 0;
    virtual double getHeight() = 0;
    // Null when there is no image; the caller deletes the result.
    virtual HRXBitmapPixelAcces* createPixelAccess() = 0;
};
