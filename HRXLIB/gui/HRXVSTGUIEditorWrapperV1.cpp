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

CHRXViewContainer* toolkitContainerOf(HRXViewContainer* container)
{
    return container ? static_cast<CHRXViewContainerWrapper*>(container)->getContainer() : nullptr;
}

}  // namespace

HRXVSTGUIEditorWrapperV1::HRXVSTGUIEditorWrapperV1(HRXEditorFactory createEditor)
    : editor(createEditor ? createEditor(this) : nullptr),
      timer(new VSTGUI::CVSTGUITimer([this](VSTGUI::CVSTGUITimer*) { idle(); }, kInitialTimerPeriod))
{
}

HRXVSTGUIEditorWrapperV1::~HRXVSTGUIEditorWrapperV1()
{
    timer->stop();
    timer->forget();
    HRXVSTGUIEditorWrapperV1::close();
    delete editor;
}

HRXFrame* HRXVSTGUIEditorWrapperV1::getHRXFrame() const { return static_cast<HRXFrame*>(frame); }

bool HRXVSTGUIEditorWrapperV1::open(void* parent, VSTGUI::PlatformType platform)
{
    if (!editor || frame)
        return false;
    const HRXRect& rect = editor->getRect();
    const double strip = presetBarHeight();
    auto* newFrame = new HRXFrame(VSTGUI::CRect(rect.left, rect.top, rect.right, rect.bottom + strip), this);
    newFrame->setBackgroundColor(VSTGUI::CColor(kFrameBackground, kFrameBackground, kFrameBackground, 255));
    if (!newFrame->open(parent, platform)) {
        newFrame->forget();
        return false;
    }
    frame = newFrame;
    const VSTGUI::CRect contentRect(rect.left, rect.top + strip, rect.right, rect.bottom + strip);
    content = new CHRXViewContainer(contentRect);
    content->setMouseableArea(contentRect);
    frame->addView(content);
    editor->open();
    return true;
}

void HRXVSTGUIEditorWrapperV1::close()
{
    if (!frame)
        return;
    if (editor)
        editor->close();
    hoverHelp.forget();
    content = nullptr;
    VSTGUI::CFrame* closing = frame;
    frame = nullptr;
    closing->close();
}

void HRXVSTGUIEditorWrapperV1::setBackground(HRXBitmap* bitmap)
{
    VSTGUI::CBitmap* toolkitBitmap = toolkitBitmapOf(bitmap);
    if (frame && toolkitBitmap)
        frame->setBackground(toolkitBitmap);
}

void HRXVSTGUIEditorWrapperV1::setBackgroundId(uint32_t resourceId)
{
    if (!frame)
        return;
    VSTGUI::CBitmap* bitmap = new CHRXBitmap(resourceId);
    frame->setBackground(bitmap);
    bitmap->forget();
}

void HRXVSTGUIEditorWrapperV1::addView(HRXViewContainer* container)
{
    CHRXViewContainer* view = toolkitContainerOf(container);
    if (!view || !content || view->isAttached())
        return;
    // Preset-bar containers lie over the whole window, the rest inside the
    // content area. The parent takes a reference of its own; the handle keeps
    // its one.
    VSTGUI::CViewContainer* parent = view->isPresetBarContainer() ? static_cast<VSTGUI::CViewContainer*>(frame) : content;
    view->remember();
    if (!parent->addView(view))
        view->forget();
}

void HRXVSTGUIEditorWrapperV1::removeView(HRXViewContainer* container)
{
    CHRXViewContainer* view = toolkitContainerOf(container);
    if (view && view->getParentView())
        view->getParentView()->removeView(view, true);
}

HRXViewContainer* HRXVSTGUIEditorWrapperV1::createViewContainer(const HRXRect& rect)
{
    return new CHRXViewContainerWrapper(rect, this, this);
}

bool HRXVSTGUIEditorWrapperV1::isAttached(HRXViewContainer* container)
{
    CHRXViewContainer* view = toolkitContainerOf(container);
    return view && view->isAttached();
}

HRXBitmap* HRXVSTGUIEditorWrapperV1::createBitmap(uint32_t resourceId, int32_t flag)
{
    return flag == 0 ? new CHRXBitmapWrapper(resourceId) : nullptr;
}

HRXRect HRXVSTGUIEditorWrapperV1::getScaledEditorSize()
{
    const double zoom = getZoomFactor();
    const HRXRect rect = editor ? editor->getRect() : HRXRect{};
    return {0.0, 0.0, rect.width() * zoom, rect.height() * zoom};
}

uint32_t HRXVSTGUIEditorWrapperV1::getMouseButtons()
{
    return frame ? static_cast<uint32_t>(frame->getCurrentMouseButtons().getButtonState()) : 0u;
}

void HRXVSTGUIEditorWrapperV1::setKnobMode(int32_t mode) { HRXAnimKnob::knobMode = mode; }

void HRXVSTGUIEditorWrapperV1::editParameter(int32_t, double) {}

void HRXVSTGUIEditorWrapperV1::setEditorSize(int32_t width, int32_t height)
{
    if (resizing) {
        sizePending = true;
        pendingWidth = width;
        pendingHeight = height;
        return;
    }
    applyEditorSize(width, height);
}

void HRXVSTGUIEditorWrapperV1::applyEditorSize(int32_t width, int32_t height)
{
    HRXFrame* hrxFrame = getHRXFrame();
    if (!hrxFrame || !content)
        return;
    const double strip = presetBarHeight();
    const double zoom = hrxFrame->getZoomFactor();
    hrxFrame->setUnzoomedSize(width, height + strip);
    hrxFrame->setSize(std::trunc(width * zoom), std::trunc((height + strip) * zoom));
    content->setViewSize(VSTGUI::CRect(0, strip, width, strip + height));
    content->setMouseableArea(content->getViewSize());
    content->invalid();
}

void HRXVSTGUIEditorWrapperV1::setResizing(bool begin)
{
    resizing = begin;
    if (!begin && sizePending) {
        sizePending = false;
        setEditorSize(pendingWidth, pendingHeight);
    }
}

void HRXVSTGUIEditorWrapperV1::refreshFrame()
{
    if (frame)
        frame->invalid();
}

int64_t HRXVSTGUIEditorWrapperV1::getUserValue() { return userValue; }

HRXBaseEditor* HRXVSTGUIEditorWrapperV1::getEditor() { return editor; }

int32_t HRXVSTGUIEditorWrapperV1::controlClicked(int32_t, uint32_t) { return 0; }

void HRXVSTGUIEditorWrapperV1::idle()
{
    HRXFrame* hrxFrame = getHRXFrame();
    if (!hrxFrame)
        return;
    const bool mouseInside = !resizing && hrxFrame->isMouseInside();
    VSTGUI::CPoint mouse;
    hrxFrame->getCurrentMouseLocation(mouse);
    mouse = hrxFrame->getTransform().inverse().transform(mouse);
    // Held mouse buttons as either the frame's events or the platform tell
    // them; modifiers as the platform tells them now.
    const int32_t platformButtons = hrxFrame->getCurrentMouseButtons().getButtonState();
    const int32_t buttons = ((hrxFrame->getLastMouseButtons() | platformButtons) & HRXHoverHelp::kMouseButtonMask) |
                            (platformButtons & 0xF0);
    editor->idle();
    // Another editor may have switched hints: tell the content until this
    // editor's state follows.
    const int32_t hints = HRXGlobalSettings::hintsFlag();
    if (engineHints != hints)
        notifyEditor(kMessageHints, static_cast<double>(hints));
    if (HRXFrame* current = getHRXFrame())
        hoverHelp.tick(*current, engineHints != 0, mouseInside, mouse, buttons);
    if (--refreshCountdown <= 0) {
        refreshCountdown = kFrameRefreshTicks;
        refreshFrame();
    }
}

void HRXVSTGUIEditorWrapperV1::notifyEditor(int32_t index, double value)
{
    if (editor)
        editor->parameterChanged(index, value);
}

void HRXVSTGUIEditorWrapperV1::setPresetBarUserValue(int64_t) {}

void HRXVSTGUIEditorWrapperV1::setUserValue(int64_t value) { userValue = value; }

double HRXVSTGUIEditorWrapperV1::getZoomFactor()
{
    HRXFrame* hrxFrame = getHRXFrame();
    return hrxFrame ? hrxFrame->getZoomFactor() : 1.0;
}

void HRXVSTGUIEditorWrapperV1::valueChanged(VSTGUI::CControl* control)
{
    if (editor)
        editor->controlChanged(control->getTag(), control->getValue());
}

}  // namespace Brackenworks
