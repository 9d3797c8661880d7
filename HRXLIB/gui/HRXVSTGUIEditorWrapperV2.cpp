#include "HRXVSTGUIEditorWrapperV2.h"

#include "HRXBaseEditor.h"
#include "IdleUpdate_HRX_Handler.h"
#include "vstgui/cframe.h"
#include "vstgui/cvstguitimer.h"

#include <algorithm>

namespace Brackenworks {

HRXVSTGUIEditorWrapperV2::HRXVSTGUIEditorWrapperV2(HRXEditorFactory createEditor)
    : HRXVSTGUIEditorWrapperV1(createEditor)
{
    timer->setFireTime(kTimerPeriod);
    IdleUpdate_HRX_Handler::instance();
    const HRXRect rect = editor ? editor->getRect() : HRXRect{};
    frameRight = static_cast<int32_t>(rect.width());
    frameBottom = static_cast<int32_t>(rect.height()) + kPresetBarHeight;
    minimumWidth = maximumWidth = rect.width();
    minimumHeight = maximumHeight = rect.height() + kPresetBarHeight;
}

HRXVSTGUIEditorWrapperV2::~HRXVSTGUIEditorWrapperV2() { HRXVSTGUIEditorWrapperV2::close(); }

bool HRXVSTGUIEditorWrapperV2::open(void* parent, VSTGUI::PlatformType platform)
{
    if (!HRXVSTGUIEditorWrapperV1::open(parent, platform))
        return false;
    updateFrameRect();
    IdleUpdate_HRX_Handler::openEditors().push_back(this);
    return true;
}

void HRXVSTGUIEditorWrapperV2::close()
{
    auto& editors = IdleUpdate_HRX_Handler::openEditors();
    editors.erase(std::remove(editors.begin(), editors.end(), this), editors.end());
    HRXVSTGUIEditorWrapperV1::close();
}

void HRXVSTGUIEditorWrapperV2::setEditorSize(int32_t width, int32_t height)
{
    HRXVSTGUIEditorWrapperV1::setEditorSize(width, height);
    updateFrameRect();
}

HRXRect HRXVSTGUIEditorWrapperV2::getFrameRect() const
{
    return {static_cast<double>(frameLeft), static_cast<double>(frameTop), static_cast<double>(frameRight),
            static_cast<double>(frameBottom)};
}

void HRXVSTGUIEditorWrapperV2::updateFrameRect()
{
    if (!frame)
        return;
    const VSTGUI::CRect& size = frame->getViewSize();
    frameRight = frameLeft + static_cast<int32_t>(size.getWidth());
    frameBottom = frameTop + static_cast<int32_t>(size.getHeight());
}

}  // namespace Brackenworks
