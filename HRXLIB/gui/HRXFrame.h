#pragma once

#include "vstgui/cframe.h"

namespace Brackenworks {

// The editor window's frame: the toolkit frame plus the zoom limits and the
// mouse and key state the hover help reads between events.
class HRXFrame : public VSTGUI::CFrame {
public:
    // Modifier key last pressed (0 after a key-up or any other key).
    static constexpr int32_t kShiftKey = 16;
    static constexpr int32_t kControlKey = 32;
    static constexpr int32_t kAltKey = 64;

    HRXFrame(const VSTGUI::CRect& size, VSTGUI::VSTGUIEditorInterface* editor);

    // Refuses 0; 0.01 or less means 1.0; then limited to 0.7 .. 4.0. The
    // window becomes the unzoomed size times the factor.
    bool setZoomFactor(double zoom);
    double getZoomFactor() const { return zoomFactor_; }
    // The size in logical units that the zoom scales.
    void setUnzoomedSize(VSTGUI::CCoord width, VSTGUI::CCoord height);
    const VSTGUI::CRect& getUnzoomedSize() const { return unzoomedSize_; }

    int32_t getPressedModifierKey() const { return pressedModifierKey_; }
    int32_t getLastMouseButtons() const { return lastMouseButtons_; }
    bool isMouseInside() const { return mouseInside_; }

    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    bool onWheel(const VSTGUI::CPoint& where, const float& distance, const VSTGUI::CButtonState& buttons) override;
    int32_t onKeyDown(VSTGUI::VstKeyCode& key) override;
    int32_t onKeyUp(VSTGUI::VstKeyCode& key) override;

private:
    // Lets the views under the mouse update their hover state after a
    // release or a wheel turn, with no button held.
    void refreshViewsUnderMouse(const VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons);

    VSTGUI::CRect unzoomedSize_;
    double zoomFactor_ = 1.0;
    int32_t pressedModifierKey_ = 0;
    int32_t lastMouseButtons_ = 0;
    bool mouseInside_ = false;
};

}  // namespace Brackenworks
