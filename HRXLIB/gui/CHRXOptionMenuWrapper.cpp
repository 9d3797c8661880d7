#include "CHRXOptionMenuWrapper.h"

#include "vstgui/cdrawcontext.h"

namespace Brackenworks {

void CHRXOptionMenu::draw(VSTGUI::CDrawContext* context) {
    VSTGUI::COptionMenu::draw(context);
    const VSTGUI::CRect& size = getViewSize();
    const double cx = size.right - 10.0;
    const double cy = (size.top + size.bottom) * 0.5;
    context->setFillColor(getFontColor());
    context->drawPolygon({{cx - 4.0, cy - 2.0}, {cx + 4.0, cy - 2.0}, {cx, cy + 3.0}}, VSTGUI::kDrawFilled);
}

CHRXOptionMenuWrapper::CHRXOptionMenuWrapper(HRXOptionMenu* control, VSTGUI::IControlListener* listener)
    : CHRXTextCompanion(control, listener) {
    updateText();
}

void CHRXOptionMenuWrapper::updateText() {
    removeAllEntry();
    for (const std::string& entry : control_->getEntries())
        addEntry(entry.c_str());
    setCurrent(control_->getCurrent());
    syncStyle();
}

void CHRXOptionMenuWrapper::valueChanged() {
    int32_t index = -1;
    if (getLastItemMenu(index) == this)
        control_->chosen(index);
}

}  // namespace Brackenworks
