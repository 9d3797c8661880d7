#include "HRXOffscreenEngine.h"

#include "CHRXBitmapWrapper.h"
#include "CHRXToolkitResources.h"
#include "CHRXViewContainerWrapper.h"
#include "HRXAnimKnob.h"
#include "HRXBaseEditor.h"
#include "vstgui/cframe.h"
#include "vstgui/offscreenframe.h"

namespace Brackenworks {

namespace {

VSTGUI::CViewContainer* toolkitContainerOf(HRXViewContainer* container)
{
    return container ? static_cast<CHRXViewContainerWrapper*>(container)->getContainer() : nullptr;
}

}  // namespace

HRXOffscreenEngine::HRXOffscreenEngine(const HRXRect& editorRect)
    : editorRect(editorRect), frame(new VSTGUI::CFrame(VSTGUI::CRect(0, 0, editorRect.width(), editorRect.height())))
{
    frame->open(nullptr, VSTGUI::PlatformType::kOffscreen);
}

HRXOffscreenEngine::~HRXOffscreenEngine() { frame->close(); }

VSTGUI::OffscreenPlatformFrame* HRXOffscreenEngine::getWindow() const
{
    return VSTGUI::OffscreenPlatformFrame::of(frame);
}

bool HRXOffscreenEngine::setZoom(double zoom)
{
    if (zoom <= 0.0)
        return false;
    if (zoom < 0.7)
        zoom = 0.7;
    if (zoom > 4.0)
        zoom = 4.0;
    return frame->setZoom(zoom);
}

void HRXOffscreenEngine::setBackground(HRXBitmap* bitmap)
{
    if (VSTGUI::CBitmap* toolkitBitmap = toolkitBitmapOf(bitmap))
        frame->setBackground(toolkitBitmap);
}

void HRXOffscreenEngine::setBackgroundId(uint32_t resourceId)
{
    VSTGUI::CBitmap* bitmap = new CHRXBitmap(resourceId);
    frame->setBackground(bitmap);
    bitmap->forget();
}

void HRXOffscreenEngine::addView(HRXViewContainer* container)
{
    VSTGUI::CViewContainer* view = toolkitContainerOf(container);
    if (!view || frame->isChild(view))
        return;
    // The frame takes a reference of its own; the handle keeps its one.
    view->remember();
    if (!frame->addView(view))
        view->forget();
}

void HRXOffscreenEngine::removeView(HRXViewContainer* container)
{
    VSTGUI::CViewContainer* view = toolkitContainerOf(container);
    if (view && frame->isChild(view))
        frame->removeView(view, true);
}

HRXViewContainer* HRXOffscreenEngine::createViewContainer(const HRXRect& rect)
{
    return new CHRXViewContainerWrapper(rect, this, this);
}

bool HRXOffscreenEngine::isAttached(HRXViewContainer* container)
{
    VSTGUI::CViewContainer* view = toolkitContainerOf(container);
    return view && frame->isChild(view);
}

HRXBitmap* HRXOffscreenEngine::createBitmap(uint32_t resourceId, int32_t flag)
{
    return flag == 0 ? new CHRXBitmapWrapper(resourceId) : nullptr;
}

HRXRect HRXOffscreenEngine::getScaledEditorSize()
{
    const double zoom = frame->getZoom();
    return {0.0, 0.0, editorRect.width() * zoom, editorRect.height() * zoom};
}

uint32_t HRXOffscreenEngine::getMouseButtons()
{
    return static_cast<uint32_t>(frame->getCurrentMouseButtons().getButtonState());
}

void HRXOffscreenEngine::setKnobMode(int32_t mode) { HRXAnimKnob::knobMode = mode; }

void HRXOffscreenEngine::editParameter(int32_t, double) {}

void HRXOffscreenEngine::setEditorSize(int32_t width, int32_t height)
{
    editorRect = {editorRect.left, editorRect.top, editorRect.left + width, editorRect.top + height};
    const double zoom = frame->getZoom();
    frame->setSize(width * zoom, height * zoom);
}

void HRXOffscreenEngine::setResizing(bool) {}

void HRXOffscreenEngine::refreshFrame() { frame->invalid(); }

int64_t HRXOffscreenEngine::getUserValue() { return userValue; }

HRXBaseEditor* HRXOffscreenEngine::getEditor() { return editor_; }

void HRXOffscreenEngine::controlClicked(int32_t, uint32_t) {}

void HRXOffscreenEngine::idle()
{
    if (editor_)
        editor_->idle();
}

void HRXOffscreenEngine::notifyEditor(int32_t index, double value)
{
    if (editor_)
        editor_->parameterChanged(index, value);
}

void HRXOffscreenEngine::setPresetBarUserValue(int64_t) {}

void HRXOffscreenEngine::setUserValue(int64_t value) { userValue = value; }

double HRXOffscreenEngine::getZoomFactor() { return frame->getZoom(); }

void HRXOffscreenEngine::valueChanged(VSTGUI::CControl* control)
{
    if (editor_)
        editor_->controlChanged(control->getTag(), control->getValue());
}

}  // namespace Brackenworks
