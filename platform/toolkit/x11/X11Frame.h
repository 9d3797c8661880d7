#pragma once

#include "X11Canvas.h"
#include "X11Connection.h"
#include "X11Input.h"

#include "vstgui/platformframe.h"

#include <X11/Xlib.h>

#include <memory>

namespace VSTGUI {

class CFrame;

namespace X11 {

class PopupMenu;
class Tooltip;

// The frame's platform window on an X server: a child of a host's window
// (how hosts embed editors) or a top-level window. Everything happens on the
// thread that pumps the run loop: events arrive through the connection's
// run-loop source, and the region invalidated since the last pump is drawn
// (double-buffered, at the window's size) after each batch of events.
//
// Input reaches the frame in window pixels with the toolkit's bits: buttons
// 1-3 (and 8, 9 as kButton4, kButton5), Shift, Control, Alt (Mod1) and the
// Windows key (Mod4, kApple); a second press within 400 ms and 4 pixels
// carries kDoubleClick; the wheel steps +1 up, -1 down (left and right fold
// in as up and down); leaving the window with no button held is a mouse
// exit. Keys reach the frame while the pointer is over the window and the
// host's window has the focus.
class X11PlatformFrame : public IPlatformFrame, public ConnectionClient {
public:
    // Opens a window of size (window pixels, rounded up) in parent, or a
    // top-level window when parent is 0. Null when no display can be opened
    // or the parent does not exist.
    static X11PlatformFrame* create(IPlatformFrameCallback* frame, const CRect& size, Window parent);
    ~X11PlatformFrame() override;

    // The X11 window of an open frame; null for any other backend.
    static X11PlatformFrame* of(const CFrame* frame);

    Window getWindow() const { return window_; }
    // Null once the connection is lost.
    Display* getDisplay() const { return connection_->display(); }
    // A top-level window's title (UTF-8).
    void setTitle(const char* title);
    // True until the window has been exposed and every invalid region drawn.
    bool isDrawingPending() const { return !exposed_ || !invalid_.isEmpty(); }
    bool isTooltipShown() const;
    Window getTooltipWindow() const;
    // The open pop-up menu, if any.
    PopupMenu* getPopupMenu() const { return menu_.get(); }

    // IPlatformFrame
    bool getSize(CRect& size) const override;
    bool setSize(const CRect& size) override;
    void invalidRect(const CRect& rect) override;
    bool getCurrentMousePosition(CPoint& where) const override;
    bool getCurrentMouseButtons(CButtonState& buttons) const override;
    void showTooltip(const CRect& rect, const char* text) override;
    void hideTooltip() override;
    bool popupMenu(COptionMenu* menu, const CPoint& where) override;
    void* getPlatformRepresentation() const override;

    // ConnectionClient
    void handleEvent(XEvent& event) override;
    void flushDrawing() override;
    void connectionLost() override;

private:
    X11PlatformFrame(IPlatformFrameCallback* frame, Connection* connection, int width, int height, bool topLevel);
    bool openWindow(Window parent);
    void setSizeHints(Display* display, int width, int height);
    // Frees everything that speaks to the server; the window is gone.
    void forgetWindow();
    void queryPointer() const;
    void handleMenuEvent(XEvent& event);
    void handleButtonPress(XButtonEvent& event);
    void handleButtonRelease(XButtonEvent& event);
    void handleMotion(XMotionEvent& event);

    IPlatformFrameCallback* frame_;
    Connection* connection_;
    Window window_ = 0;
    bool topLevel_;
    int width_;
    int height_;
    CRect size_;
    Canvas canvas_;
    CRect invalid_;
    bool exposed_ = false;
    mutable CPoint mouse_;
    mutable CButtonState buttons_;
    ClickCounter clicks_;
    std::unique_ptr<Tooltip> tooltip_;
    std::unique_ptr<PopupMenu> menu_;
};

}  // namespace X11
}  // namespace VSTGUI
