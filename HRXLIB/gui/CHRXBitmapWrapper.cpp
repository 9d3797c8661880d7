#include "CHRXBitmapWrapper.h"

#include "HRXResourceIds.h"

namespace Brackenworks {

CHRXBitmapPixelAccessWrapper::~CHRXBitmapPixelAccessWrapper() {
    access_->forget();
}

bool CHRXBitmapPixelAccessWrapper::setPosition(uint32_t x, uint32_t y) {
    return access_->setPosition(x, y);
}

void CHRXBitmapPixelAccessWrapper::getColor(uint8_t& red, uint8_t& green, uint8_t& blue, uint8_t& alpha) const {
    VSTGUI::CColor color;
    access_->getColor(color);
    red = color.red;
    green = color.green;
    blue = color.blue;
    alpha = color.alpha;
}

void CHRXBitmapPixelAccessWrapper::setColor(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
    access_->setColor(VSTGUI::CColor(red, green, blue, alpha));
}

uint32_t CHRXBitmapPixelAccessWrapper::getBitmapWidth() const {
    return access_->getBitmapWidth();
}

uint32_t CHRXBitmapPixelAccessWrapper::getBitmapHeight() const {
    return access_->getBitmapHeight();
}

CHRXBitmapWrapper::CHRXBitmapWrapper(uint32_t resourceId)
    : bitmap_(resourceId == kHRXNoBitmap ? nullptr : new CHRXBitmap(resourceId)) {}

CHRXBitmapWrapper::~CHRXBitmapWrapper() {
    if (bitmap_)
        bitmap_->forget();
}

double CHRXBitmapWrapper::getWidth() {
    return bitmap_ ? bitmap_->getWidth() : 0.0;
}

double CHRXBitmapWrapper::getHeight() {
    return bitmap_ ? bitmap_->getHeight() : 0.0;
}

HRXBitmapPixelAcces* CHRXBitmapWrapper::createPixelAccess() {
    if (!bitmap_)
        return nullptr;
    bitmap_->load();
    VSTGUI::CBitmapPixelAccess* access = VSTGUI::CBitmapPixelAccess::create(bitmap_);
    return access ? new CHRXBitmapPixelAccessWrapper(access) : nullptr;
}

}  // namespace Brackenworks
