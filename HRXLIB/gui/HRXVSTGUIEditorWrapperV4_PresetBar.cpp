#include "HRXVSTGUIEditorWrapperV4_PresetBar.h"

#include "HRXBaseEditor.h"
#include "HRXFrame.h"
#include "HRXGlobalSettings.h"

namespace Brackenworks {

HRXVSTGUIEditorWrapperV4_PresetBar::HRXVSTGUIEditorWrapperV4_PresetBar(HRXEditorFactory createEditor)
    : HRXVSTGUIEditorWrapperV2(createEditor), zoom(HRXGlobalSettings::zoomPercent() * 0.01)
{
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
    applyZoom(zoom);
    return true;
}

void HRXVSTGUIEditorWrapperV4_PresetBar::close()
{
    strip = nullptr;  // released with the frame
    HRXVSTGUIEditorWrapperV2::close();
}

void HRXVSTGUIEditorWrapperV4_PresetBar::setEditorSize(int32_t width, int32_t height)
{
    HRXVSTGUIEditorWrapperV2::setEditorSize(width, height);
    if (strip && frame)
        strip->setViewSize(VSTGUI::CRect(0, 0, width, kPresetBarHeight));
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

}  // namespace Brackenworks
