#include "X11Connection.h"

#include "HRXRunLoop.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdio>

namespace VSTGUI {
namespace X11 {

namespace {

// The connection new frames use; a lost one stays alive (but not current)
// until its last user releases it.
Connection* gCurrent = nullptr;

std::vector<Connection*>& allConnections() {
    static std::vector<Connection*> list;
    return list;
}

// Xlib's handlers are process-wide: the ones found at installation keep
// serving the connections that are not ours (a host's own display).
XErrorHandler gPreviousErrorHandler = nullptr;
XIOErrorHandler gPreviousIOErrorHandler = nullptr;
bool gHandlersInstalled = false;

void dispatchSource(void* context) {
    static_cast<Connection*>(context)->dispatch();
}

}  // namespace

Connection* Connection::acquire() {
    if (gCurrent && gCurrent->alive_) {
        ++gCurrent->users_;
        return gCurrent;
    }
    if (!gHandlersInstalled) {
        gPreviousErrorHandler = XSetErrorHandler(onError);
        gPreviousIOErrorHandler = XSetIOErrorHandler(onIOError);
        gHandlersInstalled = true;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    gCurrent = new Connection(display);
    return gCurrent;
}

void Connection::release() {
    if (--users_ == 0)
        delete this;
}

Connection::Connection(Display* display) : display_(display) {
    allConnections().push_back(this);
    // Without this Xlib ends the process when the server goes away.
    XSetIOErrorExitHandler(display_, onIOErrorExit, this);
    char* names[kAtomCount] = {
        const_cast<char*>("WM_PROTOCOLS"),
        const_cast<char*>("WM_DELETE_WINDOW"),
        const_cast<char*>("_NET_WM_NAME"),
        const_cast<char*>("UTF8_STRING"),
        const_cast<char*>("_NET_WM_WINDOW_TYPE"),
        const_cast<char*>("_NET_WM_WINDOW_TYPE_TOOLTIP"),
        const_cast<char*>("_NET_WM_WINDOW_TYPE_POPUP_MENU"),
    };
    XInternAtoms(display_, names, kAtomCount, False, atoms_);
    readKeyCodes();
    sourceId_ = HRXRunLoop::addSource(dispatchSource, this);
    setPlatformKeyStateSource(this);
}

Connection::~Connection() {
    HRXRunLoop::removeSource(sourceId_);
    if (getPlatformKeyStateSource() == this)
        setPlatformKeyStateSource(nullptr);
    if (gCurrent == this)
        gCurrent = nullptr;
    // A lost display is closed too: Xlib makes no more requests on it and
    // frees what it holds.
    XCloseDisplay(display_);
    auto& list = allConnections();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (list.empty())
        restoreHandlers();
}

// With no connection left, the handlers found at installation serve again:
// this code may be unloaded next (a plug-in library), and Xlib must not call
// into it afterwards. Handlers installed after ours chain to ours and stay.
void Connection::restoreHandlers() {
    if (!gHandlersInstalled)
        return;
    const XErrorHandler current = XSetErrorHandler(gPreviousErrorHandler);
    if (current != onError)
        XSetErrorHandler(current);
    const XIOErrorHandler currentIO = XSetIOErrorHandler(gPreviousIOErrorHandler);
    if (currentIO != onIOError)
        XSetIOErrorHandler(currentIO);
    gHandlersInstalled = false;
}

void Connection::readKeyCodes() {
    static const KeySym keys[3][3] = {
        {XK_Control_L, XK_Control_R, NoSymbol},
        {XK_Alt_L, XK_Alt_R, XK_ISO_Level3_Shift},  // right Alt is AltGr on many layouts
        {XK_Super_L, XK_Super_R, NoSymbol},
    };
    for (int key = 0; key < 3; ++key) {
        keyCodes_[key].clear();
        for (KeySym symbol : keys[key]) {
            KeyCode code = symbol != NoSymbol ? XKeysymToKeycode(display_, symbol) : 0;
            if (code != 0)
                keyCodes_[key].push_back(code);
        }
    }
}

void Connection::addClient(ConnectionClient* client) {
    clients_.push_back(client);
}

void Connection::removeClient(ConnectionClient* client) {
    clients_.erase(std::remove(clients_.begin(), clients_.end(), client), clients_.end());
    routes_.erase(
        std::remove_if(routes_.begin(), routes_.end(),
                       [client](const std::pair<Window, ConnectionClient*>& r) { return r.second == client; }),
        routes_.end());
}

void Connection::route(Window window, ConnectionClient* client) {
    routes_.emplace_back(window, client);
}

void Connection::unroute(Window window) {
    routes_.erase(std::remove_if(routes_.begin(), routes_.end(),
                                 [window](const std::pair<Window, ConnectionClient*>& r) { return r.first == window; }),
                  routes_.end());
}

bool Connection::isClient(ConnectionClient* client) const {
    return std::find(clients_.begin(), clients_.end(), client) != clients_.end();
}

ConnectionClient* Connection::clientOf(Window window) const {
    for (const auto& r : routes_) {
        if (r.first == window)
            return r.second;
    }
    return nullptr;
}

void Connection::dispatch() {
    // A client may release the last other reference while it handles an
    // event.
    ++users_;
    while (alive_ && XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type == MappingNotify) {
            XRefreshKeyboardMapping(&event.xmapping);
            readKeyCodes();
            continue;
        }
        if (ConnectionClient* client = clientOf(event.xany.window))
            client->handleEvent(event);
    }
    if (alive_) {
        const std::vector<ConnectionClient*> clients = clients_;
        for (ConnectionClient* client : clients) {
            if (alive_ && isClient(client))
                client->flushDrawing();
        }
        if (alive_)
            XFlush(display_);
    }
    if (!alive_ && !lossTold_)
        tellClientsLost();
    release();
}

void Connection::tellClientsLost() {
    lossTold_ = true;
    const std::vector<ConnectionClient*> clients = clients_;
    for (ConnectionClient* client : clients) {
        if (isClient(client))
            client->connectionLost();
    }
}

void Connection::markLost() {
    if (!alive_)
        return;
    alive_ = false;
    std::fprintf(stderr, "X11: lost the connection to the X server %s; its windows are closed\n",
                 DisplayString(display_));
    if (getPlatformKeyStateSource() == this)
        setPlatformKeyStateSource(nullptr);
    if (gCurrent == this)
        gCurrent = nullptr;
}

bool Connection::isKeyDown(HRXKey key) {
    if (!alive_)
        return false;
    char keys[32];
    XQueryKeymap(display_, keys);
    for (KeyCode code : keyCodes_[static_cast<int>(key)]) {
        if (keys[code / 8] & (1 << (code % 8)))
            return true;
    }
    return false;
}

Connection* Connection::owning(Display* display) {
    for (Connection* connection : allConnections()) {
        if (connection->display_ == display)
            return connection;
    }
    return nullptr;
}

int Connection::onError(Display* display, XErrorEvent* error) {
    Connection* connection = owning(display);
    if (!connection)
        return gPreviousErrorHandler ? gPreviousErrorHandler(display, error) : 0;
    if (connection->trapActive_ && error->serial >= connection->trapFirstSerial_) {
        ++connection->trappedErrors_;
        return 0;
    }
    char text[128];
    XGetErrorText(display, error->error_code, text, sizeof(text));
    std::fprintf(stderr, "X11: protocol error: %s (request %d.%d, resource 0x%lx)\n", text,
                 static_cast<int>(error->request_code), static_cast<int>(error->minor_code), error->resourceid);
    return 0;
}

int Connection::onIOError(Display* display) {
    Connection* connection = owning(display);
    if (!connection)
        return gPreviousIOErrorHandler ? gPreviousIOErrorHandler(display) : 0;
    connection->markLost();
    return 0;
}

void Connection::onIOErrorExit(Display* /*display*/, void* context) {
    // Returning keeps the process alive; the clients hear of the loss at the
    // next dispatch, outside the Xlib call that failed.
    static_cast<Connection*>(context)->markLost();
}

Connection::ErrorTrap::ErrorTrap(Connection& connection)
    : connection_(connection),
      firstSerial_(0),
      savedErrors_(connection.trappedErrors_),
      savedActive_(connection.trapActive_),
      savedFirst_(connection.trapFirstSerial_) {
    if (connection_.alive_)
        firstSerial_ = NextRequest(connection_.display_);
    connection_.trapActive_ = true;
    connection_.trapFirstSerial_ = firstSerial_;
    connection_.trappedErrors_ = 0;
}

Connection::ErrorTrap::~ErrorTrap() {
    if (connection_.alive_)
        XSync(connection_.display_, False);
    connection_.trapActive_ = savedActive_;
    connection_.trapFirstSerial_ = savedActive_ ? savedFirst_ : 0;
    connection_.trappedErrors_ += savedErrors_;
}

bool Connection::ErrorTrap::failed() {
    if (connection_.alive_)
        XSync(connection_.display_, False);
    return connection_.trappedErrors_ > 0 || !connection_.alive_;
}

}  // namespace X11
}  // namespace VSTGUI
