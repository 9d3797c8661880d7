#include "X11Input.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <cstdlib>

namespace VSTGUI {
namespace X11 {

CButtonState buttonsFromState(unsigned int state) {
    int32_t bits = 0;
    if (state & Button1Mask)
        bits |= kLButton;
    if (state & Button2Mask)
        bits |= kMButton;
    if (state & Button3Mask)
        bits |= kRButton;
    if (state & ShiftMask)
        bits |= kShift;
    if (state & ControlMask)
        bits |= kControl;
    if (state & Mod1Mask)
        bits |= kAlt;
    if (state & Mod4Mask)
        bits |= kApple;
    return CButtonState(bits);
}

int32_t buttonBit(unsigned int button) {
    switch (button) {
    case 1: return kLButton;
    case 2: return kMButton;
    case 3: return kRButton;
    case 8: return kButton4;
    case 9: return kButton5;
    default: return 0;
    }
}

float wheelDistance(unsigned int button) {
    switch (button) {
    case 4:
    case 6: return 1.0f;
    case 5:
    case 7: return -1.0f;
    default: return 0.0f;
    }
}

namespace {

uint8_t virtualKey(unsigned long keysym) {
    switch (keysym) {
    case XK_BackSpace: return VKEY_BACK;
    case XK_Tab:
    case XK_ISO_Left_Tab: return VKEY_TAB;
    case XK_Return:
    case XK_KP_Enter: return VKEY_RETURN;
    case XK_Escape: return VKEY_ESCAPE;
    case XK_Left:
    case XK_KP_Left: return VKEY_LEFT;
    case XK_Right:
    case XK_KP_Right: return VKEY_RIGHT;
    case XK_Delete:
    case XK_KP_Delete: return VKEY_DELETE;
    case XK_Shift_L:
    case XK_Shift_R: return VKEY_SHIFT;
    case XK_Control_L:
    case XK_Control_R: return VKEY_CONTROL;
    case XK_Alt_L:
    case XK_Alt_R:
    case XK_Meta_L:
    case XK_Meta_R: return VKEY_ALT;
    default: return 0;
    }
}

// Latin-1 key symbols are their code points; others carry the code point
// with the 0x01000000 flag.
int32_t characterOf(unsigned long keysym) {
    if ((keysym >= 0x20 && keysym <= 0x7e) || (keysym >= 0xa0 && keysym <= 0xff))
        return static_cast<int32_t>(keysym);
    if ((keysym & 0xff000000ul) == 0x01000000ul)
        return static_cast<int32_t>(keysym & 0x00fffffful);
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
        return static_cast<int32_t>('0' + (keysym - XK_KP_0));
    return 0;
}

}  // namespace

VstKeyCode keyCodeFromKeysym(unsigned long keysym, unsigned int state) {
    VstKeyCode key;
    key.virt = virtualKey(keysym);
    if (key.virt == 0)
        key.character = characterOf(keysym);
    if (state & ShiftMask)
        key.modifier |= MODIFIER_SHIFT;
    if (state & Mod1Mask)
        key.modifier |= MODIFIER_ALTERNATE;
    if (state & ControlMask)
        key.modifier |= MODIFIER_CONTROL;
    if (state & Mod4Mask)
        key.modifier |= MODIFIER_COMMAND;
    return key;
}

VstKeyCode keyCodeFromEvent(XKeyEvent& event) {
    // XLookupString applies Shift and Lock to find the symbol; the
    // character comes from the symbol, so Control+letter stays the letter.
    char text[8];
    KeySym keysym = NoSymbol;
    XLookupString(&event, text, sizeof(text), &keysym, nullptr);
    return keyCodeFromKeysym(keysym, event.state);
}

bool ClickCounter::press(unsigned int button, Time time, int x, int y) {
    const auto now = static_cast<uint32_t>(time);
    const bool isDouble = pending_ && button == button_ && now - time_ <= kMultiClickMs &&
                          std::abs(x - x_) <= kMultiClickDistance && std::abs(y - y_) <= kMultiClickDistance;
    pending_ = !isDouble;
    button_ = button;
    time_ = now;
    x_ = x;
    y_ = y;
    return isDouble;
}

}  // namespace X11
}  // namespace VSTGUI
