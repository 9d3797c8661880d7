#include "HRX_AAX_EditorWrapper.h"

#include "AAX_GUITypes.h"
#include "AAX_IViewContainer.h"
#include "HRXKeyState.h"
#include "HRXPresetBarEditor.h"
#include "HRX_AAX_ControllerWrapper.h"
#include "HRXProduct.h"
#include "vstgui/cbuttonstate.h"
#include "x11/X11Platform.h"

#include <cmath>

namespace {

// The toolkit's buttons as the host's modifier bits. Shift is the plug-in's
// own (fine adjustment) and is not passed on.
uint32_t hostModifiers(uint32_t buttons) {
    uint32_t modifiers = AAX_eModifiers_None;
    if (buttons & VSTGUI::kControl)
        modifiers |= AAX_eModifiers_Control;
    if (buttons & VSTGUI::kApple)
        modifiers |= AAX_eModifiers_Command;
    if (buttons & VSTGUI::kAlt)
        modifiers |= AAX_eModifiers_Option;
    if (buttons & VSTGUI::kRButton)
        modifiers |= AAX_eModifiers_SecondaryButton;
    // Control, Alt and Windows held together on the keyboard: the host's
    // combination for its own parameter commands, whatever the click said.
    if (isKeyDown(HRXKey::Control) && isKeyDown(HRXKey::Alt) && isKeyDown(HRXKey::Windows))
        modifiers = AAX_eModifiers_Control | AAX_eModifiers_Option | AAX_eModifiers_Command;
    return modifiers;
}

}  // namespace

HRX_AAX_EditorWrapper::HRX_AAX_EditorWrapper(Brackenworks::HRXEditorFactory createEditor)
    : HRXVSTGUIEditorWrapperV4_PresetBar(createEditor) {
    setFormatName("aax");
}

void HRX_AAX_EditorWrapper::setPresetManager(HRXPresetManager* manager) {
    if (manager == presetManager_ && getPresetBar())
        return;
    presetManager_ = manager;
    setPresetBar(new HRXPresetBarEditor(manager));
}

bool HRX_AAX_EditorWrapper::openInHostWindow(void* parentWindow) {
    if (!editor_)
        return false;
    VSTGUI::X11::registerPlatform();
    return open(parentWindow, VSTGUI::PlatformType::kX11Window);
}

void HRX_AAX_EditorWrapper::constrainSize(VSTGUI::CRect& proposal) const {
    const double width = proposal.getWidth();
    const double height = proposal.getHeight();
    const double clampedWidth = std::fmin(std::fmax(width, getMinimumWidth()), getMaximumWidth());
    const double clampedHeight = std::fmin(std::fmax(height, getMinimumHeight()), getMaximumHeight());
    if (clampedWidth == width && clampedHeight == height)
        return;
    proposal.right = proposal.left + std::trunc(clampedWidth);
    proposal.bottom = proposal.top + std::trunc(clampedHeight);
}

void HRX_AAX_EditorWrapper::editParameter(int32_t index, double value) {
    if (controller_)
        controller_->editParameter(index, value);
}

int32_t HRX_AAX_EditorWrapper::controlClicked(int32_t tag, uint32_t buttons) {
    const auto flags = static_cast<int32_t>(product().getParameterFlags(tag));
    if (!(flags & kFlagHostParameter) || !viewContainer_)
        return flags;
    return viewContainer_->HandleParameterMouseDown(product().parameterIds[tag], hostModifiers(buttons));
}

void HRX_AAX_EditorWrapper::setEditorSize(int32_t width, int32_t height) {
    HRXVSTGUIEditorWrapperV4_PresetBar::setEditorSize(width, height);
    const HRXRect frameRect = getFrameRect();
    viewRect_[0] = frameRect.left;
    viewRect_[1] = frameRect.top;
    viewRect_[2] = frameRect.right;
    viewRect_[3] = frameRect.bottom;
    if (viewContainer_) {
        AAX_Point size;
        size.vert = static_cast<float>(viewRect_[3] - viewRect_[1]);
        size.horz = static_cast<float>(viewRect_[2] - viewRect_[0]);
        viewContainer_->SetViewSize(size);
    }
}

void HRX_AAX_EditorWrapper::notifyEditor(int32_t index, double value) {
    HRXVSTGUIEditorWrapperV4_PresetBar::notifyEditor(index, value);
}
