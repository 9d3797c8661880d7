#include "HRXVSTGUIEditorWrapperV4_PresetBar.h"

#include "CHRXViewContainerWrapper.h"
#include "HRXBaseEditor.h"
#include "HRXFrame.h"
#include "HRXGlobalSettings.h"

namespace Brackenworks {

HRXVSTGUIEditorWrapperV4_PresetBar::HRXVSTGUIEditorWrapperV4_PresetBar(HRXEditorFactory createEditor)
    : HRXVSTGUIEditorWrapperV2(createEditor), zoom(HRXGlobalSettings::zoomPercent() * 0.01)
{
}

HRXVSTGUIEditorWrapperV4_PresetBar::~HRXVSTGUIEditorWrapperV4_PresetBar()
{
    HRXVSTGUIEditorWrapperV4_PresetBar::close();
    delete presetBar;
}

bool HRXVSTGUIEditorWrapperV4_PresetBar::open(void* parent, VSTGUI::PlatformType platform)
{
    if (!HRXVSTGUIEditorWrapperV2::open(parent, platform))
        return false;
    // The strip is opaque: the panel's background bitmap, which the frame
    // shows from its top, stays below it.
    const double width = editor->getRect().width();
    strip = new CHRXViewContainer(VSTGUI::CRect(0, 0, width, kPresetBarHeight));
    strip->setBackgroundColor(VSTGUI::CColor(kFrameBackground, kFrameBackground, kFrameBackground, 255));
    strip->setPresetBarContainer(true);
    frame->addView(strip);
    openPresetBar();
    applyZoom(zoom);
    return true;
}

void HRXVSTGUIEditorWrapperV4_PresetBar::close()
{
    closePresetBar();
    strip = nullptr;  // released with the frame
    HRXVSTGUIEditorWrapperV2::close();
}

void HRXVSTGUIEditorWrapperV4_PresetBar::openPresetBar()
{
    if (!presetBar || !frame || presetBarOpen)
        return;
    presetBarOpen = true;
    const HRXRect& rect = editor->getRect();
    presetBar->open(this, rect.width(), rect.height());
}

// Before the frame goes: the bar forgets its views, and whatever their
// teardown reports no longer reaches it.
void HRXVSTGUIEditorWrapperV4_PresetBar::closePresetBar()
{
    if (!presetBarOpen)
        return;
    presetBarOpen = false;
    presetBar->close();
}

void HRXVSTGUIEditorWrapperV4_PresetBar::setPresetBar(HRXMasterPresetBar* bar)
{
    if (bar == presetBar)
        return;
    closePresetBar();
    delete presetBar;
    presetBar = bar;
    openPresetBar();
}

void HRXVSTGUIEditorWrapperV4_PresetBar::setEditorSize(int32_t width, int32_t height)
{
    HRXVSTGUIEditorWrapperV2::setEditorSize(width, height);
    if (strip && frame)
        strip->setViewSize(VSTGUI::CRect(0, 0, width, kPresetBarHeight));
    if (presetBarOpen)
        presetBar->setEditorSize(width, height);
}

void HRXVSTGUIEditorWrapperV4_PresetBar::notifyEditor(int32_t index, double value)
{
    HRXVSTGUIEditorWrapperV2::notifyEditor(index, value);
    if (presetBarOpen)
        presetBar->notify(index, value);
}

void HRXVSTGUIEditorWrapperV4_PresetBar::idle()
{
    HRXVSTGUIEditorWrapperV2::idle();
    if (presetBarOpen)
        presetBar->idle();
}

void HRXVSTGUIEditorWrapperV4_PresetBar::applyZoom(double factor)
{
    if (factor == 0.0)
        return;
    zoom = HRXGlobalSettings::limitZoomFactor(factor);
    HRXFrame* hrxFrame = getHRXFrame();
    if (!hrxFrame || !editor)
        return;
    hrxFrame->setZoomFactor(zoom);
    const HRXRect& rect = editor->getRect();
    setEditorSize(static_cast<int32_t>(rect.width()), static_cast<int32_t>(rect.height()));
}

HRXViewContainer* HRXVSTGUIEditorWrapperV4_PresetBar::createPresetBarContainer(const HRXRect& rect)
{
    auto* handle = new CHRXViewContainerWrapper(rect, &barListener, nullptr);
    handle->getContainer()->setPresetBarContainer(true);
    return handle;
}

void HRXVSTGUIEditorWrapperV4_PresetBar::setModalContainer(HRXViewContainer* container)
{
    if (frame)
        frame->setModalView(container ? static_cast<CHRXViewContainerWrapper*>(container)->getContainer() : nullptr);
}

void HRXVSTGUIEditorWrapperV4_PresetBar::BarListener::valueChanged(VSTGUI::CControl* control)
{
    if (owner.presetBarOpen)
        owner.presetBar->controlChanged(control->getTag(), control->getValue());
}

}  // namespace Brackenworks
