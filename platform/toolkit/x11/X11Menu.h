#pragma once

#include "X11Canvas.h"

#include <X11/Xlib.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace VSTGUI {

class COptionMenu;

namespace X11 {

class Connection;
class ConnectionClient;

// A pop-up menu on screen: one undecorated (override-redirect) window per
// open level, the root menu's and those of its opened submenus beside their
// entries. It lists titles, separators, disabled, checked and title entries;
// the mouse highlights entries and opens submenus, a release on an entry
// chooses it; Up, Down, Left, Right, Return and Escape work the keyboard.
// The pointer and keyboard are grabbed while it is open, so a press outside
// every level cancels it. It reports what happened and never waits: the
// owner routes its windows' events to handleEvent.
class PopupMenu {
public:
    enum class Result { Open, Cancelled, Chosen };

    // Opens the menu's top level at x, y (screen coordinates), moved to stay
    // on the screen. Null when the menu has no entries or the window system
    // is gone.
    static std::unique_ptr<PopupMenu> open(Connection& connection, ConnectionClient& owner, COptionMenu* menu, int x,
                                           int y);
    // Closes every level and releases the grab and the menus.
    ~PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    COptionMenu* root() const;
    bool ownsWindow(Window window) const;
    // On Chosen, chosenMenu and chosenIndex name the entry (the menu it
    // belongs to: the root or a submenu).
    Result handleEvent(const XEvent& event, COptionMenu*& chosenMenu, int32_t& chosenIndex);
    // The window system is gone: forget the windows without a request.
    void forgetWindows();

    // Open levels and where their entries lie on the screen.
    size_t levelCount() const { return levels_.size(); }
    Window levelWindow(size_t level) const;
    CRect entryRect(size_t level, int32_t index) const;
    bool isGrabbed() const { return grabbed_; }

private:
    struct Level;

    PopupMenu(Connection& connection, ConnectionClient& owner);
    bool openLevel(COptionMenu* menu, int x, int y);
    void openSubmenu(size_t level, int32_t index);
    void closeLevelsAfter(size_t level);
    // The level and entry at a screen point; false outside every level.
    bool hit(int x, int y, size_t& level, int32_t& index) const;
    void setHighlight(size_t level, int32_t index);
    int32_t nextSelectable(const Level& level, int32_t from, int direction) const;
    void paint(Level& level);

    Connection& connection_;
    ConnectionClient& owner_;
    std::vector<std::unique_ptr<Level>> levels_;
    bool grabbed_ = false;
};

}  // namespace X11
}  // namespace VSTGUI
