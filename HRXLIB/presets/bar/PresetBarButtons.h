#pragma once

#include <string>

#include "PresetBarBasicControl.h"

class HRXFont;

// A button showing a text label on its face ("Save", "Copy", "Paste").
class PresetBarLabelButton : public PresetBarBasicControl {
public:
    PresetBarLabelButton(const HRXRect& rect, int32_t tag, const char* label);

    void draw(HRXDrawContext* context) override;
    void setLabel(const char* text);
    const std::string& getLabel() const { return label_; }
    // Drawn as selected (amber) while set.
    void setActive(bool isActive);
    void setFont(HRXFont* labelFont) { font_ = labelFont; }

protected:
    std::string label_;
    HRXFont* font_;
    bool active_ = false;
};

// A label button that opens a menu.
class PresetBarMenuButton : public PresetBarLabelButton {
public:
    using PresetBarLabelButton::PresetBarLabelButton;
};

// Opens the configuration menu: a cog on the button's face, lit while the
// menu is open (value 1.0).
class PresetBarConfigMenuButton : public PresetBarBasicControl {
public:
    PresetBarConfigMenuButton(const HRXRect& rect, int32_t tag) : PresetBarBasicControl(rect, tag) { value_ = 0.0; }
    void draw(HRXDrawContext* context) override;
};

// An invisible area that reports a left click (tag 87: a click beside an
// open pop-up closes it).
class PresetBarClickCatcher : public PresetBarBasicControl {
public:
    PresetBarClickCatcher(const HRXRect& rect, int32_t tag) : PresetBarBasicControl(rect, tag) {}
    void draw(HRXDrawContext*) override {}
};
