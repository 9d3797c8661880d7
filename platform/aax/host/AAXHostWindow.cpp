#include "AAXHostWindow.h"

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

struct AAXHostWindow::State {
    Display* display = nullptr;
    Window window = 0;
    Atom deleteWindow = 0;
    bool open = false;
    bool lost = false;
};

namespace {

// Xlib's error handlers are process-wide and end the process by default. The host's window may be destroyed under it at
// any time (by the user, another client or the server), so an error on the host's own connection is only reported;
// errors of other connections (a plug-in's own) go to the handler that was there before.
Display* gHostDisplays[8] = {};
XErrorHandler gPreviousErrorHandler = nullptr;
XIOErrorHandler gPreviousIOErrorHandler = nullptr;
bool gErrorHandlersInstalled = false;

bool isHostDisplay(Display* display) {
    for (Display* host : gHostDisplays) {
        if (host && host == display)
            return true;
    }
    return false;
}

int onProtocolError(Display* display, XErrorEvent* event) {
    if (isHostDisplay(display))
        return 0;
    return gPreviousErrorHandler ? gPreviousErrorHandler(display, event) : 0;
}

// Returning lets Xlib go on to the display's exit handler below, which
// returns too, instead of ending the process as the default handler does.
int onIOError(Display* display) {
    if (isHostDisplay(display))
        return 0;
    return gPreviousIOErrorHandler ? gPreviousIOErrorHandler(display) : 0;
}

void trackDisplay(Display* display, bool track) {
    for (Display*& slot : gHostDisplays) {
        if (track ? slot == nullptr : slot == display) {
            slot = track ? display : nullptr;
            return;
        }
    }
}

// A lost connection must not end the host process (Xlib exits after the
// ordinary IO error handler): this handler returns to Xlib, which then only
// marks the display dead. The flag makes every later call a no-op.
void onConnectionLost(Display*, void* context) {
    auto* state = static_cast<AAXHostWindow::State*>(context);
    state->open = false;
    state->lost = true;
}

}  // namespace

std::unique_ptr<AAXHostWindow> AAXHostWindow::open(const std::string& title, int width, int height,
                                                   std::string* error) {
    auto fail = [error](const std::string& reason) {
        if (error)
            *error = reason;
        return std::unique_ptr<AAXHostWindow>();
    };
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        return fail("no X display (DISPLAY is not set)");
    auto state = std::make_unique<State>();
    state->display = XOpenDisplay(name);
    if (!state->display)
        return fail(std::string("cannot open the X display '") + name + "'");
    XSetIOErrorExitHandler(state->display, &onConnectionLost, state.get());
    if (!gErrorHandlersInstalled) {
        gPreviousErrorHandler = XSetErrorHandler(&onProtocolError);
        gPreviousIOErrorHandler = XSetIOErrorHandler(&onIOError);
        gErrorHandlersInstalled = true;
    }
    trackDisplay(state->display, true);
    const int screen = DefaultScreen(state->display);
    state->window = XCreateSimpleWindow(
        state->display, RootWindow(state->display, screen), 0, 0, static_cast<unsigned>(width > 0 ? width : 1),
        static_cast<unsigned>(height > 0 ? height : 1), 0, 0, BlackPixel(state->display, screen));
    XStoreName(state->display, state->window, title.c_str());
    // The process that owns the window, for window managers and tools.
    const long pid = static_cast<long>(getpid());
    XChangeProperty(state->display, state->window, XInternAtom(state->display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    state->deleteWindow = XInternAtom(state->display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(state->display, state->window, &state->deleteWindow, 1);
    XSelectInput(state->display, state->window, StructureNotifyMask);
    XMapWindow(state->display, state->window);
    XFlush(state->display);
    state->open = true;
    std::unique_ptr<AAXHostWindow> window(new AAXHostWindow(std::move(state)));
    window->resize(width, height);
    return window;
}

AAXHostWindow::AAXHostWindow(std::unique_ptr<State> state) : state_(std::move(state)) {}

AAXHostWindow::~AAXHostWindow() {
    if (state_->open) {
        XDestroyWindow(state_->display, state_->window);
        XFlush(state_->display);
    }
    XCloseDisplay(state_->display);
    trackDisplay(state_->display, false);
}

uintptr_t AAXHostWindow::id() const {
    return static_cast<uintptr_t>(state_->window);
}

bool AAXHostWindow::isConnectionLost() const {
    return state_->lost;
}

int AAXHostWindow::fileDescriptor() const {
    return state_->open ? ConnectionNumber(state_->display) : -1;
}

void AAXHostWindow::resize(int width, int height) {
    if (!state_->open || width < 1 || height < 1)
        return;
    // A fixed size: the window manager offers no resizing of its own.
    XSizeHints* hints = XAllocSizeHints();
    if (hints) {
        hints->flags = PMinSize | PMaxSize;
        hints->min_width = hints->max_width = width;
        hints->min_height = hints->max_height = height;
        XSetWMNormalHints(state_->display, state_->window, hints);
        XFree(hints);
    }
    XResizeWindow(state_->display, state_->window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XFlush(state_->display);
}

bool AAXHostWindow::pump() {
    while (state_->open && XPending(state_->display) > 0) {
        XEvent event;
        XNextEvent(state_->display, &event);
        const bool closed =
            event.type == ClientMessage && static_cast<Atom>(event.xclient.data.l[0]) == state_->deleteWindow;
        const bool destroyed = event.type == DestroyNotify && event.xdestroywindow.window == state_->window;
        if (closed || destroyed)
            state_->open = false;
    }
    return state_->open;
}
