#include "vstgui/ccontrol.h"

namespace VSTGUI {

CControl::CControl(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background)
    : CView(size), listener_(listener), tag_(tag) {
    if (background)
        setBackground(background);
}

void CControl::bounceValue() {
    if (value_ > max_)
        value_ = max_;
    else if (value_ < min_)
        value_ = min_;
}

void CControl::valueChanged() {
    if (listener_)
        listener_->valueChanged(this);
}

void CControl::beginEdit() {
    if (++editing_ == 1 && listener_)
        listener_->controlBeginEdit(this);
}

void CControl::endEdit() {
    if (editing_ == 0)
        return;
    if (--editing_ == 0 && listener_)
        listener_->controlEndEdit(this);
}

}  // namespace VSTGUI
