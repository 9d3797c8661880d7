#include "CHRXBaseControlWrapper.h"

#include "CHRXDrawContextWrapper.h"
#include "HRXBaseControl.h"
#include "HRXMasterGraphicalEngine.h"
#include "vstgui/cdrawcontext.h"

namespace Brackenworks {

namespace {

VSTGUI::CRect toCRect(const HRXRect& r) {
    return VSTGUI::CRect(r.left, r.top, r.right, r.bottom);
}

HRXPoint toPoint(const VSTGUI::CPoint& p) {
    return {p.x, p.y};
}

uint32_t controlButtons(const VSTGUI::CButtonState& buttons) {
    return static_cast<uint32_t>(buttons.getButtonState()) & kHRXControlButtonMask;
}

// A control that wants no further events still used a left click: it must
// not fall through to the views beneath (an about box over the panel would
// otherwise start a drag on the knob under it). Any other button passes on,
// so a right click still reaches the control beneath and the host's menu.
VSTGUI::CMouseEventResult toToolkit(int32_t result, const VSTGUI::CButtonState& buttons) {
    switch (result) {
    case kHRXMouseHandled: return VSTGUI::kMouseEventHandled;
    case kHRXMouseHandledNoMoves:
        return buttons.isLeftButton() ? VSTGUI::kMouseDownEventHandledButDontNeedMovedOrUpEvents
                                      : VSTGUI::kMouseEventNotHandled;
    default: return VSTGUI::kMouseEventNotHandled;
    }
}

}  // namespace

CHRXBaseControlWrapper::CHRXBaseControlWrapper(HRXBaseControl* control, VSTGUI::IControlListener* listener,
                                               HRXMasterGraphicalEngine* engine)
    : VSTGUI::CControl(toCRect(control->getViewSize()), listener, control->getTag()),
      control_(control),
      engine_(engine),
      engineView_(*this) {
    VSTGUI::CControl::setValue(static_cast<float>(control->getValue()));
    VSTGUI::CControl::setDefaultValue(static_cast<float>(control->getDefaultValue()));
    VSTGUI::CView::setTooltipText(control->getTooltip());
    control->setCompanion(&engineView_);
}

CHRXBaseControlWrapper::~CHRXBaseControlWrapper() {
    control_->setCompanion(nullptr);
    delete control_;
}

void CHRXBaseControlWrapper::draw(VSTGUI::CDrawContext* context) {
    // Each control draws with fresh pen state, clipped to its own view.
    context->saveGlobalState();
    context->setClipRect(getViewSize());
    CHRXDrawContextWrapper wrapped(context);
    control_->draw(&wrapped);
    context->restoreGlobalState();
    setDirty(false);
}

VSTGUI::CMouseEventResult CHRXBaseControlWrapper::onMouseDown(VSTGUI::CPoint& where,
                                                              const VSTGUI::CButtonState& buttons) {
    const int32_t result = control_->onMouseDown(toPoint(where), controlButtons(buttons));
    if (control_->getReportClicks() && engine_)
        engine_->controlClicked(control_->getTag(), static_cast<uint32_t>(buttons.getButtonState()));
    return toToolkit(result, buttons);
}

VSTGUI::CMouseEventResult CHRXBaseControlWrapper::onMouseUp(VSTGUI::CPoint& where,
                                                            const VSTGUI::CButtonState& buttons) {
    return toToolkit(control_->onMouseUp(toPoint(where), controlButtons(buttons)), buttons);
}

VSTGUI::CMouseEventResult CHRXBaseControlWrapper::onMouseMoved(VSTGUI::CPoint& where,
                                                               const VSTGUI::CButtonState& buttons) {
    return toToolkit(control_->onMouseMoved(toPoint(where), controlButtons(buttons)), buttons);
}

VSTGUI::CMouseEventResult CHRXBaseControlWrapper::onMouseEntered(VSTGUI::CPoint& where,
                                                                 const VSTGUI::CButtonState& buttons) {
    return toToolkit(control_->onMouseEntered(toPoint(where), controlButtons(buttons)), buttons);
}

VSTGUI::CMouseEventResult CHRXBaseControlWrapper::onMouseExited(VSTGUI::CPoint& where,
                                                                const VSTGUI::CButtonState& buttons) {
    return toToolkit(control_->onMouseExited(toPoint(where), controlButtons(buttons)), buttons);
}

bool CHRXBaseControlWrapper::onWheel(const VSTGUI::CPoint& where, const float& distance,
                                     const VSTGUI::CButtonState& buttons) {
    return control_->onWheel(toPoint(where), distance, controlButtons(buttons));
}

void CHRXBaseControlWrapper::EngineView::redraw() {
    owner_.invalid();
}

void CHRXBaseControlWrapper::EngineView::reportValue() {
    owner_.VSTGUI::CControl::setValue(static_cast<float>(owner_.control_->getValue()));
    owner_.VSTGUI::CControl::valueChanged();
}

void CHRXBaseControlWrapper::EngineView::setTooltipText(const char* text) {
    owner_.VSTGUI::CView::setTooltipText(text);
}

void CHRXBaseControlWrapper::EngineView::setValue(double value) {
    owner_.VSTGUI::CControl::setValue(static_cast<float>(value));
    owner_.invalid();
}

void CHRXBaseControlWrapper::EngineView::setViewSize(const HRXRect& rect) {
    owner_.VSTGUI::CControl::setViewSize(toCRect(rect));
    owner_.setMouseableArea(toCRect(rect));
}

void CHRXBaseControlWrapper::EngineView::setTag(int32_t tag) {
    owner_.VSTGUI::CControl::setTag(tag);
}

}  // namespace Brackenworks
