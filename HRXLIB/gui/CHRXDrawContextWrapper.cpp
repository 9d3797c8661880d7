#include "CHRXDrawContextWrapper.h"

#include "CHRXToolkitResources.h"
#include "vstgui/cdrawcontext.h"

#include <vector>

namespace Brackenworks {

namespace {

VSTGUI::CRect toCRect(const HRXRect& r) {
    return VSTGUI::CRect(r.left, r.top, r.right, r.bottom);
}

VSTGUI::CColor toCColor(const HRXColour& c) {
    return VSTGUI::CColor(c.red, c.green, c.blue, c.alpha);
}

}  // namespace

void CHRXDrawContextWrapper::setLineWidth(double width) {
    context_->setLineWidth(width);
}

void CHRXDrawContextWrapper::moveTo(const HRXPoint& point) {
    context_->moveTo(VSTGUI::CPoint(point.x, point.y));
}

void CHRXDrawContextWrapper::lineTo(const HRXPoint& point) {
    context_->lineTo(VSTGUI::CPoint(point.x, point.y));
}

void CHRXDrawContextWrapper::drawBitmap(HRXBitmap* bitmap, const HRXRect& destination, const HRXPoint& sourceOffset,
                                        float alpha) {
    if (VSTGUI::CBitmap* toolkitBitmap = toolkitBitmapOf(bitmap))
        context_->drawBitmap(toolkitBitmap, toCRect(destination), VSTGUI::CPoint(sourceOffset.x, sourceOffset.y),
                             alpha);
}

void CHRXDrawContextWrapper::drawString(const char* text, const HRXRect& rect, HRXTextAlignment alignment) {
    const VSTGUI::CHoriTxtAlign align = alignment == kHRXAlignCentre  ? VSTGUI::kCenterText
                                        : alignment == kHRXAlignRight ? VSTGUI::kRightText
                                                                      : VSTGUI::kLeftText;
    context_->drawString(text, toCRect(rect), align);
}

void CHRXDrawContextWrapper::setFont(HRXFont* font) {
    if (VSTGUI::CFontDesc* desc = toolkitFontOf(font))
        context_->setFont(desc);
}

void CHRXDrawContextWrapper::setFrameColour(const HRXColour& colour) {
    context_->setFrameColor(toCColor(colour));
}

void CHRXDrawContextWrapper::setFontColour(const HRXColour& colour) {
    context_->setFontColor(toCColor(colour));
}

void CHRXDrawContextWrapper::setFillColour(const HRXColour& colour) {
    context_->setFillColor(toCColor(colour));
}

void CHRXDrawContextWrapper::fillRect(const HRXRect& rect) {
    context_->drawRect(toCRect(rect), VSTGUI::kDrawFilled);
}

void CHRXDrawContextWrapper::frameRect(const HRXRect& rect) {
    context_->drawRect(toCRect(rect), VSTGUI::kDrawStroked);
}

void CHRXDrawContextWrapper::fillPolygon(const HRXPoint* points, int32_t count) {
    std::vector<VSTGUI::CPoint> polygon;
    polygon.reserve(static_cast<size_t>(count > 0 ? count : 0));
    for (int32_t i = 0; i < count; ++i)
        polygon.emplace_back(points[i].x, points[i].y);
    context_->drawPolygon(polygon, VSTGUI::kDrawFilled);
}

double CHRXDrawContextWrapper::getStringWidth(const char* text) {
    return context_->getStringWidth(text);
}

}  // namespace Brackenworks
