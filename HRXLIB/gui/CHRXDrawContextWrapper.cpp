#include "CHRXDrawContextWrapper.h"

#include "CHRXToolkitResources.h"
#include "vstgui/cdrawcontext.h"

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
    context->drawString(text, toCRect(rect), alignment == kHRXAlignCentre ? VSTGUI::kCenterText : VSTGUI::kLeftText);
}

void CHRXDrawContextWrapper::setFont(HRXFont* font)
{
    if (VSTGUI::CFontDesc* desc = toolkitFontOf(font))
        context->setFont(desc);
}

void CHRXDrawContextWrapper::setFrameColour(const HRXColour& colour) { context->setFrameColor(toCColor(colour)); }

void CHRXDrawContextWrapper::setFontColour(const HRXColour& colour) { context->setFontColor(toCColor(colour)); }

}  // namespace Brackenworks
