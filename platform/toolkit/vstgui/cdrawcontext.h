#pragma once

#include "cairofwd.h"
#include "cbaseobject.h"
#include "ccolor.h"
#include "cfont.h"
#include "cgeometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace VSTGUI {

class CBitmap;
class CFrame;

enum CHoriTxtAlign : int32_t {
    kLeftText = 0,
    kCenterText = 1,
    kRightText = 2,
};

enum CDrawStyle : int32_t {
    kDrawStroked = 0,
    kDrawFilled = 1,
    kDrawFilledAndStroked = 2,
};

// Drawing onto a cairo target in logical units. Coordinates pass through
// the current transform (zoom and view offsets), then the target's own
// scale factor (pixels per unit at identity transform).
class CDrawContext : public CBaseObject {
public:
    // Draws through cr (one reference is taken); surfaceRect is the target's
    // extent in logical units at identity transform.
    CDrawContext(cairo_t* cr, const CRect& surfaceRect, double scaleFactor = 1.0);
    ~CDrawContext() override;

    void setLineWidth(CCoord width) { state_.lineWidth = width; }
    CCoord getLineWidth() const { return state_.lineWidth; }
    void setFrameColor(const CColor& color) { state_.frameColor = color; }
    const CColor& getFrameColor() const { return state_.frameColor; }
    void setFillColor(const CColor& color) { state_.fillColor = color; }
    const CColor& getFillColor() const { return state_.fillColor; }
    void setFontColor(const CColor& color) { state_.fontColor = color; }
    const CColor& getFontColor() const { return state_.fontColor; }
    // size 0 keeps the font's size, style -1 keeps its style.
    void setFont(const CFontRef font, CCoord size = 0.0, int32_t style = -1);
    const std::string& getFontName() const { return state_.fontName; }
    CCoord getFontSize() const { return state_.fontSize; }
    int32_t getFontStyle() const { return state_.fontStyle; }
    void setGlobalAlpha(float alpha) { state_.globalAlpha = alpha; }
    float getGlobalAlpha() const { return state_.globalAlpha; }

    // Pen drawing: lineTo strokes from the pen position to the point with
    // the frame colour and line width and moves the pen there.
    void moveTo(const CPoint& point);
    void lineTo(const CPoint& point);
    void drawLine(const CPoint& from, const CPoint& to);
    void drawRect(const CRect& rect, CDrawStyle style = kDrawStroked);
    // A closed polygon: filled with the fill colour, stroked with the frame
    // colour and line width, or both.
    void drawPolygon(const std::vector<CPoint>& points, CDrawStyle style = kDrawStroked);

    // Draws a single line of UTF-8 text, vertically centred in the
    // rectangle. Text wider than the rectangle is cut at its left and right
    // edges; glyphs reaching above or below it (accents, descenders) draw
    // in full.
    void drawString(const char* text, const CRect& rect, CHoriTxtAlign align = kCenterText, bool antialias = true);
    CCoord getStringWidth(const char* text);

    void drawBitmap(CBitmap* bitmap, const CRect& destination, const CPoint& offset = CPoint(0, 0), float alpha = 1.0f);

    // Narrows the clip to the rectangle (current coordinates); the clip
    // widens again only through restoreGlobalState.
    void setClipRect(const CRect& rect);
    // The current clip in current coordinates, widened to whole target
    // pixels.
    CRect getClipRect() const;

    // Saves or restores transform, clip, colours, line width, font and
    // opacity.
    void saveGlobalState();
    void restoreGlobalState();

    // The transform from current coordinates to target units (identity
    // transform = the surface rectangle).
    CGraphicsTransform getCurrentTransform() const;
    // Pixels per current unit: the target's scale times the transform's.
    double getScaleFactor() const;
    double getTargetScaleFactor() const { return targetScale_; }
    cairo_t* getCairo() const { return cr_; }
    const CRect& getSurfaceRect() const { return surfaceRect_; }

    // Applies a transform for its lifetime (states nest).
    class Transform {
    public:
        Transform(CDrawContext& context, const CGraphicsTransform& transform);
        ~Transform();
        Transform(const Transform&) = delete;
        Transform& operator=(const Transform&) = delete;

    private:
        CDrawContext& context_;
    };

private:
    struct State {
        CCoord lineWidth = 1.0;
        CColor frameColor = kBlackCColor;
        CColor fillColor = kWhiteCColor;
        CColor fontColor = kBlackCColor;
        std::string fontName = "Arial";
        CCoord fontSize = 12.0;
        int32_t fontStyle = kNormalFace;
        float globalAlpha = 1.0f;
    };
    void setSourceColor(const CColor& color);
    void applyFont();

    cairo_t* cr_;
    CRect surfaceRect_;
    double targetScale_;
    CPoint pen_;
    State state_;
    std::vector<State> stack_;
};

// A drawing context over its own image surface, usable as a bitmap
// afterwards.
class COffscreenContext : public CDrawContext {
public:
    // Null when width or height is below 1. frame may be null (it only
    // supplies the platform; every platform draws with cairo).
    static SharedPointer<COffscreenContext> create(CFrame* frame, CCoord width, CCoord height,
                                                   double scaleFactor = 1.0);
    ~COffscreenContext() override;

    void beginDraw() {}
    void endDraw();
    // The drawn pixels as a bitmap (scale factor of the context).
    CBitmap* getBitmap() const { return bitmap_; }
    CCoord getWidth() const { return getSurfaceRect().getWidth(); }
    CCoord getHeight() const { return getSurfaceRect().getHeight(); }

private:
    COffscreenContext(cairo_t* cr, const CRect& rect, double scaleFactor, CBitmap* bitmap);
    CBitmap* bitmap_;
};

}  // namespace VSTGUI
