#include "HRXHoverHelp.h"

#include "HRXBaseControl.h"
#include "vstgui/cframe.h"

#include <cmath>

namespace Brackenworks {

namespace {

constexpr VSTGUI::CCoord kAnchorWidth = 25.0;
constexpr VSTGUI::CCoord kAnchorHeight = 15.0;

// The view's tooltip attribute; false when it has none.
bool readTooltip(const VSTGUI::CView& view, char (&text)[HRXBaseControl::kTooltipSize]) {
    uint32_t size = 0;
    if (!view.getAttribute(VSTGUI::kCViewTooltipAttribute, sizeof text - 1, text, size) || size == 0)
        return false;
    text[size < sizeof text ? size : sizeof text - 1] = '\0';
    return text[0] != '\0';
}

}  // namespace

void HRXHoverHelp::hide(VSTGUI::CFrame& frame) {
    if (shown_)
        frame.hideTooltip();
    shown_ = false;
    ticks_ = 0;
}

void HRXHoverHelp::forget() {
    shown_ = false;
    ticks_ = 0;
    lastView_ = nullptr;
}

void HRXHoverHelp::tick(VSTGUI::CFrame& frame, bool hintsOn, bool mouseInside, const VSTGUI::CPoint& mouse,
                        int32_t buttons) {
    if (!hintsOn || !mouseInside) {
        hide(frame);
        lastView_ = nullptr;
        return;
    }
    const VSTGUI::CView* view = frame.getViewAt(mouse, true);
    const int32_t held = buttons & kMouseButtonMask;
    const bool resting = held != VSTGUI::kLButton && held != VSTGUI::kRButton &&
                         std::fabs(mouse.x - lastMouse_.x) <= 1.0 && std::fabs(mouse.y - lastMouse_.y) <= 1.0 &&
                         view == lastView_;
    if (resting) {
        if (!shown_ && ++ticks_ >= delay_ && view) {
            char text[HRXBaseControl::kTooltipSize];
            if (readTooltip(*view, text)) {
                const VSTGUI::CRect anchor(mouse.x, mouse.y, mouse.x + kAnchorWidth, mouse.y + kAnchorHeight);
                frame.showTooltip(frame.getTransform().transform(anchor), text);
                shown_ = true;
            }
        }
    } else {
        hide(frame);
    }
    lastView_ = view;
    lastMouse_ = mouse;
}

}  // namespace Brackenworks
