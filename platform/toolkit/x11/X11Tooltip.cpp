#include "X11Tooltip.h"

#include "X11Connection.h"

#include "vstgui/cdrawcontext.h"
#include "vstgui/cfont.h"

#include <X11/Xatom.h>

#include <cmath>

namespace VSTGUI {
namespace X11 {

namespace {

constexpr int kPadding = 4;
constexpr int kHeight = 18;
const CColor kBackground(255, 255, 225, 255);
const CColor kBorder(118, 118, 118, 255);

CFontDesc& tooltipFont() {
    static CFontDesc font("Arial", 11.0);
    return font;
}

}  // namespace

Tooltip::Tooltip(Connection& connection, ConnectionClient& owner) : connection_(connection), owner_(owner) {}

Tooltip::~Tooltip() {
    canvas_.detach();
    if (window_) {
        connection_.unroute(window_);
        if (connection_.display())
            XDestroyWindow(connection_.display(), window_);
    }
}

void Tooltip::forgetWindow() {
    canvas_.detach();
    window_ = 0;
    shown_ = false;
}

void Tooltip::show(const CRect& anchor, const char* text) {
    Display* display = connection_.display();
    if (!display)
        return;
    text_ = text ? text : "";
    const int width = static_cast<int>(std::ceil(textWidth(text_.c_str(), tooltipFont()))) + 2 * kPadding;
    const int screenWidth = DisplayWidth(display, DefaultScreen(display));
    const int screenHeight = DisplayHeight(display, DefaultScreen(display));
    int x = static_cast<int>(anchor.left);
    int y = static_cast<int>(anchor.bottom);
    if (x + width > screenWidth)
        x = screenWidth - width;
    if (x < 0)
        x = 0;
    if (y + kHeight > screenHeight)
        y = static_cast<int>(anchor.top) - kHeight;
    if (!window_) {
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        attributes.save_under = True;
        attributes.background_pixmap = None;
        attributes.event_mask = ExposureMask;
        window_ = XCreateWindow(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(width), kHeight, 0,
                                CopyFromParent, InputOutput, CopyFromParent,
                                CWOverrideRedirect | CWSaveUnder | CWBackPixmap | CWEventMask, &attributes);
        Atom type = connection_.netWmWindowTypeTooltip();
        XChangeProperty(display, window_, connection_.netWmWindowType(), XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&type), 1);
        connection_.route(window_, &owner_);
        canvas_.attach(display, window_, DefaultVisual(display, DefaultScreen(display)), width, kHeight);
    } else {
        XMoveResizeWindow(display, window_, x, y, static_cast<unsigned>(width), kHeight);
        canvas_.resize(width, kHeight);
    }
    XMapRaised(display, window_);
    shown_ = true;
    paint();
}

void Tooltip::hide() {
    if (shown_ && window_ && connection_.display())
        XUnmapWindow(connection_.display(), window_);
    shown_ = false;
}

void Tooltip::handleEvent(const XEvent& event) {
    if (event.type == Expose && event.xexpose.count == 0 && shown_)
        paint();
}

void Tooltip::paint() {
    const std::string text = text_;
    CRect drawn =
        canvas_.draw(CRect(0, 0, canvas_.width(), canvas_.height()), [&text](CDrawContext& context, const CRect& area) {
            context.setFillColor(kBorder);
            context.drawRect(area, kDrawFilled);
            context.setFillColor(kBackground);
            context.drawRect(CRect(1, 1, area.right - 1, area.bottom - 1), kDrawFilled);
            context.setFont(&tooltipFont());
            context.setFontColor(kBlackCColor);
            context.drawString(text.c_str(), CRect(kPadding, 0, area.right - kPadding, area.bottom), kLeftText);
        });
    canvas_.present(drawn);
}

}  // namespace X11
}  // namespace VSTGUI
