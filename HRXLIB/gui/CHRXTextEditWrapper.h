#pragma once

#include "CHRXCompanion.h"
#include "vstgui/ctextedit.h"

namespace Brackenworks {

// The toolkit's text edit, telling how each edit ended: Return accepts,
// Escape cancels, the focus going elsewhere keeps the text. The end is
// reported through editingEnded, once per edit, whether or not the text
// changed; the toolkit's own report is left out.
class CHRXTextEdit2 : public VSTGUI::CTextEdit {
public:
    explicit CHRXTextEdit2(const VSTGUI::CRect& size) : VSTGUI::CTextEdit(size, nullptr, -1) {}

    void looseFocus() override;
    int32_t onKeyDown(VSTGUI::VstKeyCode& key) override;
    void valueChanged() override;

protected:
    virtual void editingEnded(HRXTextEdit::EndReason reason) = 0;

private:
    HRXTextEdit::EndReason endReason_ = HRXTextEdit::kFocusLost;
    bool ending_ = false;
};

// The companion of a text edit control (kind 11).
class CHRXTextEditWrapper : public CHRXTextCompanion<CHRXTextEdit2, HRXTextEdit> {
public:
    CHRXTextEditWrapper(HRXTextEdit* control, VSTGUI::IControlListener* listener);

protected:
    void updateText() override;
    void startEditing() override;
    void editingEnded(HRXTextEdit::EndReason reason) override;
};

}  // namespace Brackenworks
