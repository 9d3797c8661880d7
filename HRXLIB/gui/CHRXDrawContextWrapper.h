#pragma once

#include "HRXDrawContext.h"

namespace VSTGUI {
class CDrawContext;
}

namespace Brackenworks {

// A control's drawing operations over the toolkit's draw context.
class CHRXDrawContextWrapper : public HRXDrawContext {
public:
    explicit CHRXDrawContextWrapper(VSTGUI::CDrawContext* context) : context_(context) {}

    void setLineWidth(double width) override;
    void moveTo(const HRXPoint& point) override;
    void lineTo(const HRXPoint& point) override;
    // Skips a null or empty bitmap.
    void drawBitmap(HRXBitmap* bitmap, const HRXRect& destination, const HRXPoint& sourceOffset, float alpha) override;
    void drawString(const char* text, const HRXRect& rect, HRXTextAlignment alignment) override;
    void setFont(HRXFont* font) override;
    void setFrameColour(const HRXColour& colour) override;
    void setFontColour(const HRXColour& colour) override;
    void setFillColour(const HRXColour& colour) override;
    void fillRect(const HRXRect& rect) override;
    void frameRect(const HRXRect& rect) override;
    void fillPolygon(const HRXPoint* points, int32_t count) override;
    double getStringWidth(const char* text) override;

private:
    VSTGUI::CDrawContext* context_;
};

}  // namespace Brackenworks
