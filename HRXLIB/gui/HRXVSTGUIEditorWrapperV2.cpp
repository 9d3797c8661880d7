#include "HRXVSTGUIEditorWrapperV2.h"

#include "HRXBaseEditor.h"
#include "IdleUpdate_HRX_Handler.h"
#include "vstgui/cframe.h"
#include "vstgui/cvstguitimer.h"

#include <algorithm>

namespace Brackenworks {

HRXVSTGUIEditorWrapperV2::HRXVSTGUIEditorWrapperV2(HRXEditorFactory createEditor)
    : HRXVSTGUIEditorWrapperV1(createEditor) {
    timer_->setFireTime(kTimerPeriod);
    IdleUpdate_HRX_Handler::instance();
    const HRXRect rect = editor_ ? editor_->getRect() : HRXRect{};
    frameRight_ = static_cast<int32_t>(rect.width());
    frameBottom_ = static_cast<int32_t>(rect.height()) + kPresetBarHeight;
    minimumWidth_ = maximumWidth_ = rect.width();
    minimumHeight_ = maximumHeight_ = rect.height() + kPresetBarHeight;
}

HRXVSTGUIEditorWrapperV2::~HRXVSTGUIEditorWrapperV2() {
    HRXVSTGUIEditorWrapperV2::close();
}

bool HRXVSTGUIEditorWrapperV2::open(void* parent, VSTGUI::PlatformType platform) {
    if (!HRXVSTGUIEditorWrapperV1::open(parent, platform))
        return false;
    updateFrameRect();
    IdleUpdate_HRX_Handler::openEditors().push_back(this);
    return true;
}

void HRXVSTGUIEditorWrapperV2::close() {
    auto& editors = IdleUpdate_HRX_Handler::openEditors();
    editors.erase(std::remove(editors.begin(), editors.end(), this), editors.end());
    HRXVSTGUIEditorWrapperV1::close();
}

void HRXVSTGUIEditorWrapperV2::setEditorSize(int32_t width, int32_t height) {
    HRXVSTGUIEditorWrapperV1::setEditorSize(width, height);
    updateFrameRect();
}

HRXRect HRXVSTGUIEditorWrapperV2::getFrameRect() const {
    return {static_cast<double>(frameLeft_), static_cast<double>(frameTop_), static_cast<double>(frameRight_),
            static_cast<double>(frameBottom_)};
}

void HRXVSTGUIEditorWrapperV2::updateFrameRect() {
    if (!frame_)
        return;
    const VSTGUI::CRect& size = frame_->getViewSize();
    frameRight_ = frameLeft_ + static_cast<int32_t>(size.getWidth());
    frameBottom_ = frameTop_ + static_cast<int32_t>(size.getHeight());
}

}  // namespace Brackenworks
