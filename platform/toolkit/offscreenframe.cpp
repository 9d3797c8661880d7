#include "vstgui/offscreenframe.h"

#include "vstgui/cdrawcontext.h"
#include "vstgui/cframe.h"
#include "vstgui/coptionmenu.h"

#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace VSTGUI {

OffscreenPlatformFrame::OffscreenPlatformFrame(IPlatformFrameCallback* frame, const CRect& size)
    : frame_(frame), size_(0, 0, size.getWidth(), size.getHeight()) {}

OffscreenPlatformFrame::~OffscreenPlatformFrame() {
    if (surface_)
        cairo_surface_destroy(surface_);
}

OffscreenPlatformFrame* OffscreenPlatformFrame::of(const CFrame* frame) {
    return frame ? dynamic_cast<OffscreenPlatformFrame*>(frame->getPlatformFrame()) : nullptr;
}

cairo_surface_t* OffscreenPlatformFrame::render() {
    auto width = static_cast<int32_t>(std::ceil(size_.getWidth()));
    auto height = static_cast<int32_t>(std::ceil(size_.getHeight()));
    if (width < 1 || height < 1)
        return nullptr;
    if (!surface_ || cairo_image_surface_get_width(surface_) != width ||
        cairo_image_surface_get_height(surface_) != height) {
        if (surface_)
            cairo_surface_destroy(surface_);
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    }
    cairo_t* cr = cairo_create(surface_);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    {
        CDrawContext context(cr, CRect(0, 0, width, height), 1.0);
        frame_->platformDrawRect(&context, CRect(0, 0, width, height));
    }
    cairo_destroy(cr);
    cairo_surface_flush(surface_);
    invalid_ = CRect();
    return surface_;
}

CColor OffscreenPlatformFrame::getPixel(int32_t x, int32_t y) const {
    if (!surface_ || x < 0 || y < 0 || x >= cairo_image_surface_get_width(surface_) ||
        y >= cairo_image_surface_get_height(surface_))
        return kTransparentCColor;
    const uint8_t* row = cairo_image_surface_get_data(surface_) +
                         static_cast<size_t>(y) * static_cast<size_t>(cairo_image_surface_get_stride(surface_));
    uint32_t word;
    std::memcpy(&word, row + static_cast<size_t>(x) * 4u, 4);
    uint32_t a = word >> 24;
    auto channel = [a](uint32_t c) -> uint8_t { return a == 0 ? 0 : static_cast<uint8_t>((c * 255u + a / 2u) / a); };
    return CColor(channel((word >> 16) & 0xFF), channel((word >> 8) & 0xFF), channel(word & 0xFF),
                  static_cast<uint8_t>(a));
}

bool OffscreenPlatformFrame::writePNG(const char* path) const {
    if (!surface_ || !path)
        return false;
    std::string temporary = std::string(path) + ".tmp";
    if (cairo_surface_write_to_png(surface_, temporary.c_str()) != CAIRO_STATUS_SUCCESS) {
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

CMouseEventResult OffscreenPlatformFrame::mouseDown(const CPoint& where, const CButtonState& buttons) {
    mouse_ = where;
    buttons_ = buttons;
    CPoint point = where;
    return frame_->platformOnMouseDown(point, buttons);
}

CMouseEventResult OffscreenPlatformFrame::mouseMove(const CPoint& where, const CButtonState& buttons) {
    mouse_ = where;
    buttons_ = buttons;
    CPoint point = where;
    return frame_->platformOnMouseMoved(point, buttons);
}

CMouseEventResult OffscreenPlatformFrame::mouseUp(const CPoint& where, const CButtonState& buttons) {
    mouse_ = where;
    buttons_ = CButtonState(buttons.getModifierState());
    CPoint point = where;
    return frame_->platformOnMouseUp(point, buttons);
}

CMouseEventResult OffscreenPlatformFrame::mouseExit(const CPoint& where) {
    mouse_ = where;
    CPoint point = where;
    return frame_->platformOnMouseExited(point, buttons_);
}

bool OffscreenPlatformFrame::wheel(const CPoint& where, float distance, const CButtonState& buttons) {
    mouse_ = where;
    return frame_->platformOnMouseWheel(where, distance, buttons);
}

bool OffscreenPlatformFrame::keyDown(const VstKeyCode& key) {
    VstKeyCode copy = key;
    return frame_->platformOnKeyDown(copy);
}

bool OffscreenPlatformFrame::keyUp(const VstKeyCode& key) {
    VstKeyCode copy = key;
    return frame_->platformOnKeyUp(copy);
}

void OffscreenPlatformFrame::click(const CPoint& where, const CButtonState& buttons) {
    mouseDown(where, buttons);
    mouseUp(where, buttons);
}

void OffscreenPlatformFrame::doubleClick(const CPoint& where, const CButtonState& buttons) {
    click(where, buttons);
    CButtonState second = buttons;
    second |= kDoubleClick;
    click(where, second);
}

bool OffscreenPlatformFrame::getSize(CRect& size) const {
    size = size_;
    return true;
}

bool OffscreenPlatformFrame::setSize(const CRect& size) {
    size_ = CRect(0, 0, size.getWidth(), size.getHeight());
    invalidRect(size_);
    return true;
}

void OffscreenPlatformFrame::invalidRect(const CRect& rect) {
    CRect bounded = rect;
    bounded.bound(size_);
    if (bounded.isEmpty())
        return;
    if (invalid_.isEmpty()) {
        invalid_ = bounded;
        return;
    }
    invalid_ = CRect(std::fmin(invalid_.left, bounded.left), std::fmin(invalid_.top, bounded.top),
                     std::fmax(invalid_.right, bounded.right), std::fmax(invalid_.bottom, bounded.bottom));
}

bool OffscreenPlatformFrame::getCurrentMousePosition(CPoint& where) const {
    where = mouse_;
    return true;
}

bool OffscreenPlatformFrame::getCurrentMouseButtons(CButtonState& buttons) const {
    buttons = buttons_;
    return true;
}

void OffscreenPlatformFrame::showTooltip(const CRect& rect, const char* text) {
    tooltipShown_ = true;
    tooltipText_ = text ? text : "";
    tooltipRect_ = rect;
}

void OffscreenPlatformFrame::hideTooltip() {
    tooltipShown_ = false;
    tooltipText_.clear();
}

bool OffscreenPlatformFrame::popupMenu(COptionMenu* menu, const CPoint& /*where*/) {
    if (!menu)
        return false;
    ++menuPopups_;
    if (menuChoices_.empty())
        return true;
    std::vector<int32_t> path = menuChoices_.front();
    menuChoices_.pop_front();
    if (path.empty())
        return true;
    COptionMenu* current = menu;
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        CMenuItem* item = current->getEntry(path[i]);
        if (!item || !item->getSubmenu())
            return true;
        current = item->getSubmenu();
    }
    CMenuItem* item = current->getEntry(path.back());
    if (!item || !item->isEnabled() || item->isSeparator() || item->isTitle() || item->getSubmenu())
        return true;
    // The choice may remove the menu from its frame: keep it alive.
    menu->remember();
    menu->choose(current, path.back());
    menu->forget();
    return true;
}

}  // namespace VSTGUI
