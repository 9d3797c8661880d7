#pragma once

#include "vstgui/cbuttonstate.h"

#include <X11/Xlib.h>

#include <cstdint>

namespace VSTGUI {
namespace X11 {

// The toolkit's bits for an X modifier and button state mask: Button1-3 give
// the left, middle and right button, Shift, Control, Mod1 (Alt) and Mod4
// (Super, the Windows key) the modifiers.
CButtonState buttonsFromState(unsigned int state);
// The toolkit's bit for a pressed or released X button: 1-3 the three
// buttons, 8 and 9 (back, forward) kButton4 and kButton5; 0 for the wheel
// buttons 4-7 and any other.
int32_t buttonBit(unsigned int button);
// The wheel step of an X wheel button: 4 (up) +1, 5 (down) -1. The toolkit
// has one wheel axis, and horizontal steps fold into it the way the
// toolkit does it on Windows: 6 (left) +1, 7 (right) -1. 0 for other
// buttons.
float wheelDistance(unsigned int button);

// A key event as the toolkit takes it: the kit's virtual key for BackSpace,
// Tab, Return (and keypad Enter), Escape, Left, Right, Delete, Shift,
// Control and Alt; otherwise the Unicode character of the key symbol (0 when
// it has none). Modifiers: Shift, Alt (Mod1), Control, Command (Mod4).
VstKeyCode keyCodeFromEvent(XKeyEvent& event);
VstKeyCode keyCodeFromKeysym(unsigned long keysym, unsigned int state);

// Tells double clicks: a press of the same button within 400 ms (the X
// toolkits' multi-click time) and 4 pixels of the previous press completes
// a double click; the press after it starts a new pair.
class ClickCounter {
public:
    static constexpr uint32_t kMultiClickMs = 400;
    static constexpr int kMultiClickDistance = 4;

    // True when this press is the second of a double click.
    bool press(unsigned int button, Time time, int x, int y);

private:
    bool pending_ = false;
    unsigned int button_ = 0;
    uint32_t time_ = 0;
    int x_ = 0;
    int y_ = 0;
};

}  // namespace X11
}  // namespace VSTGUI
