#pragma once

#include <cstdint>

#include "HRXGeometry.h"

class HRXBitmap;
class HRXFont;

enum HRXTextAlignment : int32_t { kHRXAlignLeft = 0, kHRXAlignCentre = 1 };

// The drawing operations a control's draw uses; the toolkit companion
// implements them over its draw context. Coordinates are those of the
// control's view rectangle.
class HRXDrawContext {
public:
    virtual ~HRXDrawContext() = default;
    virtual void setLineWidth(double width) = 0;
    virtual void moveTo(const HRXPoint& point) = 0;
    virtual void lineTo(const HRXPoint& point) = 0;
    virtual void drawBitmap(HRXBitmap* bitmap, const HRXRect& destination, const HRXPoint& sourceOffset, float alpha) = 0;
    virtual void drawString(const char* text, const HRXRect& rect, HRXTextAlignment alignment) = 0;
    virtual void setFont(HRXFont* font) = 0;
    virtual void setFrameColour(const HRXColour& colour) = 0;
    virtual void setFontColour(const HRXColour& colour) = 0;
};
