#pragma once

#include "ctextlabel.h"

namespace VSTGUI {

// An editable line of text. A click takes the keyboard focus; typed
// characters edit the text, Return commits it (listener hears of it),
// Escape restores the text from before the edit.
class CTextEdit : public CTextLabel {
public:
    CTextEdit(const CRect& size, IControlListener* listener, int32_t tag, const char* text = nullptr,
              CBitmap* background = nullptr, int32_t style = 0);
    ~CTextEdit() override = default;

    void setMaxLength(uint32_t characters) { maxLength_ = characters; }
    // Focus changes come from the frame (CFrame::setFocusView); losing the
    // focus reports the text when it changed.
    void takeFocus() override;
    void looseFocus() override;
    bool hasFocus() const { return focused_; }

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    int32_t onKeyDown(VstKeyCode& key) override;
    bool removed(CViewContainer* parent) override;

private:
    std::string textBeforeEdit_;
    uint32_t maxLength_ = 255;
    bool focused_ = false;
};

}  // namespace VSTGUI
