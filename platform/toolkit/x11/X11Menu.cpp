#include "X11Menu.h"

#include "X11Connection.h"

#include "vstgui/cdrawcontext.h"
#include "vstgui/cfont.h"
#include "vstgui/coptionmenu.h"

#include <X11/Xatom.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cmath>

namespace VSTGUI {
namespace X11 {

namespace {

constexpr int kEntryHeight = 20;
constexpr int kSeparatorHeight = 9;
constexpr int kBorder = 3;
constexpr int kCheckColumn = 20;
constexpr int kArrowColumn = 18;
constexpr int kMinimumWidth = 100;

const CColor kBackground(240, 240, 240, 255);
const CColor kFrame(120, 120, 120, 255);
const CColor kText(0, 0, 0, 255);
const CColor kDisabledText(150, 150, 150, 255);
const CColor kTitleText(90, 90, 90, 255);
const CColor kHighlight(51, 102, 204, 255);
const CColor kHighlightText(255, 255, 255, 255);

CFontDesc& entryFont() {
    static CFontDesc font("Arial", 12.0);
    return font;
}

CFontDesc& titleFont() {
    static CFontDesc font("Arial", 12.0, kBoldFace);
    return font;
}

bool isSelectable(const CMenuItem* item) {
    return item && item->isEnabled() && !item->isSeparator() && !item->isTitle();
}

bool isChoosable(const CMenuItem* item) {
    return isSelectable(item) && !item->getSubmenu();
}

}  // namespace

struct PopupMenu::Level {
    COptionMenu* menu = nullptr;
    Window window = 0;
    Canvas canvas;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::vector<int> rowTop;  // per entry, then the bottom of the last
    int32_t highlighted = -1;
    int32_t openedFrom = -1;  // the entry whose submenu is the next level
};

std::unique_ptr<PopupMenu> PopupMenu::open(Connection& connection, ConnectionClient& owner, COptionMenu* menu, int x,
                                           int y) {
    Display* display = connection.display();
    if (!display || !menu || menu->getNbEntries() == 0)
        return nullptr;
    std::unique_ptr<PopupMenu> popup(new PopupMenu(connection, owner));
    if (!popup->openLevel(menu, x, y))
        return nullptr;
    // Everything goes to the top level's window (owner_events off), so a
    // press anywhere else, even on the frame, is seen and cancels the menu.
    const Window grabWindow = popup->levels_.front()->window;
    popup->grabbed_ = XGrabPointer(display, grabWindow, False, ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                                   GrabModeAsync, GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
    XGrabKeyboard(display, grabWindow, False, GrabModeAsync, GrabModeAsync, CurrentTime);
    return popup;
}

PopupMenu::PopupMenu(Connection& connection, ConnectionClient& owner) : connection_(connection), owner_(owner) {}

PopupMenu::~PopupMenu() {
    if (Display* display = connection_.display()) {
        XUngrabPointer(display, CurrentTime);
        XUngrabKeyboard(display, CurrentTime);
    }
    closeLevelsAfter(0);
    if (!levels_.empty()) {
        Level& level = *levels_.front();
        level.canvas.detach();
        if (level.window) {
            connection_.unroute(level.window);
            if (Display* display = connection_.display())
                XDestroyWindow(display, level.window);
        }
        level.menu->forget();
        levels_.clear();
    }
}

COptionMenu* PopupMenu::root() const {
    return levels_.empty() ? nullptr : levels_.front()->menu;
}

bool PopupMenu::ownsWindow(Window window) const {
    for (const auto& level : levels_) {
        if (level->window == window)
            return true;
    }
    return false;
}

void PopupMenu::forgetWindows() {
    for (auto& level : levels_) {
        level->canvas.detach();
        level->window = 0;
    }
    grabbed_ = false;
}

Window PopupMenu::levelWindow(size_t level) const {
    return level < levels_.size() ? levels_[level]->window : 0;
}

CRect PopupMenu::entryRect(size_t level, int32_t index) const {
    if (level >= levels_.size())
        return CRect();
    const Level& l = *levels_[level];
    if (index < 0 || static_cast<size_t>(index) + 1 >= l.rowTop.size())
        return CRect();
    return CRect(l.x + kBorder, l.y + l.rowTop[static_cast<size_t>(index)], l.x + l.width - kBorder,
                 l.y + l.rowTop[static_cast<size_t>(index) + 1]);
}

bool PopupMenu::openLevel(COptionMenu* menu, int x, int y) {
    Display* display = connection_.display();
    if (!display)
        return false;
    auto level = std::make_unique<Level>();
    level->menu = menu;
    menu->remember();
    double widest = 0.0;
    int top = kBorder;
    for (int32_t i = 0; i < menu->getNbEntries(); ++i) {
        const CMenuItem* item = menu->getEntry(i);
        level->rowTop.push_back(top);
        if (item->isSeparator()) {
            top += kSeparatorHeight;
            continue;
        }
        top += kEntryHeight;
        widest = std::max(widest, textWidth(item->getTitle().c_str(), item->isTitle() ? titleFont() : entryFont()));
    }
    level->rowTop.push_back(top);
    level->width =
        std::max(kMinimumWidth, static_cast<int>(std::ceil(widest)) + kCheckColumn + kArrowColumn + 2 * kBorder);
    level->height = top + kBorder;

    const int screenWidth = DisplayWidth(display, DefaultScreen(display));
    const int screenHeight = DisplayHeight(display, DefaultScreen(display));
    level->x = std::max(0, std::min(x, screenWidth - level->width));
    level->y = std::max(0, std::min(y, screenHeight - level->height));

    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.save_under = True;
    attributes.background_pixmap = None;
    attributes.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | KeyPressMask;
    level->window =
        XCreateWindow(display, DefaultRootWindow(display), level->x, level->y, static_cast<unsigned>(level->width),
                      static_cast<unsigned>(level->height), 0, CopyFromParent, InputOutput, CopyFromParent,
                      CWOverrideRedirect | CWSaveUnder | CWBackPixmap | CWEventMask, &attributes);
    Atom type = connection_.netWmWindowTypePopupMenu();
    XChangeProperty(display, level->window, connection_.netWmWindowType(), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&type), 1);
    connection_.route(level->window, &owner_);
    level->canvas.attach(display, level->window, DefaultVisual(display, DefaultScreen(display)), level->width,
                         level->height);
    XMapRaised(display, level->window);
    levels_.push_back(std::move(level));
    return true;
}

void PopupMenu::openSubmenu(size_t level, int32_t index) {
    Level& parent = *levels_[level];
    COptionMenu* submenu = parent.menu->getEntry(index)->getSubmenu();
    closeLevelsAfter(level);
    if (!submenu || submenu->getNbEntries() == 0)
        return;
    const CRect entry = entryRect(level, index);
    if (!openLevel(submenu, parent.x + parent.width - kBorder, static_cast<int>(entry.top) - kBorder))
        return;
    parent.openedFrom = index;
    // No room on the right: open on the left of the parent.
    Level& child = *levels_.back();
    Display* display = connection_.display();
    if (child.x < parent.x + parent.width - kBorder && parent.x - child.width + kBorder >= 0) {
        child.x = parent.x - child.width + kBorder;
        XMoveWindow(display, child.window, child.x, child.y);
    }
}

void PopupMenu::closeLevelsAfter(size_t level) {
    while (levels_.size() > level + 1) {
        Level& last = *levels_.back();
        last.canvas.detach();
        if (last.window) {
            connection_.unroute(last.window);
            if (Display* display = connection_.display())
                XDestroyWindow(display, last.window);
        }
        last.menu->forget();
        levels_.pop_back();
    }
    if (level < levels_.size())
        levels_[level]->openedFrom = -1;
}

bool PopupMenu::hit(int x, int y, size_t& level, int32_t& index) const {
    for (size_t i = levels_.size(); i-- > 0;) {
        const Level& l = *levels_[i];
        if (x < l.x || y < l.y || x >= l.x + l.width || y >= l.y + l.height)
            continue;
        level = i;
        index = -1;
        const int local = y - l.y;
        for (size_t row = 0; row + 1 < l.rowTop.size(); ++row) {
            if (local >= l.rowTop[row] && local < l.rowTop[row + 1])
                index = static_cast<int32_t>(row);
        }
        return true;
    }
    return false;
}

void PopupMenu::setHighlight(size_t level, int32_t index) {
    Level& l = *levels_[level];
    if (l.highlighted == index)
        return;
    l.highlighted = index;
    paint(l);
}

int32_t PopupMenu::nextSelectable(const Level& level, int32_t from, int direction) const {
    const int32_t count = level.menu->getNbEntries();
    int32_t index = from;
    for (int32_t step = 0; step < count; ++step) {
        index = index < 0 ? (direction > 0 ? 0 : count - 1) : (index + direction + count) % count;
        if (isSelectable(level.menu->getEntry(index)))
            return index;
    }
    return -1;
}

PopupMenu::Result PopupMenu::handleEvent(const XEvent& event, COptionMenu*& chosenMenu, int32_t& chosenIndex) {
    if (levels_.empty())
        return Result::Cancelled;
    size_t level = 0;
    int32_t index = -1;
    switch (event.type) {
    case Expose:
        for (auto& l : levels_) {
            if (l->window == event.xexpose.window && event.xexpose.count == 0)
                paint(*l);
        }
        return Result::Open;
    case MotionNotify:
    case ButtonPress:
    case ButtonRelease: {
        const int x = event.type == MotionNotify ? event.xmotion.x_root : event.xbutton.x_root;
        const int y = event.type == MotionNotify ? event.xmotion.y_root : event.xbutton.y_root;
        if (!hit(x, y, level, index))
            return event.type == ButtonPress ? Result::Cancelled : Result::Open;
        const CMenuItem* item = levels_[level]->menu->getEntry(index);
        if (event.type == ButtonRelease) {
            if (!isChoosable(item))
                return Result::Open;
            chosenMenu = levels_[level]->menu;
            chosenIndex = index;
            return Result::Chosen;
        }
        if (levels_[level]->openedFrom != index)
            closeLevelsAfter(level);
        setHighlight(level, isSelectable(item) ? index : -1);
        if (isSelectable(item) && item->getSubmenu() && levels_[level]->openedFrom != index)
            openSubmenu(level, index);
        return Result::Open;
    }
    case KeyPress: {
        XKeyEvent key = event.xkey;
        const KeySym symbol = XLookupKeysym(&key, 0);
        level = levels_.size() - 1;
        Level& deepest = *levels_[level];
        const CMenuItem* item = deepest.menu->getEntry(deepest.highlighted);
        switch (symbol) {
        case XK_Escape: return Result::Cancelled;
        case XK_Up:
        case XK_KP_Up: setHighlight(level, nextSelectable(deepest, deepest.highlighted, -1)); return Result::Open;
        case XK_Down:
        case XK_KP_Down: setHighlight(level, nextSelectable(deepest, deepest.highlighted, 1)); return Result::Open;
        case XK_Left:
        case XK_KP_Left:
            if (level > 0)
                closeLevelsAfter(level - 1);
            return Result::Open;
        case XK_Right:
        case XK_KP_Right:
        case XK_Return:
        case XK_KP_Enter:
            if (isSelectable(item) && item->getSubmenu()) {
                openSubmenu(level, deepest.highlighted);
                if (levels_.size() > level + 1)
                    setHighlight(level + 1, nextSelectable(*levels_.back(), -1, 1));
                return Result::Open;
            }
            if ((symbol == XK_Return || symbol == XK_KP_Enter) && isChoosable(item)) {
                chosenMenu = deepest.menu;
                chosenIndex = deepest.highlighted;
                return Result::Chosen;
            }
            return Result::Open;
        default: return Result::Open;
        }
    }
    default: return Result::Open;
    }
}

void PopupMenu::paint(Level& level) {
    CRect drawn =
        level.canvas.draw(CRect(0, 0, level.width, level.height), [&level](CDrawContext& context, const CRect& area) {
            context.setFillColor(kFrame);
            context.drawRect(area, kDrawFilled);
            context.setFillColor(kBackground);
            context.drawRect(CRect(1, 1, area.right - 1, area.bottom - 1), kDrawFilled);
            for (int32_t i = 0; i < level.menu->getNbEntries(); ++i) {
                const CMenuItem* item = level.menu->getEntry(i);
                const CRect row(kBorder, level.rowTop[static_cast<size_t>(i)], area.right - kBorder,
                                level.rowTop[static_cast<size_t>(i) + 1]);
                if (item->isSeparator()) {
                    const double middle = std::floor((row.top + row.bottom) / 2.0);
                    context.setFillColor(kFrame);
                    context.drawRect(CRect(row.left + 4, middle, row.right - 4, middle + 1), kDrawFilled);
                    continue;
                }
                const bool highlighted = i == level.highlighted;
                if (highlighted) {
                    context.setFillColor(kHighlight);
                    context.drawRect(row, kDrawFilled);
                }
                const CColor color = highlighted         ? kHighlightText
                                     : item->isTitle()   ? kTitleText
                                     : item->isEnabled() ? kText
                                                         : kDisabledText;
                context.setFrameColor(color);
                context.setLineWidth(2.0);
                const double middle = (row.top + row.bottom) / 2.0;
                if (item->isChecked()) {
                    context.moveTo(CPoint(row.left + 5, middle));
                    context.lineTo(CPoint(row.left + 8, middle + 4));
                    context.lineTo(CPoint(row.left + 14, middle - 4));
                }
                if (item->getSubmenu()) {
                    context.moveTo(CPoint(row.right - 11, middle - 4));
                    context.lineTo(CPoint(row.right - 7, middle));
                    context.lineTo(CPoint(row.right - 11, middle + 4));
                }
                context.setFont(item->isTitle() ? &titleFont() : &entryFont());
                context.setFontColor(color);
                context.drawString(item->getTitle().c_str(),
                                   CRect(row.left + kCheckColumn, row.top, row.right - kArrowColumn, row.bottom),
                                   kLeftText);
            }
        });
    level.canvas.present(drawn);
}

}  // namespace X11
}  // namespace VSTGUI
