#pragma once

#include <cstdint>
#include <memory>
#include <string>

// A top-level X11 window of the host, the window a host opens for an
// insert's editor: the plug-in puts its view into it as a child window. It
// has its own connection to the X server; pump() handles its events without
// waiting. Main thread only.
class AAXHostWindow {
public:
    // Null, with `error` set, when there is no X display or the window
    // cannot be made.
    static std::unique_ptr<AAXHostWindow> open(const std::string& title, int width, int height, std::string* error);
    ~AAXHostWindow();
    AAXHostWindow(const AAXHostWindow&) = delete;
    AAXHostWindow& operator=(const AAXHostWindow&) = delete;

    // The window's id, for the plug-in's view container.
    uintptr_t id() const;
    // The plug-in's view asked for a new size: the window follows.
    void resize(int width, int height);
    // Handles pending events. False once the window is gone: closed by the
    // user (the window manager's close), destroyed, or the X server lost.
    bool pump();
    // Whether the window went because the X server connection was lost.
    bool isConnectionLost() const;
    // The connection's file descriptor, to wait on with poll(); -1 when gone.
    int fileDescriptor() const;

    struct State;

private:
    explicit AAXHostWindow(std::unique_ptr<State> state);
    std::unique_ptr<State> state_;
};
