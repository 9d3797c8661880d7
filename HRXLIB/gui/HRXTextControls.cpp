#include "HRXTextControls.h"

HRXTextLabel::HRXTextLabel(const HRXRect& rect, int32_t tag, const char* text, int32_t kind)
    : HRXBaseControl(rect, tag, nullptr, kind), text_(text ? text : "") {}

void HRXTextLabel::setText(const char* newText) {
    text_ = newText ? newText : "";
    updateCompanion();
}

void HRXTextLabel::setFont(HRXFont* newFont) {
    font_ = newFont;
    updateCompanion();
}

void HRXTextLabel::setColours(const HRXColour& textColour, const HRXColour& background, const HRXColour& frame) {
    fontColour_ = textColour;
    backColour_ = background;
    frameColour_ = frame;
    updateCompanion();
}

void HRXTextLabel::setAlignment(HRXTextAlignment newAlignment) {
    alignment_ = newAlignment;
    updateCompanion();
}

void HRXTextLabel::setTextCompanion(HRXTextEngineView* view) {
    textView_ = view;
    setCompanion(view);
}

void HRXTextLabel::updateCompanion() {
    if (textView_)
        textView_->updateText();
}

HRXTextEdit::HRXTextEdit(const HRXRect& rect, int32_t tag, const char* text, int32_t maxLength)
    : HRXTextLabel(rect, tag, text, kHRXKindTextEdit), maxLength_(maxLength) {}

void HRXTextEdit::startEditing() {
    if (textView_)
        textView_->startEditing();
}

void HRXTextEdit::editingEnded(const char* editedText, EndReason reason) {
    text_ = editedText ? editedText : "";
    value_ = reason * 0.5;
    valueChanged();
}

HRXOptionMenu::HRXOptionMenu(const HRXRect& rect, int32_t tag) : HRXTextLabel(rect, tag, nullptr, kHRXKindOptionMenu) {
    value_ = 0.0;
}

void HRXOptionMenu::addEntry(const char* title) {
    entries_.emplace_back(title ? title : "");
    updateCompanion();
}

void HRXOptionMenu::setCurrent(int32_t index) {
    current_ = index >= 0 && index < static_cast<int32_t>(entries_.size()) ? index : -1;
    text_ = current_ >= 0 ? entries_[static_cast<size_t>(current_)] : std::string();
    updateCompanion();
}

void HRXOptionMenu::chosen(int32_t index) {
    setCurrent(index);
    valueChanged();
}
