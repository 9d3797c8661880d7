#pragma once

#include <string>
#include <vector>

#include "HRXBaseControl.h"
#include "HRXDrawContext.h"
#include "HRXEngineView.h"

class HRXFont;

// The toolkit companion of a text control (kinds 10 to 12) as the control
// sees it.
class HRXTextEngineView : public HRXEngineView {
public:
    // The control's text, look or entries changed: show them.
    virtual void updateText() = 0;
    // Kind 11: takes the keyboard focus and starts editing.
    virtual void startEditing() = 0;
};

// A line of text drawn by the toolkit (kind 10): text, font, colours and
// alignment. The font is one of the library-wide fonts, not owned.
class HRXTextLabel : public HRXBaseControl {
public:
    HRXTextLabel(const HRXRect& rect, int32_t tag, const char* text, int32_t kind = kHRXKindTextLabel);

    void setText(const char* text);
    const std::string& getText() const { return text_; }
    void setFont(HRXFont* newFont);
    HRXFont* getFont() const { return font_; }
    // An alpha of 0 leaves the background transparent, or the frame out.
    void setColours(const HRXColour& textColour, const HRXColour& background, const HRXColour& frame);
    const HRXColour& getFontColour() const { return fontColour_; }
    const HRXColour& getBackColour() const { return backColour_; }
    const HRXColour& getFrameColour() const { return frameColour_; }
    void setAlignment(HRXTextAlignment newAlignment);
    HRXTextAlignment getAlignment() const { return alignment_; }

    // Set by the companion when it takes the control and cleared when it goes.
    void setTextCompanion(HRXTextEngineView* view);

protected:
    void updateCompanion();

    std::string text_;
    HRXTextEngineView* textView_ = nullptr;

private:
    HRXFont* font_ = nullptr;
    HRXColour fontColour_{230, 230, 230, 255};
    HRXColour backColour_{0, 0, 0, 0};
    HRXColour frameColour_{0, 0, 0, 0};
    HRXTextAlignment alignment_ = kHRXAlignLeft;
};

// An editable line of text (kind 11). Editing starts on a click or on
// startEditing and ends with Return (accepted), Escape (cancelled, the text
// as before) or the focus going elsewhere; every end is reported once, with
// the value telling which.
class HRXTextEdit : public HRXTextLabel {
public:
    enum EndReason : int32_t { kCancelled = 0, kFocusLost = 1, kAccepted = 2 };

    HRXTextEdit(const HRXRect& rect, int32_t tag, const char* text, int32_t maxLength);

    int32_t getMaxLength() const { return maxLength_; }
    void startEditing();
    // The value reported at the last end of editing.
    static EndReason endReasonOf(double value) { return static_cast<EndReason>(hrxRound(value * 2.0)); }

    // Called by the companion: the edit ended with this text.
    void editingEnded(const char* editedText, EndReason reason);

private:
    int32_t maxLength_;
};

// A button that pops up a list of entries (kind 12); the toolkit shows the
// list. A choice makes the entry current and is reported.
class HRXOptionMenu : public HRXTextLabel {
public:
    HRXOptionMenu(const HRXRect& rect, int32_t tag);

    void addEntry(const char* title);
    const std::vector<std::string>& getEntries() const { return entries_; }
    // -1: none.
    void setCurrent(int32_t index);
    int32_t getCurrent() const { return current_; }

    // Called by the companion: the user chose an entry.
    void chosen(int32_t index);

private:
    std::vector<std::string> entries_;
    int32_t current_ = -1;
};
