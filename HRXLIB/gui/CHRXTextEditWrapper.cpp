#include "CHRXTextEditWrapper.h"

#include "vstgui/cframe.h"

namespace Brackenworks {

void CHRXTextEdit2::looseFocus()
{
    const bool wasEditing = hasFocus();
    ending = true;
    VSTGUI::CTextEdit::looseFocus();
    ending = false;
    const HRXTextEdit::EndReason reason = endReason;
    endReason = HRXTextEdit::kFocusLost;
    if (wasEditing)
        editingEnded(reason);
}

int32_t CHRXTextEdit2::onKeyDown(VSTGUI::VstKeyCode& key)
{
    if (hasFocus() && key.virt == VSTGUI::VKEY_RETURN)
        endReason = HRXTextEdit::kAccepted;
    else if (hasFocus() && key.virt == VSTGUI::VKEY_ESCAPE)
        endReason = HRXTextEdit::kCancelled;
    return VSTGUI::CTextEdit::onKeyDown(key);
}

void CHRXTextEdit2::valueChanged()
{
    if (!ending)
        VSTGUI::CTextEdit::valueChanged();
}

CHRXTextEditWrapper::CHRXTextEditWrapper(HRXTextEdit* control, VSTGUI::IControlListener* listener)
    : CHRXTextCompanion(control, listener)
{
    setMaxLength(static_cast<uint32_t>(control->getMaxLength()));
}

void CHRXTextEditWrapper::updateText()
{
    // Text typed so far stays while the user edits.
    if (!hasFocus())
        setText(control->getText().c_str());
    syncStyle();
}

void CHRXTextEditWrapper::startEditing()
{
    if (VSTGUI::CFrame* frame = getFrame())
        frame->setFocusView(this);
}

void CHRXTextEditWrapper::editingEnded(HRXTextEdit::EndReason reason)
{
    control->editingEnded(getText().c_str(), reason);
}

}  // namespace Brackenworks
