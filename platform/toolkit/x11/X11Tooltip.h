#pragma once

#include "X11Canvas.h"

#include <X11/Xlib.h>

#include <string>

namespace VSTGUI {
namespace X11 {

class Connection;
class ConnectionClient;

// A tooltip: a small undecorated (override-redirect) window with one line
// of text, drawn with the toolkit's text drawing. Its window's events go to
// the owner, which hands them to handleEvent.
class Tooltip {
public:
    Tooltip(Connection& connection, ConnectionClient& owner);
    ~Tooltip();
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;

    // Shows text just below anchor (screen coordinates), moved to stay on
    // the screen: left of the screen's right edge, above the anchor when
    // there is no room below.
    void show(const CRect& anchor, const char* text);
    void hide();
    bool isShown() const { return shown_; }
    Window window() const { return window_; }
    // Redraws on Expose.
    void handleEvent(const XEvent& event);
    // The window system is gone: forget the window without a request.
    void forgetWindow();

private:
    void paint();

    Connection& connection_;
    ConnectionClient& owner_;
    Window window_ = 0;
    Canvas canvas_;
    std::string text_;
    bool shown_ = false;
};

}  // namespace X11
}  // namespace VSTGUI
