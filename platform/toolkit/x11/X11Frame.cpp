#include "X11Frame.h"

#include "X11Menu.h"
#include "X11Tooltip.h"

#include "vstgui/cframe.h"
#include "vstgui/coptionmenu.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace VSTGUI {
namespace X11 {

namespace {

constexpr long kFrameEvents = ExposureMask | StructureNotifyMask | ButtonPressMask | ButtonReleaseMask |
                              PointerMotionMask | EnterWindowMask | LeaveWindowMask | KeyPressMask | KeyReleaseMask;

int pixels(CCoord length) {
    return std::max(1, static_cast<int>(std::ceil(length)));
}

}  // namespace

X11PlatformFrame* X11PlatformFrame::create(IPlatformFrameCallback* frame, const CRect& size, Window parent) {
    Connection* connection = Connection::acquire();
    if (!connection)
        return nullptr;
    auto* platformFrame =
        new X11PlatformFrame(frame, connection, pixels(size.getWidth()), pixels(size.getHeight()), parent == 0);
    platformFrame->size_ = CRect(0, 0, size.getWidth(), size.getHeight());
    if (!platformFrame->openWindow(parent)) {
        delete platformFrame;
        return nullptr;
    }
    return platformFrame;
}

X11PlatformFrame* X11PlatformFrame::of(const CFrame* frame) {
    return frame ? dynamic_cast<X11PlatformFrame*>(frame->getPlatformFrame()) : nullptr;
}

X11PlatformFrame::X11PlatformFrame(IPlatformFrameCallback* frame, Connection* connection, int width, int height,
                                   bool topLevel)
    : frame_(frame), connection_(connection), topLevel_(topLevel), width_(width), height_(height) {
    connection_->addClient(this);
    tooltip_ = std::make_unique<Tooltip>(*connection_, *this);
}

X11PlatformFrame::~X11PlatformFrame() {
    {
        // The host may have destroyed the parent, and with it this window
        // and its resources, already: that is not worth a report.
        std::unique_ptr<Connection::ErrorTrap> trap;
        if (connection_->display())
            trap = std::make_unique<Connection::ErrorTrap>(*connection_);
        menu_.reset();
        tooltip_.reset();
        canvas_.detach();
        if (window_ && connection_->display())
            XDestroyWindow(connection_->display(), window_);
    }
    connection_->removeClient(this);
    connection_->release();
}

bool X11PlatformFrame::openWindow(Window parent) {
    Display* display = connection_->display();
    if (!display)
        return false;
    Connection::ErrorTrap trap(*connection_);
    XSetWindowAttributes attributes{};
    // No background: the canvas paints every pixel, so nothing flickers.
    attributes.background_pixmap = None;
    attributes.bit_gravity = NorthWestGravity;
    attributes.event_mask = kFrameEvents;
    window_ = XCreateWindow(display, parent ? parent : DefaultRootWindow(display), 0, 0, static_cast<unsigned>(width_),
                            static_cast<unsigned>(height_), 0, CopyFromParent, InputOutput, CopyFromParent,
                            CWBackPixmap | CWBitGravity | CWEventMask, &attributes);
    if (topLevel_) {
        Atom protocols[] = {connection_->wmDeleteWindow()};
        XSetWMProtocols(display, window_, protocols, 1);
        XClassHint classHint{};
        classHint.res_name = const_cast<char*>("hrx-editor");
        classHint.res_class = const_cast<char*>("HRX");
        XSetClassHint(display, window_, &classHint);
        XWMHints wmHints{};
        wmHints.flags = InputHint | StateHint;
        wmHints.input = True;
        wmHints.initial_state = NormalState;
        XSetWMHints(display, window_, &wmHints);
    }
    setSizeHints(display, width_, height_);
    XMapWindow(display, window_);
    XWindowAttributes windowAttributes{};
    const bool created = XGetWindowAttributes(display, window_, &windowAttributes) != 0;
    if (trap.failed() || !created) {
        // A parent that does not exist: the window was never made.
        window_ = 0;
        return false;
    }
    connection_->route(window_, this);
    canvas_.attach(display, window_, windowAttributes.visual, width_, height_);
    invalid_ = CRect(0, 0, width_, height_);
    return true;
}

void X11PlatformFrame::forgetWindow() {
    // Resources of a destroyed window may be gone with it.
    std::unique_ptr<Connection::ErrorTrap> trap;
    if (connection_->display())
        trap = std::make_unique<Connection::ErrorTrap>(*connection_);
    if (menu_)
        menu_->forgetWindows();
    menu_.reset();
    if (tooltip_)
        tooltip_->forgetWindow();
    canvas_.detach();
    if (window_)
        connection_->unroute(window_);
    window_ = 0;
}

void X11PlatformFrame::setTitle(const char* title) {
    Display* display = connection_->display();
    if (!display || !window_ || !title)
        return;
    XStoreName(display, window_, title);
    XChangeProperty(display, window_, connection_->netWmName(), connection_->utf8String(), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title), static_cast<int>(std::strlen(title)));
}

bool X11PlatformFrame::isTooltipShown() const {
    return tooltip_ && tooltip_->isShown();
}

Window X11PlatformFrame::getTooltipWindow() const {
    return tooltip_ ? tooltip_->window() : 0;
}

bool X11PlatformFrame::getSize(CRect& size) const {
    size = size_;
    return true;
}

// The size follows the editor (its zoom), not the user's dragging: a window
// manager keeps a top-level window at it, and a host embedding the window
// (suil, for one) reads its size from these hints.
void X11PlatformFrame::setSizeHints(Display* display, int width, int height) {
    XSizeHints hints{};
    hints.flags = PMinSize | PMaxSize | PBaseSize;
    hints.min_width = hints.max_width = hints.base_width = width;
    hints.min_height = hints.max_height = hints.base_height = height;
    XSetWMNormalHints(display, window_, &hints);
}

bool X11PlatformFrame::setSize(const CRect& size) {
    size_ = CRect(0, 0, size.getWidth(), size.getHeight());
    const int width = pixels(size.getWidth());
    const int height = pixels(size.getHeight());
    Display* display = connection_->display();
    if (display && window_ && (width != width_ || height != height_)) {
        setSizeHints(display, width, height);
        XResizeWindow(display, window_, static_cast<unsigned>(width), static_cast<unsigned>(height));
        // A host told of the new size reads the hints on its own connection
        // at once: they must be on the server by then.
        XSync(display, False);
    }
    width_ = width;
    height_ = height;
    canvas_.resize(width_, height_);
    invalidRect(size_);
    return display != nullptr;
}

void X11PlatformFrame::invalidRect(const CRect& rect) {
    CRect bounded = pixelBounds(rect, width_, height_);
    if (bounded.isEmpty())
        return;
    if (invalid_.isEmpty()) {
        invalid_ = bounded;
        return;
    }
    invalid_ = CRect(std::fmin(invalid_.left, bounded.left), std::fmin(invalid_.top, bounded.top),
                     std::fmax(invalid_.right, bounded.right), std::fmax(invalid_.bottom, bounded.bottom));
}

void X11PlatformFrame::flushDrawing() {
    if (!window_ || !exposed_ || invalid_.isEmpty())
        return;
    const CRect rect = invalid_;
    invalid_ = CRect();
    IPlatformFrameCallback* frame = frame_;
    const CRect drawn = canvas_.draw(
        rect, [frame](CDrawContext& context, const CRect& dirty) { frame->platformDrawRect(&context, dirty); });
    canvas_.present(drawn);
}

void X11PlatformFrame::queryPointer() const {
    Display* display = connection_->display();
    if (!display || !window_)
        return;
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int x = 0;
    int y = 0;
    unsigned int mask = 0;
    if (XQueryPointer(display, window_, &root, &child, &rootX, &rootY, &x, &y, &mask)) {
        mouse_ = CPoint(x, y);
        buttons_ = buttonsFromState(mask);
    }
}

bool X11PlatformFrame::getCurrentMousePosition(CPoint& where) const {
    queryPointer();
    where = mouse_;
    return true;
}

bool X11PlatformFrame::getCurrentMouseButtons(CButtonState& buttons) const {
    queryPointer();
    buttons = buttons_;
    return true;
}

void X11PlatformFrame::showTooltip(const CRect& rect, const char* text) {
    Display* display = connection_->display();
    if (!display || !window_)
        return;
    Window child = 0;
    int x = 0;
    int y = 0;
    XTranslateCoordinates(display, window_, DefaultRootWindow(display), static_cast<int>(std::floor(rect.left)),
                          static_cast<int>(std::floor(rect.top)), &x, &y, &child);
    tooltip_->show(CRect(x, y, x + rect.getWidth(), y + rect.getHeight()), text);
}

void X11PlatformFrame::hideTooltip() {
    tooltip_->hide();
}

bool X11PlatformFrame::popupMenu(COptionMenu* menu, const CPoint& where) {
    Display* display = connection_->display();
    if (!display || !window_ || !menu)
        return false;
    menu_.reset();
    tooltip_->hide();
    Window child = 0;
    int x = 0;
    int y = 0;
    XTranslateCoordinates(display, window_, DefaultRootWindow(display), static_cast<int>(std::floor(where.x)),
                          static_cast<int>(std::floor(where.y)), &x, &y, &child);
    menu_ = PopupMenu::open(*connection_, *this, menu, x, y);
    return menu_ != nullptr;
}

void* X11PlatformFrame::getPlatformRepresentation() const {
    return reinterpret_cast<void*>(static_cast<uintptr_t>(window_));
}

void X11PlatformFrame::connectionLost() {
    forgetWindow();
    // Last: the receiver may delete the frame and this window.
    frame_->platformOnWindowClosed();
}

void X11PlatformFrame::handleEvent(XEvent& event) {
    if (menu_ && menu_->ownsWindow(event.xany.window)) {
        handleMenuEvent(event);
        return;
    }
    if (event.xany.window == getTooltipWindow()) {
        tooltip_->handleEvent(event);
        return;
    }
    if (event.xany.window != window_ || !window_)
        return;
    // Each case ends with the call into the frame: the frame may close
    // (and delete this window) inside it.
    switch (event.type) {
    case Expose:
        exposed_ = true;
        invalidRect(CRect(event.xexpose.x, event.xexpose.y, event.xexpose.x + event.xexpose.width,
                          event.xexpose.y + event.xexpose.height));
        break;
    case ConfigureNotify:
        if (event.xconfigure.width != width_ || event.xconfigure.height != height_) {
            width_ = event.xconfigure.width;
            height_ = event.xconfigure.height;
            size_ = CRect(0, 0, width_, height_);
            canvas_.resize(width_, height_);
            invalidRect(size_);
        }
        break;
    case DestroyNotify:
        if (event.xdestroywindow.window == window_) {
            forgetWindow();
            frame_->platformOnWindowClosed();
        }
        break;
    case ClientMessage:
        if (topLevel_ && event.xclient.message_type == connection_->wmProtocols() && event.xclient.format == 32 &&
            static_cast<Atom>(event.xclient.data.l[0]) == connection_->wmDeleteWindow())
            frame_->platformOnWindowClosed();
        break;
    case ButtonPress: handleButtonPress(event.xbutton); break;
    case ButtonRelease: handleButtonRelease(event.xbutton); break;
    case MotionNotify: handleMotion(event.xmotion); break;
    case EnterNotify: {
        mouse_ = CPoint(event.xcrossing.x, event.xcrossing.y);
        buttons_ = buttonsFromState(event.xcrossing.state);
        CPoint where = mouse_;
        frame_->platformOnMouseMoved(where, buttons_);
        break;
    }
    case LeaveNotify: {
        mouse_ = CPoint(event.xcrossing.x, event.xcrossing.y);
        buttons_ = buttonsFromState(event.xcrossing.state);
        // A drag goes on outside the window.
        if (buttons_ & (kLButton | kMButton | kRButton))
            break;
        CPoint where = mouse_;
        frame_->platformOnMouseExited(where, buttons_);
        break;
    }
    case KeyPress: {
        VstKeyCode key = keyCodeFromEvent(event.xkey);
        frame_->platformOnKeyDown(key);
        break;
    }
    case KeyRelease: {
        VstKeyCode key = keyCodeFromEvent(event.xkey);
        frame_->platformOnKeyUp(key);
        break;
    }
    default: break;
    }
}

void X11PlatformFrame::handleMenuEvent(XEvent& event) {
    COptionMenu* chosenMenu = nullptr;
    int32_t chosenIndex = -1;
    const PopupMenu::Result result = menu_->handleEvent(event, chosenMenu, chosenIndex);
    if (result == PopupMenu::Result::Open)
        return;
    COptionMenu* root = menu_->root();
    root->remember();
    menu_.reset();
    if (result == PopupMenu::Result::Chosen)
        root->choose(chosenMenu, chosenIndex);
    // The choice may have closed the frame: only locals from here.
    root->forget();
}

void X11PlatformFrame::handleButtonPress(XButtonEvent& event) {
    mouse_ = CPoint(event.x, event.y);
    // A menu that could not grab the pointer is cancelled by any press on
    // the frame.
    if (menu_) {
        menu_.reset();
        return;
    }
    const float distance = wheelDistance(event.button);
    if (distance != 0.0f) {
        buttons_ = buttonsFromState(event.state);
        frame_->platformOnMouseWheel(mouse_, distance, buttons_);
        return;
    }
    const int32_t bit = buttonBit(event.button);
    if (bit == 0)
        return;
    buttons_ = buttonsFromState(event.state);
    buttons_ |= bit;
    CButtonState buttons = buttons_;
    if (clicks_.press(event.button, event.time, event.x, event.y))
        buttons |= kDoubleClick;
    CPoint where = mouse_;
    frame_->platformOnMouseDown(where, buttons);
}

void X11PlatformFrame::handleButtonRelease(XButtonEvent& event) {
    mouse_ = CPoint(event.x, event.y);
    const int32_t bit = buttonBit(event.button);
    if (bit == 0)
        return;
    // The state names the buttons held before this release.
    const CButtonState before = buttonsFromState(event.state);
    buttons_ = CButtonState(before.getButtonState() & ~bit);
    CPoint where = mouse_;
    frame_->platformOnMouseUp(where, CButtonState(before.getModifierState() | bit));
}

void X11PlatformFrame::handleMotion(XMotionEvent& event) {
    // Only the newest of a run of queued moves matters.
    Display* display = connection_->display();
    XEvent next;
    while (display && XEventsQueued(display, QueuedAlready) > 0) {
        XPeekEvent(display, &next);
        if (next.type != MotionNotify || next.xmotion.window != window_)
            break;
        XNextEvent(display, &next);
        event = next.xmotion;
    }
    mouse_ = CPoint(event.x, event.y);
    buttons_ = buttonsFromState(event.state);
    CPoint where = mouse_;
    frame_->platformOnMouseMoved(where, buttons_);
}

}  // namespace X11
}  // namespace VSTGUI
