#include "CHRXTextEditWrapper.h"

#include "vstgui/cframe.h"

namespace Brackenworks {

void CHRXTextEdit2::looseFocus() {
    const bool wasEditing = hasFocus();
    ending_ = true;
    VSTGUI::CTextEdit::looseFocus();
    ending_ = false;
    const HRXTextEdit::EndReason reason = endReason_;
    endReason_ = HRXTextEdit::kFocusLost;
    if (wasEditing)
        editingEnded(reason);
}

int32_t CHRXTextEdit2::onKeyDown(VSTGUI::VstKeyCode& key) {
    if (hasFocus() && key.virt == VSTGUI::VKEY_RETURN)
        endReason_ = HRXTextEdit::kAccepted;
    else if (hasFocus() && key.virt == VSTGUI::VKEY_ESCAPE)
        endReason_ = HRXTextEdit::kCancelled;
    return VSTGUI::CTextEdit::onKeyDown(key);
}

void CHRXTextEdit2::valueChanged() {
    if (!ending_)
        VSTGUI::CTextEdit::valueChanged();
}

CHRXTextEditWrapper::CHRXTextEditWrapper(HRXTextEdit* control, VSTGUI::IControlListener* listener)
    : CHRXTextCompanion(control, listener) {
    setMaxLength(static_cast<uint32_t>(control->getMaxLength()));
}

void CHRXTextEditWrapper::updateText() {
    // Text typed so far stays while the user edits.
    if (!hasFocus())
        setText(control_->getText().c_str());
    syncStyle();
}

void CHRXTextEditWrapper::startEditing() {
    if (VSTGUI::CFrame* frame = getFrame())
        frame->setFocusView(this);
}

void CHRXTextEditWrapper::editingEnded(HRXTextEdit::EndReason reason) {
    control_->editingEnded(getText().c_str(), reason);
}

}  // namespace Brackenworks
