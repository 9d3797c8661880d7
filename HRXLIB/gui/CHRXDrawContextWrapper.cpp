#include "CHRXDrawContextWrapper.h"

#include "CHRXToolkitResources.h"
#include "vstgui/cdrawcontext.h"

#include <vector>

namespace Brackenworks {

namespace {

VSTGUI::CRect toCRect(const HRXRect& r) { return VSTGUI::CRect(r.left, r.top, r.right, r.bottom); }

VSTGUI::CColor toCColor(const HRXColour& c) { return VSTGUI::CColor(c.red, c.green, c.blue, c.alpha); }

}  // namespace

void CHRXDrawContextWrapper::setLineWidth(double width) { context->setLineWidth(width); }

void CHRXDrawContextWrapper::moveTo(const HRXPoint& point) { context->moveTo(VSTGUI::CPoint(point.x, point.y)); }

void CHRXDrawContextWrapper::lineTo(const HRXPoint& point) { context->lineTo(VSTGUI::CPoint(point.x, point.y)); }

void CHRXDrawContextWrapper::drawBitmap(HRXBitmap* bitmap, const HRXRect& destination, const HRXPoint& sourceOffset,
                                        float alpha)
{
    if (VSTGUI::CBitmap* toolkitBitmap = toolkitBitmapOf(bitmap))
        context->drawBitmap(toolkitBitmap, toCRect(destination), VSTGUI::CPoint(sourceOffset.x, sourceOffset.y), alpha);
}

void CHRXDrawContextWrapper::drawString(const char* text, const HRXRect& rect, HRXTextAlignment alignment)
{
    const VSTGUI::CHoriTxtAlign align = alignment == kHRXAlignCentre  ? VSTGUI::kCenterText
                                        : alignment == kHRXAlignRight ? VSTGUI::kRightText
                                                                      : VSTGUI::kLeftText;
    context->drawString(text, toCRect(rect), align);
}

void CHRXDrawContextWrapper::setFont(HRXFont* font)
{
    if (VSTGUI::CFontDesc* desc = toolkitFontOf(font))
        context->setFont(desc);
}

void CHRXDrawContextWrapper::setFrameColour(const HRXColour& colour) { context->setFrameColor(toCColor(colour)); }

void CHRXDrawContextWrapper::setFontColour(const HRXColour& colour) { context->setFontColor(toCColor(colour)); }

void CHRXDrawContextWrapper::setFillColour(const HRXColour& colour) { context->setFillColor(toCColor(colour)); }

void CHRXDrawContextWrapper::fillRect(const HRXRect& rect) { context->drawRect(toCRect(rect), VSTGUI::kDrawFilled); }

void CHRXDrawContextWrapper::frameRect(const HRXRect& rect) { context->drawRect(toCRect(rect), VSTGUI::kDrawStroked); }

void CHRXDrawContextWrapper::fillPolygon(const HRXPoint* points, int32_t count)
{
    std::vector<VSTGUI::CPoint> polygon;
    polygon.reserve(static_cast<size_t>(count > 0 ? count : 0));
    for (int32_t i = 0; i < count; ++i)
        polygon.emplace_back(points[i].x, points[i].y);
    context->drawPolygon(polygon, VSTGUI::kDrawFilled);
}

double CHRXDrawContextWrapper::getStringWidth(const char* text) { return context->getStringWidth(text); }

}  // namespace Brackenworks
