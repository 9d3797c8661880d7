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

VSTGUI::CRect toCRect(const HRXRect& r) { return VSTGUI::CRect(r.left, r.top, r.right, r.bottom); }

// Kinds drawn and driven by the control itself through the generic companion.
bool hasBaseCompanion(int32_t kind) { return (kind >= 1 && kind <= 9) || kind == kHRXKindCustomDrawn; }

}  // namespace

CHRXViewContainerWrapper::CHRXViewContainerWrapper(const HRXRect& rect, VSTGUI::IControlListener* listener,
                                                   HRXMasterGraphicalEngine* engine)
    : container(new CHRXViewContainer(toCRect(rect))), listener(listener), engine(engine)
{
    container->setMouseableArea(toCRect(rect));
}

CHRXViewContainerWrapper::~CHRXViewContainerWrapper() { container->forget(); }

void CHRXViewContainerWrapper::setViewSize(const HRXRect& rect)
{
    container->setViewSize(toCRect(rect));
    container->setMouseableArea(toCRect(rect));
}

HRXRect CHRXViewContainerWrapper::getRect() const
{
    const VSTGUI::CRect& r = container->getViewSize();
    return {r.left, r.top, r.right, r.bottom};
}

void CHRXViewContainerWrapper::setBackground(HRXBitmap* bitmap)
{
    if (VSTGUI::CBitmap* toolkitBitmap = toolkitBitmapOf(bitmap))
        container->setBackground(toolkitBitmap);
}

void CHRXViewContainerWrapper::setBackgroundId(uint32_t resourceId)
{
    // The view keeps its own reference; ours goes at once.
    VSTGUI::CBitmap* bitmap = new CHRXBitmap(resourceId);
    container->setBackground(bitmap);
    bitmap->forget();
}

void CHRXViewContainerWrapper::setBackgroundColour(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha)
{
    container->setBackgroundColor(VSTGUI::CColor(red, green, blue, alpha));
}

bool CHRXViewContainerWrapper::addControl(HRXBaseControl* control)
{
    if (!control)
        return false;
    VSTGUI::CView* companion = nullptr;
    switch (control->getKind()) {
    case kHRXKindTextLabel:
        companion = new CHRXTextLabelWrapper(static_cast<HRXTextLabel*>(control), listener);
        break;
    case kHRXKindTextEdit:
        companion = new CHRXTextEditWrapper(static_cast<HRXTextEdit*>(control), listener);
        break;
    case kHRXKindOptionMenu:
        companion = new CHRXOptionMenuWrapper(static_cast<HRXOptionMenu*>(control), listener);
        break;
    default:
        if (!hasBaseCompanion(control->getKind()))
            return false;
        companion = new CHRXBaseControlWrapper(control, listener, engine);
        break;
    }
    return container->addView(companion);
}

void CHRXViewContainerWrapper::removeControl(HRXBaseControl* control)
{
    for (uint32_t i = 0; i < container->getNbViews(); ++i) {
        VSTGUI::CView* view = container->getView(i);
        auto* companion = dynamic_cast<CHRXCompanion*>(view);
        if (companion && companion->getControl() == control) {
            container->removeView(view, true);
            return;
        }
    }
}

}  // namespace Brackenworks
