#pragma once

#include "HRXFont.h"

#include "vstgui/cfont.h"

namespace Brackenworks {

// The toolkit font description the wrappers hold.
class CHRXFontDesc : public VSTGUI::CFontDesc {
public:
    CHRXFontDesc(const char* name, double size, int32_t style) : VSTGUI::CFontDesc(name, size, style) {}
};

// The engine-neutral font over one CHRXFontDesc. Like the bitmap wrapper,
// its lifetime belongs to its creator.
class CHRXFontWrapper : public HRXFont {
public:
    CHRXFontWrapper(const char* name, double size, int32_t style);
    ~CHRXFontWrapper() override;
    CHRXFontWrapper(const CHRXFontWrapper&) = delete;
    CHRXFontWrapper& operator=(const CHRXFontWrapper&) = delete;

    void remember() override {}
    void forget() override {}
    const char* getName() const override { return font_->getName().c_str(); }
    double getSize() const override { return font_->getSize(); }
    int32_t getStyle() const override { return font_->getStyle(); }

    CHRXFontDesc* getFontDesc() const { return font_; }

private:
    CHRXFontDesc* font_;
};

}  // namespace Brackenworks
