#include "PresetBarPresetMenuControls.h"

#include "HRXLibraryResources.h"
#include "HRXResourceIds.h"
#include "PresetBarStyle.h"

using namespace PresetBarStyle;

HRXPresetMenuBottomTextInfo::HRXPresetMenuBottomTextInfo(const HRXRect& rect, int32_t tag)
    : HRXCustomControl(rect, tag, nullptr) {
    value_ = 0.0;
}

void HRXPresetMenuBottomTextInfo::setLines(const std::string& first, const std::string& second, bool isLink) {
    firstLine_ = first;
    secondLine_ = second;
    link_ = isLink;
    setTooltip(secondLine_.c_str());
    redraw();
}

void HRXPresetMenuBottomTextInfo::draw(HRXDrawContext* context) {
    const double middle = viewRect_.top + viewRect_.height() * 0.5;
    const HRXRect first{viewRect_.left, viewRect_.top, viewRect_.right, middle};
    const HRXRect second{viewRect_.left, middle, viewRect_.right, viewRect_.bottom};
    context->setFont(getFontArial12());
    context->setFontColour(link_ ? (hovered_ ? kTextBright : kAccent) : kText);
    context->drawString(firstLine_.c_str(), first, kHRXAlignLeft);
    if (link_ && hovered_) {
        const double width = context->getStringWidth(firstLine_.c_str());
        context->setLineWidth(1.0);
        context->setFrameColour(kTextBright);
        context->moveTo({first.left, first.bottom - 1.5});
        context->lineTo({first.left + width, first.bottom - 1.5});
    }
    context->setFont(getFontArial10());
    context->setFontColour(kTextDim);
    context->drawString(elidedAtStart(context, secondLine_, second.width()).c_str(), second, kHRXAlignLeft);
}

// A path too long for the line keeps its end, where the file is named; the
// whole path is the tooltip.
std::string HRXPresetMenuBottomTextInfo::elidedAtStart(HRXDrawContext* context, const std::string& text, double width) {
    if (context->getStringWidth(text.c_str()) <= width)
        return text;
    static const std::string kEllipsis = "\xE2\x80\xA6";
    size_t start = 0;
    while (start < text.size()) {
        ++start;
        while (start < text.size() && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
            ++start;
        std::string candidate = kEllipsis + text.substr(start);
        if (context->getStringWidth(candidate.c_str()) <= width)
            return candidate;
    }
    return kEllipsis;
}

int32_t HRXPresetMenuBottomTextInfo::onMouseDown(const HRXPoint&, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    valueChanged();
    return kHRXMouseHandledNoMoves;
}

int32_t HRXPresetMenuBottomTextInfo::onMouseEntered(const HRXPoint&, uint32_t) {
    hovered_ = true;
    redraw();
    return kHRXMouseHandled;
}

int32_t HRXPresetMenuBottomTextInfo::onMouseExited(const HRXPoint&, uint32_t) {
    hovered_ = false;
    redraw();
    return kHRXMouseHandled;
}

HRXDesignerLogo::HRXDesignerLogo(const HRXRect& rect, int32_t tag)
    : HRXCustomControl(rect, tag, getLibraryBitmap(kHRXBitmapPresetDesigner)) {
    value_ = 0.0;
    setTooltip("Click on the photo to get more info about preset's designer");
}

void HRXDesignerLogo::draw(HRXDrawContext* context) {
    if (viewRect_.width() > 0.0)
        context->drawBitmap(bitmap_, viewRect_, {0.0, 0.0}, 1.0f);
}

int32_t HRXDesignerLogo::onMouseDown(const HRXPoint&, uint32_t buttons) {
    if (!(buttons & kHRXLeftButton) || viewRect_.width() <= 0.0)
        return kHRXMouseNotHandled;
    valueChanged();
    return kHRXMouseHandledNoMoves;
}
