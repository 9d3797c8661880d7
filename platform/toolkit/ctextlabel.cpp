#include "vstgui/ctextlabel.h"

namespace VSTGUI {

CTextLabel::CTextLabel(const CRect& size, const char* text, CBitmap* background, int32_t style)
    : CControl(size, nullptr, -1, background),
      text_(text ? text : ""),
      font_(new CFontDesc("Arial", 12.0)),
      style_(style) {}

CTextLabel::~CTextLabel() {
    font_->forget();
}

void CTextLabel::setText(const char* text) {
    std::string next = text ? text : "";
    if (next == text_)
        return;
    text_ = next;
    invalid();
}

void CTextLabel::setFont(CFontRef font) {
    if (!font || font == font_)
        return;
    font->remember();
    font_->forget();
    font_ = font;
    invalid();
}

void CTextLabel::draw(CDrawContext* context) {
    drawText(context, text_);
}

void CTextLabel::drawText(CDrawContext* context, const std::string& text) {
    if (getBackground()) {
        context->drawBitmap(getBackground(), getViewSize());
    } else if (!transparent_) {
        context->setFillColor(backColor_);
        context->drawRect(getViewSize(), kDrawFilled);
    }
    if (!(style_ & kNoFrame)) {
        context->setLineWidth(1.0);
        context->setFrameColor(frameColor_);
        context->drawRect(getViewSize(), kDrawStroked);
    }
    context->setFont(font_);
    context->setFontColor(fontColor_);
    CRect textArea = getViewSize();
    // A little air between the frame and left- or right-aligned text.
    if (align_ == kLeftText)
        textArea.left += 2.0;
    else if (align_ == kRightText)
        textArea.right -= 2.0;
    context->drawString(text.c_str(), textArea, align_);
}

}  // namespace VSTGUI
