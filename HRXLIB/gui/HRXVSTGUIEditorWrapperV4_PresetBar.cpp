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
    applyZoom(zoom);
    return true;
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
