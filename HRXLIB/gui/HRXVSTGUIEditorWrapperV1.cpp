#include "HRXVSTGUIEditorWrapperV1.h"

#include "CHRXBitmapWrapper.h"
#include "CHRXToolkitResources.h"
#include "CHRXViewContainerWrapper.h"
#include "HRXAnimKnob.h"
#include "HRXBaseEditor.h"
#include "HRXFrame.h"
#include "HRXGlobalSettings.h"
#include "HRXParameterSpace.h"
#include "vstgui/cvstguitimer.h"

#include <cmath>

namespace Brackenworks {

namespace {

CHRXViewContainer* toolkitContainerOf(HRXViewContainer* container) {
    return container ? static_cast<CHRXViewContainerWrapper*>(container)->getContainer() : nullptr;
}

}  // namespace

HRXVSTGUIEditorWrapperV1::HRXVSTGUIEditorWrapperV1(HRXEditorFactory createEditor)
    : editor_(createEditor ? createEditor(this) : nullptr),
      timer_(new VSTGUI::CVSTGUITimer([this](VSTGUI::CVSTGUITimer*) { idle(); }, kInitialTimerPeriod)) {}

HRXVSTGUIEditorWrapperV1::~HRXVSTGUIEditorWrapperV1() {
    timer_->stop();
    timer_->forget();
    HRXVSTGUIEditorWrapperV1::close();
    delete editor_;
}

HRXFrame* HRXVSTGUIEditorWrapperV1::getHRXFrame() const {
    return static_cast<HRXFrame*>(frame_);
}

bool HRXVSTGUIEditorWrapperV1::open(void* parent, VSTGUI::PlatformType platform) {
    if (!editor_ || frame_)
        return false;
    const HRXRect& rect = editor_->getRect();
    const double strip = presetBarHeight();
    auto* newFrame = new HRXFrame(VSTGUI::CRect(rect.left, rect.top, rect.right, rect.bottom + strip), this);
    newFrame->setBackgroundColor(VSTGUI::CColor(kFrameBackground, kFrameBackground, kFrameBackground, 255));
    if (!newFrame->open(parent, platform)) {
        newFrame->forget();
        return false;
    }
    frame_ = newFrame;
    const VSTGUI::CRect contentRect(rect.left, rect.top + strip, rect.right, rect.bottom + strip);
    content_ = new CHRXViewContainer(contentRect);
    content_->setMouseableArea(contentRect);
    frame_->addView(content_);
    editor_->open();
    return true;
}

void HRXVSTGUIEditorWrapperV1::close() {
    if (!frame_)
        return;
    if (editor_)
        editor_->close();
    hoverHelp_.forget();
    content_ = nullptr;
    VSTGUI::CFrame* closing = frame_;
    frame_ = nullptr;
    closing->close();
}

void HRXVSTGUIEditorWrapperV1::setBackground(HRXBitmap* bitmap) {
    VSTGUI::CBitmap* toolkitBitmap = toolkitBitmapOf(bitmap);
    if (frame_ && toolkitBitmap)
        frame_->setBackground(toolkitBitmap);
}

void HRXVSTGUIEditorWrapperV1::setBackgroundId(uint32_t resourceId) {
    if (!frame_)
        return;
    VSTGUI::CBitmap* bitmap = new CHRXBitmap(resourceId);
    frame_->setBackground(bitmap);
    bitmap->forget();
}

void HRXVSTGUIEditorWrapperV1::addView(HRXViewContainer* container) {
    CHRXViewContainer* view = toolkitContainerOf(container);
    if (!view || !content_ || view->isAttached())
        return;
    // Preset-bar containers lie over the whole window, the rest inside the
    // content area. The parent takes a reference of its own; the handle keeps
    // its one.
    VSTGUI::CViewContainer* parent =
        view->isPresetBarContainer() ? static_cast<VSTGUI::CViewContainer*>(frame_) : content_;
    view->remember();
    if (!parent->addView(view))
        view->forget();
}

void HRXVSTGUIEditorWrapperV1::removeView(HRXViewContainer* container) {
    CHRXViewContainer* view = toolkitContainerOf(container);
    if (view && view->getParentView())
        view->getParentView()->removeView(view, true);
}

HRXViewContainer* HRXVSTGUIEditorWrapperV1::createViewContainer(const HRXRect& rect) {
    return new CHRXViewContainerWrapper(rect, this, this);
}

bool HRXVSTGUIEditorWrapperV1::isAttached(HRXViewContainer* container) {
    CHRXViewContainer* view = toolkitContainerOf(container);
    return view && view->isAttached();
}

HRXBitmap* HRXVSTGUIEditorWrapperV1::createBitmap(uint32_t resourceId, int32_t flag) {
    return flag == 0 ? new CHRXBitmapWrapper(resourceId) : nullptr;
}

HRXRect HRXVSTGUIEditorWrapperV1::getScaledEditorSize() {
    const double zoom = getZoomFactor();
    const HRXRect rect = editor_ ? editor_->getRect() : HRXRect{};
    return {0.0, 0.0, rect.width() * zoom, rect.height() * zoom};
}

uint32_t HRXVSTGUIEditorWrapperV1::getMouseButtons() {
    return frame_ ? static_cast<uint32_t>(frame_->getCurrentMouseButtons().getButtonState()) : 0u;
}

void HRXVSTGUIEditorWrapperV1::setKnobMode(int32_t mode) {
    HRXAnimKnob::knobMode = mode;
}

void HRXVSTGUIEditorWrapperV1::editParameter(int32_t, double) {}

void HRXVSTGUIEditorWrapperV1::setEditorSize(int32_t width, int32_t height) {
    if (resizing_) {
        sizePending_ = true;
        pendingWidth_ = width;
        pendingHeight_ = height;
        return;
    }
    applyEditorSize(width, height);
}

void HRXVSTGUIEditorWrapperV1::applyEditorSize(int32_t width, int32_t height) {
    HRXFrame* hrxFrame = getHRXFrame();
    if (!hrxFrame || !content_)
        return;
    const double strip = presetBarHeight();
    const double zoom = hrxFrame->getZoomFactor();
    hrxFrame->setUnzoomedSize(width, height + strip);
    hrxFrame->setSize(std::trunc(width * zoom), std::trunc((height + strip) * zoom));
    content_->setViewSize(VSTGUI::CRect(0, strip, width, strip + height));
    content_->setMouseableArea(content_->getViewSize());
    content_->invalid();
}

void HRXVSTGUIEditorWrapperV1::setResizing(bool begin) {
    resizing_ = begin;
    if (!begin && sizePending_) {
        sizePending_ = false;
        setEditorSize(pendingWidth_, pendingHeight_);
    }
}

void HRXVSTGUIEditorWrapperV1::refreshFrame() {
    if (frame_)
        frame_->invalid();
}

int64_t HRXVSTGUIEditorWrapperV1::getUserValue() {
    return userValue_;
}

HRXBaseEditor* HRXVSTGUIEditorWrapperV1::getEditor() {
    return editor_;
}

int32_t HRXVSTGUIEditorWrapperV1::controlClicked(int32_t, uint32_t) {
    return 0;
}

void HRXVSTGUIEditorWrapperV1::idle() {
    HRXFrame* hrxFrame = getHRXFrame();
    if (!hrxFrame)
        return;
    const bool mouseInside = !resizing_ && hrxFrame->isMouseInside();
    VSTGUI::CPoint mouse;
    hrxFrame->getCurrentMouseLocation(mouse);
    mouse = hrxFrame->getTransform().inverse().transform(mouse);
    // Held mouse buttons as either the frame's events or the platform tell
    // them; modifiers as the platform tells them now.
    const int32_t platformButtons = hrxFrame->getCurrentMouseButtons().getButtonState();
    const int32_t buttons = ((hrxFrame->getLastMouseButtons() | platformButtons) & HRXHoverHelp::kMouseButtonMask) |
                            (platformButtons & 0xF0);
    editor_->idle();
    // Another editor may have switched hints: tell the content until this
    // editor's state follows.
    const int32_t hints = HRXGlobalSettings::hintsFlag();
    if (engineHints_ != hints)
        notifyEditor(kMessageHints, static_cast<double>(hints));
    if (HRXFrame* current = getHRXFrame())
        hoverHelp_.tick(*current, engineHints_ != 0, mouseInside, mouse, buttons);
    if (--refreshCountdown_ <= 0) {
        refreshCountdown_ = kFrameRefreshTicks;
        refreshFrame();
    }
}

void HRXVSTGUIEditorWrapperV1::notifyEditor(int32_t index, double value) {
    if (editor_)
        editor_->parameterChanged(index, value);
}

void HRXVSTGUIEditorWrapperV1::setPresetBarUserValue(int64_t) {}

void HRXVSTGUIEditorWrapperV1::setUserValue(int64_t value) {
    userValue_ = value;
}

double HRXVSTGUIEditorWrapperV1::getZoomFactor() {
    HRXFrame* hrxFrame = getHRXFrame();
    return hrxFrame ? hrxFrame->getZoomFactor() : 1.0;
}

void HRXVSTGUIEditorWrapperV1::valueChanged(VSTGUI::CControl* control) {
    if (editor_)
        editor_->controlChanged(control->getTag(), control->getValue());
}

}  // namespace Brackenworks
