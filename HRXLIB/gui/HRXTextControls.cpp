#include "HRXTextControls.h"

HRXTextLabel::HRXTextLabel(const HRXRect& rect, int32_t tag, const char* text, int32_t kind)
    : HRXBaseControl(rect, tag, nullptr, kind), text(text ? text : "")
{
}

void HRXTextLabel::setText(const char* newText)
{
    text = newText ? newText : "";
    updateCompanion();
}

void HRXTextLabel::setFont(HRXFont* newFont)
{
    font = newFont;
    updateCompanion();
}

void HRXTextLabel::setColours(const HRXColour& textColour, const HRXColour& background, const HRXColour& frame)
{
    fontColour = textColour;
    backColour = background;
    frameColour = frame;
    updateCompanion();
}

void HRXTextLabel::setAlignment(HRXTextAlignment newAlignment)
{
    alignment = newAlignment;
    updateCompanion();
}

void HRXTextLabel::setTextCompanion(HRXTextEngineView* view)
{
    textView = view;
    setCompanion(view);
}

void HRXTextLabel::updateCompanion()
{
    if (textView)
        textView->updateText();
}

HRXTextEdit::HRXTextEdit(const HRXRect& rect, int32_t tag, const char* text, int32_t maxLength)
    : HRXTextLabel(rect, tag, text, kHRXKindTextEdit), maxLength(maxLength)
{
}

void HRXTextEdit::startEditing()
{
    if (textView)
        textView->startEditing();
}

void HRXTextEdit::editingEnded(const char* editedText, EndReason reason)
{
    text = editedText ? editedText : "";
    value = reason * 0.5;
    valueChanged();
}

HRXOptionMenu::HRXOptionMenu(const HRXRect& rect, int32_t tag) : HRXTextLabel(rect, tag, nullptr, kHRXKindOptionMenu)
{
    value = 0.0;
}

void HRXOptionMenu::addEntry(const char* title)
{
    entries.emplace_back(title ? title : "");
    updateCompanion();
}

void HRXOptionMenu::setCurrent(int32_t index)
{
    current = index >= 0 && index < static_cast<int32_t>(entries.size()) ? index : -1;
    text = current >= 0 ? entries[static_cast<size_t>(current)] : std::string();
    updateCompanion();
}

void HRXOptionMenu::chosen(int32_t index)
{
    setCurrent(index);
    valueChanged();
}
