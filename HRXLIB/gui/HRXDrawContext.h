#pragma once

#include <cstdint>

#include "HRXGeometry.h"

class HRXBitmap;
class HRXFont;

enum HRXTextAlignment : int32_t { kHRXAlignLeft = 0, kHRXAlignCentre = 1, kHRXAlignRight = 2 };

// The drawing operations a control's draw uses; the toolkit companion
// implements them over its draw context. Coordinates are those of the
// control's view rectangle.
class HRXDrawContext {
public:
    virtual ~HRXDrawContext() = default;
    virtual void setLineWidth(double width) = 0;
    virtual void moveTo(const HRXPoint& point) = 0;
    virtual void lineTo(const HRXPoint& point) = 0;
    virtual void drawBitmap(HRXBitmap* bitmap, const HRXRect& destination, const HRXPoint& sourceOffset,
                            float alpha) = 0;
    virtual void drawString(const char* text, const HRXRect& rect, HRXTextAlignment alignment) = 0;
    virtual void setFont(HRXFont* font) = 0;
    virtual void setFrameColour(const HRXColour& colour) = 0;
    virtual void setFontColour(const HRXColour& colour) = 0;
    // Shapes of the custom-drawn controls: filled with the fill colour;
    // frameRect strokes inside the rectangle with the frame colour and line
    // width.
    virtual void setFillColour(const HRXColour& colour) = 0;
    virtual void fillRect(const HRXRect& rect) = 0;
    virtual void frameRect(const HRXRect& rect) = 0;
    virtual void fillPolygon(const HRXPoint* points, int32_t count) = 0;
    // Width of a single line of text in the current font.
    virtual double getStringWidth(const char* text) = 0;
};
