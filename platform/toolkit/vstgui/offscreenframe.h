#pragma once

#include "cairofwd.h"
#include "ccolor.h"
#include "platformframe.h"

#include <deque>
#include <string>
#include <vector>

namespace VSTGUI {

class CFrame;

// The platform window without a screen: the frame is drawn into a cairo
// image surface of the window's size, and input is injected by code in
// window coordinates (so a zoomed frame maps it back to logical units).
class OffscreenPlatformFrame : public IPlatformFrame {
public:
    OffscreenPlatformFrame(IPlatformFrameCallback* frame, const CRect& size);
    ~OffscreenPlatformFrame() override;

    // The offscreen window of an open frame; null for any other backend.
    static OffscreenPlatformFrame* of(const CFrame* frame);

    // Draws the whole frame into the image surface (resized to the window
    // size, rounded up to whole pixels) and clears the invalid region.
    cairo_surface_t* render();
    cairo_surface_t* getSurface() const { return surface_; }
    // A pixel of the last render as straight RGBA; transparent outside.
    CColor getPixel(int32_t x, int32_t y) const;
    // Writes the last render as PNG through a temporary file renamed into
    // place.
    bool writePNG(const char* path) const;

    // Injected input; the position and buttons are remembered as the
    // current mouse state.
    CMouseEventResult mouseDown(const CPoint& where, const CButtonState& buttons);
    CMouseEventResult mouseMove(const CPoint& where, const CButtonState& buttons);
    CMouseEventResult mouseUp(const CPoint& where, const CButtonState& buttons);
    CMouseEventResult mouseExit(const CPoint& where);
    bool wheel(const CPoint& where, float distance, const CButtonState& buttons);
    bool keyDown(const VstKeyCode& key);
    bool keyUp(const VstKeyCode& key);
    // Press and release at one point.
    void click(const CPoint& where, const CButtonState& buttons);
    // Two clicks, the second press carrying the double-click bit.
    void doubleClick(const CPoint& where, const CButtonState& buttons);

    // Region asked to redraw since the last render (window coordinates).
    bool hasInvalidRect() const { return !invalid_.isEmpty(); }
    const CRect& getInvalidRect() const { return invalid_; }

    bool isTooltipShown() const { return tooltipShown_; }
    const std::string& getTooltipText() const { return tooltipText_; }
    const CRect& getTooltipRect() const { return tooltipRect_; }

    // Answers the next pop-up menu at once: a path of entry indices
    // (submenu entries first). An empty queue cancels the menu.
    void queueMenuChoice(const std::vector<int32_t>& path) { menuChoices_.push_back(path); }
    // The menus popped up so far.
    uint32_t getMenuPopupCount() const { return menuPopups_; }

    // IPlatformFrame
    bool getSize(CRect& size) const override;
    bool setSize(const CRect& size) override;
    void invalidRect(const CRect& rect) override;
    bool getCurrentMousePosition(CPoint& where) const override;
    bool getCurrentMouseButtons(CButtonState& buttons) const override;
    void showTooltip(const CRect& rect, const char* text) override;
    void hideTooltip() override;
    bool popupMenu(COptionMenu* menu, const CPoint& where) override;
    void* getPlatformRepresentation() const override { return nullptr; }

private:
    IPlatformFrameCallback* frame_;
    CRect size_;
    cairo_surface_t* surface_ = nullptr;
    CRect invalid_;
    CPoint mouse_;
    CButtonState buttons_;
    bool tooltipShown_ = false;
    std::string tooltipText_;
    CRect tooltipRect_;
    std::deque<std::vector<int32_t>> menuChoices_;
    uint32_t menuPopups_ = 0;
};

}  // namespace VSTGUI
