#include "HRXVSTGUIEditorWrapperV4_PresetBar.h"

#include "CHRXViewContainerWrapper.h"
#include "HRXBaseEditor.h"
#include "HRXFrame.h"
#include "HRXGlobalSettings.h"

namespace Brackenworks {

HRXVSTGUIEditorWrapperV4_PresetBar::HRXVSTGUIEditorWrapperV4_PresetBar(HRXEditorFactory createEditor)
    : HRXVSTGUIEditorWrapperV2(createEditor), zoom_(HRXGlobalSettings::zoomPercent() * 0.01) {}

HRXVSTGUIEditorWrapperV4_PresetBar::~HRXVSTGUIEditorWrapperV4_PresetBar() {
    HRXVSTGUIEditorWrapperV4_PresetBar::close();
    delete presetBar_;
}

bool HRXVSTGUIEditorWrapperV4_PresetBar::open(void* parent, VSTGUI::PlatformType platform) {
    if (!HRXVSTGUIEditorWrapperV2::open(parent, platform))
        return false;
    // The strip is opaque: the panel's background bitmap, which the frame
    // shows from its top, stays below it.
    const double width = editor_->getRect().width();
    strip_ = new CHRXViewContainer(VSTGUI::CRect(0, 0, width, kPresetBarHeight));
    strip_->setBackgroundColor(VSTGUI::CColor(kFrameBackground, kFrameBackground, kFrameBackground, 255));
    strip_->setPresetBarContainer(true);
    frame_->addView(strip_);
    openPresetBar();
    applyZoom(zoom_);
    return true;
}

void HRXVSTGUIEditorWrapperV4_PresetBar::close() {
    closePresetBar();
    strip_ = nullptr;  // released with the frame
    HRXVSTGUIEditorWrapperV2::close();
}

void HRXVSTGUIEditorWrapperV4_PresetBar::openPresetBar() {
    if (!presetBar_ || !frame_ || presetBarOpen_)
        return;
    presetBarOpen_ = true;
    const HRXRect& rect = editor_->getRect();
    presetBar_->open(this, rect.width(), rect.height());
}

// Before the frame goes: the bar forgets its views, and whatever their
// teardown reports no longer reaches it.
void HRXVSTGUIEditorWrapperV4_PresetBar::closePresetBar() {
    if (!presetBarOpen_)
        return;
    presetBarOpen_ = false;
    presetBar_->close();
}

void HRXVSTGUIEditorWrapperV4_PresetBar::setPresetBar(HRXMasterPresetBar* bar) {
    if (bar == presetBar_)
        return;
    closePresetBar();
    delete presetBar_;
    presetBar_ = bar;
    openPresetBar();
}

void HRXVSTGUIEditorWrapperV4_PresetBar::setEditorSize(int32_t width, int32_t height) {
    HRXVSTGUIEditorWrapperV2::setEditorSize(width, height);
    if (strip_ && frame_)
        strip_->setViewSize(VSTGUI::CRect(0, 0, width, kPresetBarHeight));
    if (presetBarOpen_)
        presetBar_->setEditorSize(width, height);
}

void HRXVSTGUIEditorWrapperV4_PresetBar::notifyEditor(int32_t index, double value) {
    HRXVSTGUIEditorWrapperV2::notifyEditor(index, value);
    if (presetBarOpen_)
        presetBar_->notify(index, value);
}

void HRXVSTGUIEditorWrapperV4_PresetBar::idle() {
    HRXVSTGUIEditorWrapperV2::idle();
    if (presetBarOpen_)
        presetBar_->idle();
}

void HRXVSTGUIEditorWrapperV4_PresetBar::applyZoom(double factor) {
    if (factor == 0.0)
        return;
    zoom_ = HRXGlobalSettings::limitZoomFactor(factor);
    HRXFrame* hrxFrame = getHRXFrame();
    if (!hrxFrame || !editor_)
        return;
    hrxFrame->setZoomFactor(zoom_);
    const HRXRect& rect = editor_->getRect();
    setEditorSize(static_cast<int32_t>(rect.width()), static_cast<int32_t>(rect.height()));
}

HRXViewContainer* HRXVSTGUIEditorWrapperV4_PresetBar::createPresetBarContainer(const HRXRect& rect) {
    auto* handle = new CHRXViewContainerWrapper(rect, &barListener_, nullptr);
    handle->getContainer()->setPresetBarContainer(true);
    return handle;
}

void HRXVSTGUIEditorWrapperV4_PresetBar::setModalContainer(HRXViewContainer* container) {
    if (frame_)
        frame_->setModalView(container ? static_cast<CHRXViewContainerWrapper*>(container)->getContainer() : nullptr);
}

void HRXVSTGUIEditorWrapperV4_PresetBar::BarListener::valueChanged(VSTGUI::CControl* control) {
    if (owner_.presetBarOpen_)
        owner_.presetBar_->controlChanged(control->getTag(), control->getValue());
}

}  // namespace Brackenworks
