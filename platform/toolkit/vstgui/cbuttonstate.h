#pragma once

#include <cstdint>

namespace VSTGUI {

// Mouse button and modifier bits, as the controls test them.
enum CButton : int32_t {
    kLButton = 1 << 1,
    kMButton = 1 << 2,
    kRButton = 1 << 3,
    kShift = 1 << 4,
    kControl = 1 << 5,
    kAlt = 1 << 6,
    kApple = 1 << 7,
    kButton4 = 1 << 8,
    kButton5 = 1 << 9,
    kDoubleClick = 1 << 10,
};

class CButtonState {
public:
    CButtonState(int32_t state = 0) : state_(state) {}
    int32_t getButtonState() const { return state_; }
    operator int32_t() const { return state_; }
    bool isLeftButton() const { return (state_ & kLButton) != 0; }
    bool isRightButton() const { return (state_ & kRButton) != 0; }
    bool isDoubleClick() const { return (state_ & kDoubleClick) != 0; }
    int32_t getModifierState() const { return state_ & (kShift | kControl | kAlt | kApple); }
    CButtonState& operator|=(int32_t bits) {
        state_ |= bits;
        return *this;
    }

private:
    int32_t state_;
};

enum CMouseEventResult : int32_t {
    kMouseEventNotImplemented = 0,
    kMouseEventHandled = 1,
    kMouseEventNotHandled = 2,
    kMouseDownEventHandledButDontNeedMovedOrUpEvents = 3,
    kMouseMoveEventHandledButDontNeedMoreEvents = 4,
};

// Modifier bits of a key event.
enum VstModifierKey : uint8_t {
    MODIFIER_SHIFT = 1 << 0,
    MODIFIER_ALTERNATE = 1 << 1,
    MODIFIER_COMMAND = 1 << 2,
    MODIFIER_CONTROL = 1 << 3,
};

// Virtual key codes used by the kit; 0 means a character key.
enum VstVirtualKey : uint8_t {
    VKEY_BACK = 1,
    VKEY_TAB = 2,
    VKEY_RETURN = 4,
    VKEY_ESCAPE = 10,
    VKEY_LEFT = 14,
    VKEY_RIGHT = 16,
    VKEY_DELETE = 22,
    VKEY_SHIFT = 54,
    VKEY_CONTROL = 55,
    VKEY_ALT = 56,
};

struct VstKeyCode {
    int32_t character = 0;  // Unicode code point for character keys
    uint8_t virt = 0;       // VstVirtualKey, 0 for character keys
    uint8_t modifier = 0;   // VstModifierKey bits
};

}  // namespace VSTGUI
