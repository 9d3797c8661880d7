#pragma once

#include <string>

// A modal notice to the user with a title and a text (one OK button).
class HRXMessageBox {
public:
    virtual ~HRXMessageBox() = default;
    virtual void show(const std::string& title, const std::string& text) = 0;
};

// Writes "title: text" and a newline to the standard error stream (just the
// text when the title is empty). Stands in until an editor window shows it.
class HRXStderrMessageBox : public HRXMessageBox {
public:
    void show(const std::string& title, const std::string& text) override;
};

// The message box the product uses (HRXStderrMessageBox by default). The
// editor or tests replace it; setMessageBox(nullptr) restores the default.
// Answers the replacement it took the place of (null for the default), so a
// caller can put it back. Main thread only.
HRXMessageBox& getMessageBox();
HRXMessageBox* setMessageBox(HRXMessageBox* replacement);
