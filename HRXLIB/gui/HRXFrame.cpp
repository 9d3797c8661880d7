#include "HRXFrame.h"

#include "HRXGlobalSettings.h"

namespace Brackenworks {

HRXFrame::HRXFrame(const VSTGUI::CRect& size, VSTGUI::VSTGUIEditorInterface* editor)
    : VSTGUI::CFrame(size, editor), unzoomedSize_(0, 0, size.getWidth(), size.getHeight()) {}

bool HRXFrame::setZoomFactor(double zoom) {
    if (zoom == 0.0)
        return false;
    zoomFactor_ = HRXGlobalSettings::limitZoomFactor(zoom);
    setTransform(VSTGUI::CGraphicsTransform::scale(zoomFactor_, zoomFactor_));
    setSize(unzoomedSize_.getWidth() * zoomFactor_, unzoomedSize_.getHeight() * zoomFactor_);
    return true;
}

void HRXFrame::setUnzoomedSize(VSTGUI::CCoord width, VSTGUI::CCoord height) {
    unzoomedSize_ = VSTGUI::CRect(0, 0, width, height);
}

VSTGUI::CMouseEventResult HRXFrame::onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) {
    lastMouseButtons_ = buttons.getButtonState();
    mouseInside_ = true;
    return VSTGUI::CFrame::onMouseDown(where, buttons);
}

VSTGUI::CMouseEventResult HRXFrame::onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) {
    lastMouseButtons_ = buttons.getButtonState();
    mouseInside_ = true;
    return VSTGUI::CFrame::onMouseMoved(where, buttons);
}

VSTGUI::CMouseEventResult HRXFrame::onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) {
    lastMouseButtons_ = 0;
    mouseInside_ = true;
    const VSTGUI::CMouseEventResult result = VSTGUI::CFrame::onMouseUp(where, buttons);
    refreshViewsUnderMouse(where, buttons);
    return result;
}

VSTGUI::CMouseEventResult HRXFrame::onMouseExited(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) {
    lastMouseButtons_ = 0;
    mouseInside_ = false;
    return VSTGUI::CFrame::onMouseExited(where, buttons);
}

bool HRXFrame::onWheel(const VSTGUI::CPoint& where, const float& distance, const VSTGUI::CButtonState& buttons) {
    const bool used = VSTGUI::CFrame::onWheel(where, distance, buttons);
    refreshViewsUnderMouse(where, buttons);
    return used;
}

int32_t HRXFrame::onKeyDown(VSTGUI::VstKeyCode& key) {
    switch (key.virt) {
    case VSTGUI::VKEY_SHIFT: pressedModifierKey_ = kShiftKey; break;
    case VSTGUI::VKEY_CONTROL: pressedModifierKey_ = kControlKey; break;
    case VSTGUI::VKEY_ALT: pressedModifierKey_ = kAltKey; break;
    default: pressedModifierKey_ = 0; break;
    }
    return VSTGUI::CFrame::onKeyDown(key);
}

int32_t HRXFrame::onKeyUp(VSTGUI::VstKeyCode& key) {
    pressedModifierKey_ = 0;
    return VSTGUI::CFrame::onKeyUp(key);
}

void HRXFrame::refreshViewsUnderMouse(const VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) {
    VSTGUI::CPoint point = where;
    VSTGUI::CFrame::onMouseMoved(point, VSTGUI::CButtonState(buttons.getModifierState()));
}

}  // namespace Brackenworks
