#pragma once

#include "CHRXCompanion.h"
#include "vstgui/coptionmenu.h"

namespace Brackenworks {

// The toolkit's option menu as the control kit uses it: its entries pop up
// in the platform's own menu; a small arrow on the right says so.
class CHRXOptionMenu : public VSTGUI::COptionMenu {
public:
    explicit CHRXOptionMenu(const VSTGUI::CRect& size) : VSTGUI::COptionMenu(size, nullptr, -1) {}
    void draw(VSTGUI::CDrawContext* context) override;
};

// The companion of an option menu control (kind 12): shows the control's
// entries and hands a choice back to it.
class CHRXOptionMenuWrapper : public CHRXTextCompanion<CHRXOptionMenu, HRXOptionMenu> {
public:
    CHRXOptionMenuWrapper(HRXOptionMenu* control, VSTGUI::IControlListener* listener);

    // A choice in the pop-up.
    void valueChanged() override;

protected:
    void updateText() override;
};

}  // namespace Brackenworks
