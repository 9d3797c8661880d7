#pragma once

#include "HRXKeyState.h"

#include <X11/Xlib.h>

#include <cstdint>
#include <vector>

namespace VSTGUI {
namespace X11 {

// What owns windows on the connection: it gets their events, draws what it
// has pending after each batch of events, and hears when the connection is
// lost.
class ConnectionClient {
public:
    virtual ~ConnectionClient() = default;
    virtual void handleEvent(XEvent& event) = 0;
    virtual void flushDrawing() = 0;
    // The X server is gone: from now on the client makes no Xlib call. The
    // client may be deleted inside this call.
    virtual void connectionLost() = 0;
};

// The process's one connection to the X server, opened from $DISPLAY on
// first use and closed when its last user releases it. A run-loop source
// reads its events without ever blocking and hands each to the client owning
// the event's window, then lets every client draw.
//
// Errors never end the process: protocol errors (a window destroyed by its
// owner, say) are reported on the standard error stream; a lost connection
// is reported once, marks the connection dead and tells every client, and
// the next acquire opens a new connection. Main thread only.
class Connection : public HRXKeyStateSource {
public:
    // The live connection with one more user, opened when needed; null (and
    // a message on the standard error stream) when the display cannot be
    // opened.
    static Connection* acquire();
    void release();

    // Null once the connection is lost: every Xlib call checks it first.
    Display* display() const { return alive_ ? display_ : nullptr; }
    bool isAlive() const { return alive_; }

    void addClient(ConnectionClient* client);
    void removeClient(ConnectionClient* client);
    // Routes a window's events to a client until unroute or removeClient;
    // destroying the window does not end the route.
    void route(Window window, ConnectionClient* client);
    void unroute(Window window);

    Atom wmProtocols() const { return atoms_[kWmProtocols]; }
    Atom wmDeleteWindow() const { return atoms_[kWmDeleteWindow]; }
    Atom netWmName() const { return atoms_[kNetWmName]; }
    Atom utf8String() const { return atoms_[kUtf8String]; }
    Atom netWmWindowType() const { return atoms_[kNetWmWindowType]; }
    Atom netWmWindowTypeTooltip() const { return atoms_[kNetWmWindowTypeTooltip]; }
    Atom netWmWindowTypePopupMenu() const { return atoms_[kNetWmWindowTypePopupMenu]; }

    // Reads and dispatches every pending event, then lets clients draw and
    // flushes; after a loss, tells the clients. The run-loop source.
    void dispatch();

    // HRXKeyStateSource: the keyboard's state through XQueryKeymap.
    bool isKeyDown(HRXKey key) override;

    // Protocol errors of requests made while a trap is open are counted,
    // not reported: for requests that may fail for reasons outside our
    // control (a parent window destroyed by the host).
    class ErrorTrap {
    public:
        explicit ErrorTrap(Connection& connection);
        ~ErrorTrap();
        ErrorTrap(const ErrorTrap&) = delete;
        ErrorTrap& operator=(const ErrorTrap&) = delete;
        // Waits for the server to process the requests made so far; true
        // when one of them failed.
        bool failed();

    private:
        Connection& connection_;
        unsigned long firstSerial_;
        int savedErrors_;
        bool savedActive_;
        unsigned long savedFirst_;
    };

private:
    enum AtomIndex {
        kWmProtocols,
        kWmDeleteWindow,
        kNetWmName,
        kUtf8String,
        kNetWmWindowType,
        kNetWmWindowTypeTooltip,
        kNetWmWindowTypePopupMenu,
        kAtomCount
    };

    explicit Connection(Display* display);
    ~Connection() override;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    static int onError(Display* display, XErrorEvent* error);
    static int onIOError(Display* display);
    static void onIOErrorExit(Display* display, void* context);
    static void restoreHandlers();
    static Connection* owning(Display* display);
    void markLost();
    void readKeyCodes();
    void tellClientsLost();
    bool isClient(ConnectionClient* client) const;
    ConnectionClient* clientOf(Window window) const;

    Display* display_;
    bool alive_ = true;
    bool lossTold_ = false;
    int users_ = 1;
    uint32_t sourceId_ = 0;
    Atom atoms_[kAtomCount] = {};
    std::vector<ConnectionClient*> clients_;
    std::vector<std::pair<Window, ConnectionClient*>> routes_;
    std::vector<KeyCode> keyCodes_[3];
    bool trapActive_ = false;
    unsigned long trapFirstSerial_ = 0;
    int trappedErrors_ = 0;
};

}  // namespace X11
}  // namespace VSTGUI
