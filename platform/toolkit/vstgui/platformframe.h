#pragma once

#include "cbuttonstate.h"
#include "cgeometry.h"

#include <cstdint>
#include <vector>

namespace VSTGUI {

class CDrawContext;
class COptionMenu;

// The frame as a platform window sees it: drawing and input enter here, in
// window coordinates (pixels of the window, before the zoom transform).
class IPlatformFrameCallback {
public:
    virtual ~IPlatformFrameCallback() = default;
    // Draws the frame's content for rect (window coordinates) into context,
    // whose identity transform is window coordinates.
    virtual void platformDrawRect(CDrawContext* context, const CRect& rect) = 0;
    virtual CMouseEventResult platformOnMouseDown(CPoint& where, const CButtonState& buttons) = 0;
    virtual CMouseEventResult platformOnMouseMoved(CPoint& where, const CButtonState& buttons) = 0;
    virtual CMouseEventResult platformOnMouseUp(CPoint& where, const CButtonState& buttons) = 0;
    virtual CMouseEventResult platformOnMouseExited(CPoint& where, const CButtonState& buttons) = 0;
    virtual bool platformOnMouseWheel(const CPoint& where, float distance, const CButtonState& buttons) = 0;
    virtual bool platformOnKeyDown(VstKeyCode& key) = 0;
    virtual bool platformOnKeyUp(VstKeyCode& key) = 0;
    // The window went away by itself: closed by the window manager, its
    // parent destroyed, or the window system lost. The receiver may close
    // and delete the frame inside this call; the platform window touches
    // nothing of it (or of itself) afterwards.
    virtual void platformOnWindowClosed() = 0;
};

// What the frame asks of its platform window. The offscreen backend draws
// into an image surface and takes injected input; a native window backend
// implements the same seam.
class IPlatformFrame {
public:
    virtual ~IPlatformFrame() = default;

    // Window size in window coordinates (origin 0, 0).
    virtual bool getSize(CRect& size) const = 0;
    virtual bool setSize(const CRect& size) = 0;
    // Marks a region (window coordinates) for redrawing.
    virtual void invalidRect(const CRect& rect) = 0;
    virtual bool getCurrentMousePosition(CPoint& where) const = 0;
    virtual bool getCurrentMouseButtons(CButtonState& buttons) const = 0;
    // Shows text near rect (window coordinates) until hideTooltip.
    virtual void showTooltip(const CRect& rect, const char* text) = 0;
    virtual void hideTooltip() = 0;
    // Shows a pop-up menu at a point (window coordinates) and returns at
    // once; it never waits, since the user-interface thread belongs to the
    // host. A choice is delivered later as menu->choose(chosen menu, index)
    // (the root or a submenu the entry belongs to); a cancelled menu
    // delivers nothing. The menu is kept alive while shown. False when the
    // menu could not be shown.
    virtual bool popupMenu(COptionMenu* menu, const CPoint& where) = 0;
    // The native handle (window id), null offscreen.
    virtual void* getPlatformRepresentation() const = 0;
};

enum class PlatformType : int32_t {
    kOffscreen = 0,
    kX11Window = 1,
};

// Creates the platform window of a type for a frame; parent is the native
// parent handle. Answers null on failure.
using PlatformFrameFactory = IPlatformFrame* (*)(IPlatformFrameCallback* frame, const CRect& size, void* parent);

// Registers the factory of a window backend (the offscreen one is built in).
void setPlatformFrameFactory(PlatformType type, PlatformFrameFactory factory);
PlatformFrameFactory getPlatformFrameFactory(PlatformType type);

}  // namespace VSTGUI
