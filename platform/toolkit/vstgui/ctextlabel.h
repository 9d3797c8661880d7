#pragma once

#include "ccolor.h"
#include "ccontrol.h"
#include "cdrawcontext.h"
#include "cfont.h"

#include <string>

namespace VSTGUI {

// Style bits of text views.
enum CTextStyle : int32_t {
    kNoFrame = 1 << 0,
};

// A single line of text over an optional background colour or bitmap.
class CTextLabel : public CControl {
public:
    CTextLabel(const CRect& size, const char* text = nullptr, CBitmap* background = nullptr, int32_t style = 0);
    ~CTextLabel() override;

    virtual void setText(const char* text);
    const std::string& getText() const { return text_; }
    // A reference to the font is kept; null keeps the current one.
    void setFont(CFontRef font);
    CFontRef getFont() const { return font_; }
    void setFontColor(const CColor& color) {
        fontColor_ = color;
        invalid();
    }
    const CColor& getFontColor() const { return fontColor_; }
    void setBackColor(const CColor& color) {
        backColor_ = color;
        invalid();
    }
    const CColor& getBackColor() const { return backColor_; }
    void setFrameColor(const CColor& color) {
        frameColor_ = color;
        invalid();
    }
    const CColor& getFrameColor() const { return frameColor_; }
    void setHoriAlign(CHoriTxtAlign align) {
        align_ = align;
        invalid();
    }
    CHoriTxtAlign getHoriAlign() const { return align_; }
    // A transparent label draws no background colour.
    void setTransparency(bool transparent) {
        transparent_ = transparent;
        invalid();
    }
    bool getTransparency() const { return transparent_; }
    void setStyle(int32_t style) {
        style_ = style;
        invalid();
    }
    int32_t getStyle() const { return style_; }

    void draw(CDrawContext* context) override;

protected:
    // Background and frame, then the given text.
    void drawText(CDrawContext* context, const std::string& text);

private:
    std::string text_;
    CFontDesc* font_;
    CColor fontColor_ = kWhiteCColor;
    CColor backColor_ = kBlackCColor;
    CColor frameColor_ = kBlackCColor;
    CHoriTxtAlign align_ = kCenterText;
    bool transparent_ = false;
    int32_t style_;
};

}  // namespace VSTGUI
