#include "CHRXBitmap.h"

#include "HRXEmbeddedImages.h"

namespace Brackenworks {

namespace {

// Pixel size of the blank image an id without an embedded image gets.
constexpr int32_t kBlankWidth = 400;
constexpr int32_t kBlankHeight = 350;
// Every embedded image is stored at twice the logical resolution.
constexpr double kStoredScale = 2.0;

}  // namespace

CHRXBitmap::CHRXBitmap(uint32_t resourceId) : resourceId_(resourceId) {}

void CHRXBitmap::load() const {
    if (loadAttempted_)
        return;
    loadAttempted_ = true;
    VSTGUI::SharedPointer<VSTGUI::PlatformBitmap> pixels;
    HRXEmbeddedImage image;
    if (findEmbeddedImage(resourceId_, image))
        pixels = VSTGUI::PlatformBitmap::createFromMemory(image.data, image.size);
    else
        pixels = VSTGUI::PlatformBitmap::create(kBlankWidth, kBlankHeight);
    if (!pixels)
        return;
    pixels->setScaleFactor(kStoredScale);
    // Loading is part of reading the bitmap, so it happens behind const
    // size queries.
    const_cast<CHRXBitmap*>(this)->addBitmap(pixels);
}

VSTGUI::CCoord CHRXBitmap::getWidth() const {
    load();
    return VSTGUI::CBitmap::getWidth();
}

VSTGUI::CCoord CHRXBitmap::getHeight() const {
    load();
    return VSTGUI::CBitmap::getHeight();
}

void CHRXBitmap::draw(VSTGUI::CDrawContext* context, const VSTGUI::CRect& destination, const VSTGUI::CPoint& offset,
                      float alpha) {
    load();
    VSTGUI::CBitmap::draw(context, destination, offset, alpha);
}

}  // namespace Brackenworks
