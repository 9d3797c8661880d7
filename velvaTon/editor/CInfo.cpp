#include "CInfo.h"

#include <algorithm>
#include <cstdio>

#include "HRXDrawContext.h"
#include "HRXLibraryResources.h"
#include "HRXShell.h"
#include "velvaTonProduct.h"

CInfo::CInfo(const HRXRect& rect, int32_t tag, HRXBitmap* picture, const char* version)
    : HRXCustomControl(rect, tag, picture)
{
    std::snprintf(versionText, sizeof versionText, "v.%s", version ? version : "");
    linkRect = {rect.left + 110.0, rect.top + 130.0, rect.right - 110.0, rect.top + 154.0};
    if (linkRect.left > linkRect.right)
        std::swap(linkRect.left, linkRect.right);
    if (linkRect.top > linkRect.bottom)
        std::swap(linkRect.top, linkRect.bottom);
    value = 0.0;
}

HRXRect CInfo::offsetRect(double left, double top, double right, double bottom) const
{
    return {viewRect.left + left, viewRect.top + top, viewRect.left + right, viewRect.top + bottom};
}

void CInfo::draw(HRXDrawContext* context)
{
    context->drawBitmap(bitmap, viewRect, {0.0, 0.0}, 1.0f);
    context->setFontColour(kTextColour);
    context->setFont(getFontArial12());
    context->drawString(versionText, offsetRect(296, 69, 396, 79), kHRXAlignLeft);
    context->drawString("ProTools Inner Circle", offsetRect(190, 172, 390, 182), kHRXAlignLeft);
    context->setFont(getFontArial10());
    context->drawString("AAX Native by Avid Technology", offsetRect(0, 208, viewRect.width(), 218), kHRXAlignCentre);
    if (linkHover) {
        context->setFrameColour(kLinkColour);
        context->moveTo({linkRect.left, linkRect.bottom - 4.0});
        context->lineTo({linkRect.right, linkRect.bottom - 4.0});
    }
}

int32_t CInfo::onMouseDown(const HRXPoint& point, uint32_t buttons)
{
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    if (linkRect.contains(point)) {
        getShell().open(kMakerWebAddress);
        return kHRXMouseHandledNoMoves;
    }
    value = static_cast<int32_t>(value + 0.5) != 0 ? 0.0 : 1.0;
    valueChanged();
    redraw();
    return kHRXMouseHandledNoMoves;
}

int32_t CInfo::onMouseMoved(const HRXPoint& point, uint32_t)
{
    if (linkRect.contains(point)) {
        linkHover = true;
        redraw();
    } else if (linkHover) {
        linkHover = false;
        redraw();
    }
    return kHRXMouseHandled;
}
