#pragma once

#include "CHRXBitmap.h"
#include "HRXBitmap.h"

#include "vstgui/cbitmap.h"

namespace Brackenworks {

// HRXBitmapPixelAcces over the toolkit's pixel access (owned).
class CHRXBitmapPixelAccessWrapper : public HRXBitmapPixelAcces {
public:
    explicit CHRXBitmapPixelAccessWrapper(VSTGUI::CBitmapPixelAccess* access) : access_(access) {}
    ~CHRXBitmapPixelAccessWrapper() override;
    CHRXBitmapPixelAccessWrapper(const CHRXBitmapPixelAccessWrapper&) = delete;
    CHRXBitmapPixelAccessWrapper& operator=(const CHRXBitmapPixelAccessWrapper&) = delete;

    bool setPosition(uint32_t x, uint32_t y) override;
    void getColor(uint8_t& red, uint8_t& green, uint8_t& blue, uint8_t& alpha) const override;
    void setColor(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) override;
    uint32_t getBitmapWidth() const override;
    uint32_t getBitmapHeight() const override;

private:
    VSTGUI::CBitmapPixelAccess* access_;
};

// The engine-neutral bitmap over one CHRXBitmap. Its lifetime belongs to its
// creator: remember and forget do nothing. kHRXNoBitmap makes an empty
// wrapper (no bitmap, size 0).
class CHRXBitmapWrapper : public HRXBitmap {
public:
    explicit CHRXBitmapWrapper(uint32_t resourceId);
    ~CHRXBitmapWrapper() override;
    CHRXBitmapWrapper(const CHRXBitmapWrapper&) = delete;
    CHRXBitmapWrapper& operator=(const CHRXBitmapWrapper&) = delete;

    void remember() override {}
    void forget() override {}
    double getWidth() override;
    double getHeight() override;
    HRXBitmapPixelAcces* createPixelAccess() override;

    // The toolkit bitmap, null for an empty wrapper.
    CHRXBitmap* getBitmap() const { return bitmap_; }

private:
    CHRXBitmap* bitmap_;
};

}  // namespace Brackenworks
