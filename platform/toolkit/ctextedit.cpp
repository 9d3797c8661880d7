#include "vstgui/ctextedit.h"

#include "vstgui/cframe.h"

namespace VSTGUI {

namespace {

// Appends a code point as UTF-8.
void appendUtf8(std::string& text, int32_t codePoint) {
    auto c = static_cast<uint32_t>(codePoint);
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

size_t characterCount(const std::string& text) {
    size_t count = 0;
    for (char c : text) {
        if ((static_cast<uint8_t>(c) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

// Removes the last UTF-8 character.
void eraseLastCharacter(std::string& text) {
    while (!text.empty()) {
        auto c = static_cast<uint8_t>(text.back());
        text.pop_back();
        if ((c & 0xC0) != 0x80)
            break;
    }
}

}  // namespace

CTextEdit::CTextEdit(const CRect& size, IControlListener* listener, int32_t tag, const char* text, CBitmap* background,
                     int32_t style)
    : CTextLabel(size, text, background, style) {
    setListener(listener);
    setTag(tag);
}

void CTextEdit::takeFocus() {
    focused_ = true;
    textBeforeEdit_ = getText();
    beginEdit();
    invalid();
}

void CTextEdit::looseFocus() {
    if (!focused_)
        return;
    focused_ = false;
    if (getText() != textBeforeEdit_)
        valueChanged();
    endEdit();
    invalid();
}

void CTextEdit::draw(CDrawContext* context) {
    drawText(context, focused_ ? getText() + "|" : getText());
}

CMouseEventResult CTextEdit::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    if (CFrame* frame = getFrame())
        frame->setFocusView(this);
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

int32_t CTextEdit::onKeyDown(VstKeyCode& key) {
    if (!focused_)
        return -1;
    CFrame* frame = getFrame();
    switch (key.virt) {
    case VKEY_RETURN:
        if (frame)
            frame->setFocusView(nullptr);
        return 1;
    case VKEY_ESCAPE:
        setText(textBeforeEdit_.c_str());
        if (frame)
            frame->setFocusView(nullptr);
        return 1;
    case VKEY_BACK: {
        std::string text = getText();
        eraseLastCharacter(text);
        setText(text.c_str());
        return 1;
    }
    case 0:
        // Surrogate halves are not characters and have no UTF-8 form.
        if (key.character >= 0x20 && key.character != 0x7F && key.character <= 0x10FFFF &&
            (key.character < 0xD800 || key.character > 0xDFFF) && characterCount(getText()) < maxLength_) {
            std::string text = getText();
            appendUtf8(text, key.character);
            setText(text.c_str());
            return 1;
        }
        return -1;
    default: return -1;
    }
}

bool CTextEdit::removed(CViewContainer* parent) {
    if (CFrame* frame = getFrame()) {
        if (frame->getFocusView() == this)
            frame->setFocusView(nullptr);
    }
    return CTextLabel::removed(parent);
}

}  // namespace VSTGUI
