#include "CHRXViewContainerWrapper.h"

#include "CHRXBaseControlWrapper.h"
#include "CHRXOptionMenuWrapper.h"
#include "CHRXTextEditWrapper.h"
#include "CHRXTextLabelWrapper.h"
#include "CHRXToolkitResources.h"
#include "CHRXViewContainer.h"
#include "HRXBaseControl.h"

namespace Brackenworks {

namespace {

VSTGUI::CRect toCRect(const HRXRect& r) {
    return VSTGUI::CRect(r.left, r.top, r.right, r.bottom);
}

// Kinds drawn and driven by the control itself through the generic companion.
bool hasBaseCompanion(int32_t kind) {
    return (kind >= 1 && kind <= 9) || kind == kHRXKindCustomDrawn;
}

}  // namespace

CHRXViewContainerWrapper::CHRXViewContainerWrapper(const HRXRect& rect, VSTGUI::IControlListener* listener,
                                                   HRXMasterGraphicalEngine* engine)
    : container_(new CHRXViewContainer(toCRect(rect))), listener_(listener), engine_(engine) {
    container_->setMouseableArea(toCRect(rect));
}

CHRXViewContainerWrapper::~CHRXViewContainerWrapper() {
    container_->forget();
}

void CHRXViewContainerWrapper::setViewSize(const HRXRect& rect) {
    container_->setViewSize(toCRect(rect));
    container_->setMouseableArea(toCRect(rect));
}

HRXRect CHRXViewContainerWrapper::getRect() const {
    const VSTGUI::CRect& r = container_->getViewSize();
    return {r.left, r.top, r.right, r.bottom};
}

void CHRXViewContainerWrapper::setBackground(HRXBitmap* bitmap) {
    if (VSTGUI::CBitmap* toolkitBitmap = toolkitBitmapOf(bitmap))
        container_->setBackground(toolkitBitmap);
}

void CHRXViewContainerWrapper::setBackgroundId(uint32_t resourceId) {
    // The view keeps its own reference; ours goes at once.
    VSTGUI::CBitmap* bitmap = new CHRXBitmap(resourceId);
    container_->setBackground(bitmap);
    bitmap->forget();
}

void CHRXViewContainerWrapper::setBackgroundColour(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
    container_->setBackgroundColor(VSTGUI::CColor(red, green, blue, alpha));
}

bool CHRXViewContainerWrapper::addControl(HRXBaseControl* control) {
    if (!control)
        return false;
    VSTGUI::CView* companion = nullptr;
    switch (control->getKind()) {
    case kHRXKindTextLabel: companion = new CHRXTextLabelWrapper(static_cast<HRXTextLabel*>(control), listener_); break;
    case kHRXKindTextEdit: companion = new CHRXTextEditWrapper(static_cast<HRXTextEdit*>(control), listener_); break;
    case kHRXKindOptionMenu:
        companion = new CHRXOptionMenuWrapper(static_cast<HRXOptionMenu*>(control), listener_);
        break;
    default:
        if (!hasBaseCompanion(control->getKind()))
            return false;
        companion = new CHRXBaseControlWrapper(control, listener_, engine_);
        break;
    }
    return container_->addView(companion);
}

void CHRXViewContainerWrapper::removeControl(HRXBaseControl* control) {
    for (uint32_t i = 0; i < container_->getNbViews(); ++i) {
        VSTGUI::CView* view = container_->getView(i);
        auto* companion = dynamic_cast<CHRXCompanion*>(view);
        if (companion && companion->getControl() == control) {
            container_->removeView(view, true);
            return;
        }
    }
}

}  // namespace Brackenworks
