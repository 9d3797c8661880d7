#include "PresetBarNameControl.h"

#include "HRXLibraryResources.h"

using namespace PresetBarStyle;

PresetBarNameControl::PresetBarNameControl(const HRXRect& rect, int32_t tag) : PresetBarBasicControl(rect, tag) {
    value_ = 0.0;
}

void PresetBarNameControl::setDisplay(const std::string& newPrefix, const std::string& newName, bool isModified) {
    if (newPrefix == prefix_ && newName == name_ && isModified == modified_)
        return;
    prefix_ = newPrefix;
    name_ = newName;
    modified_ = isModified;
    redraw();
}

std::string PresetBarNameControl::getDisplayText() const {
    return prefix_ + name_ + (modified_ ? " *" : "");
}

bool PresetBarNameControl::takeRenameRequest() {
    const bool requested = renameRequested_;
    renameRequested_ = false;
    return requested;
}

int32_t PresetBarNameControl::onMouseDown(const HRXPoint& point, uint32_t buttons) {
    if (buttons & 8u) {  // the right button
        renameRequested_ = true;
        valueChanged();
        return kHRXMouseHandledNoMoves;
    }
    return PresetBarBasicControl::onMouseDown(point, buttons);
}

void PresetBarNameControl::draw(HRXDrawContext* context) {
    const bool open = value_ > 0.5;
    const ButtonState state = buttonState();
    // The field spans the whole control: it is the row's height already.
    const HRXRect field = viewRect_;
    context->setFillColour(kField);
    context->fillRect(field);
    drawFrame(context, field, open ? kAccent : edgeColour(state));

    const HRXRect arrow{field.right - 18.0, field.top, field.right - 4.0, field.bottom};
    drawTriangle(context, arrow, 8.0, open ? Direction::Up : Direction::Down, open ? kAccent : textColour(state));

    HRXRect text{field.left + 6.0, field.top, arrow.left - 2.0, field.bottom};
    context->setFont(getFontArial14());
    context->setFontColour(kAccent);
    context->drawString(prefix_.c_str(), text, kHRXAlignLeft);
    text.left += context->getStringWidth(prefix_.c_str()) + (prefix_.empty() ? 0.0 : 2.0);
    context->setFontColour(textColour(state));
    const std::string shown = name_ + (modified_ ? " *" : "");
    context->drawString(shown.c_str(), text, kHRXAlignLeft);
}
