#pragma once

#include "vstgui/cgeometry.h"

#include <cstdint>

namespace VSTGUI {
class CFrame;
class CView;
}  // namespace VSTGUI

namespace Brackenworks {

// Hover help: a view's tooltip appears once the mouse has rested on it for a
// number of idle ticks, and goes as soon as the mouse moves more than one
// unit, leaves the view or the frame, a single button is held, or hints are
// switched off.
class HRXHoverHelp {
public:
    static constexpr int32_t kDefaultDelay = 47;
    // Buttons that count as held: left, middle, right, and the two extra ones.
    static constexpr int32_t kMouseButtonMask = 0x30E;

    // One idle tick. mouse is in logical units; buttons as the toolkit's
    // button state.
    void tick(VSTGUI::CFrame& frame, bool hintsOn, bool mouseInside, const VSTGUI::CPoint& mouse, int32_t buttons);
    // Hides a shown tooltip and starts counting afresh.
    void hide(VSTGUI::CFrame& frame);
    // Forgets everything without touching a frame (the frame has gone).
    void forget();

    bool isShown() const { return shown_; }
    int32_t getTickCount() const { return ticks_; }
    void setDelay(int32_t delayTicks) { delay_ = delayTicks; }

private:
    VSTGUI::CPoint lastMouse_;
    // Compared only, never dereferenced: the view may be gone by the next tick.
    const VSTGUI::CView* lastView_ = nullptr;
    bool shown_ = false;
    int32_t ticks_ = 0;
    int32_t delay_ = kDefaultDelay;
};

}  // namespace Brackenworks
