#include "HRX_LV2_EditorWrapper.h"

#include "HRXFrame.h"
#include "HRX_AAX_ControllerWrapper.h"
#include "x11/X11Frame.h"
#include "x11/X11Platform.h"

#include <cstdint>

HRX_LV2_EditorWrapper::HRX_LV2_EditorWrapper(Brackenworks::HRXEditorFactory createEditor)
    : HRXVSTGUIEditorWrapperV4_PresetBar(createEditor) {}

void HRX_LV2_EditorWrapper::setSizeListener(SizeListener listener, void* context) {
    sizeListener_ = listener;
    sizeContext_ = context;
}

bool HRX_LV2_EditorWrapper::openInHostWindow(unsigned long parentWindow) {
    if (!editor_)
        return false;
    VSTGUI::X11::registerPlatform();
    return open(reinterpret_cast<void*>(static_cast<uintptr_t>(parentWindow)), VSTGUI::PlatformType::kX11Window);
}

unsigned long HRX_LV2_EditorWrapper::nativeWindow() const {
    const VSTGUI::X11::X11PlatformFrame* platform = VSTGUI::X11::X11PlatformFrame::of(getHRXFrame());
    return platform && platform->getDisplay() ? platform->getWindow() : 0;
}

void HRX_LV2_EditorWrapper::editParameter(int32_t index, double value) {
    if (controller_)
        controller_->editParameter(index, value);
}

void HRX_LV2_EditorWrapper::setEditorSize(int32_t width, int32_t height) {
    HRXVSTGUIEditorWrapperV4_PresetBar::setEditorSize(width, height);
    if (!sizeListener_ || !isOpen())
        return;
    const HRXRect frameRect = getFrameRect();
    sizeListener_(sizeContext_, static_cast<int32_t>(frameRect.width()), static_cast<int32_t>(frameRect.height()));
}

void HRX_LV2_EditorWrapper::notifyEditor(int32_t index, double value) {
    HRXVSTGUIEditorWrapperV4_PresetBar::notifyEditor(index, value);
}
