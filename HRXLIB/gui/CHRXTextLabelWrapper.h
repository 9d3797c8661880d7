#pragma once

#include "CHRXCompanion.h"

namespace Brackenworks {

// The toolkit's text label as the control kit uses it.
class CHRXTextLabel : public VSTGUI::CTextLabel {
public:
    explicit CHRXTextLabel(const VSTGUI::CRect& size) : VSTGUI::CTextLabel(size) {}
};

// The companion of a text label control (kind 10).
class CHRXTextLabelWrapper : public CHRXTextCompanion<CHRXTextLabel, HRXTextLabel> {
public:
    CHRXTextLabelWrapper(HRXTextLabel* control, VSTGUI::IControlListener* listener)
        : CHRXTextCompanion(control, listener) {}
};

}  // namespace Brackenworks
