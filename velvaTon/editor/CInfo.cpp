#include "CInfo.h"

#include <algorithm>
#include <cstdio>

#include "HRXDrawContext.h"
#include "HRXLibraryResources.h"
#include "HRXShell.h"
#include "velvaTonProduct.h"

CInfo::CInfo(const HRXRect& rect, int32_t tag, HRXBitmap* picture, const char* version)
    : HRXCustomControl(rect, tag, picture) {
    std::snprintf(versionText_, sizeof versionText_, "v.%s", version ? version : "");
    linkRect_ = {rect.left + 110.0, rect.top + 130.0, rect.right - 110.0, rect.top + 154.0};
    if (linkRect_.left > linkRect_.right)
        std::swap(linkRect_.left, linkRect_.right);
    if (linkRect_.top > linkRect_.bottom)
        std::swap(linkRect_.top, linkRect_.bottom);
    value_ = 0.0;
}

HRXRect CInfo::offsetRect(double left, double top, double right, double bottom) const {
    return {viewRect_.left + left, viewRect_.top + top, viewRect_.left + right, viewRect_.top + bottom};
}

void CInfo::draw(HRXDrawContext* context) {
    context->drawBitmap(bitmap_, viewRect_, {0.0, 0.0}, 1.0f);
    context->setFontColour(kTextColour);
    context->setFont(getFontArial12());
    context->drawString(versionText_, offsetRect(296, 69, 396, 79), kHRXAlignLeft);
    context->drawString("ProTools Inner Circle", offsetRect(190, 172, 390, 182), kHRXAlignLeft);
    context->setFont(getFontArial10());
    context->drawString("AAX Native by Avid Technology", offsetRect(0, 208, viewRect_.width(), 218), kHRXAlignCentre);
    if (linkHover_) {
        context->setFrameColour(kLinkColour);
        context->moveTo({linkRect_.left, linkRect_.bottom - 4.0});
        context->lineTo({linkRect_.right, linkRect_.bottom - 4.0});
    }
}

int32_t CInfo::onMouseDown(const HRXPoint& point, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    if (linkRect_.contains(point)) {
        getShell().open(kMakerWebAddress);
        return kHRXMouseHandledNoMoves;
    }
    value_ = static_cast<int32_t>(value_ + 0.5) != 0 ? 0.0 : 1.0;
    valueChanged();
    redraw();
    return kHRXMouseHandledNoMoves;
}

int32_t CInfo::onMouseMoved(const HRXPoint& point, uint32_t) {
    if (linkRect_.contains(point)) {
        linkHover_ = true;
        redraw();
    } else if (linkHover_) {
        linkHover_ = false;
        redraw();
    }
    return kHRXMouseHandled;
}
