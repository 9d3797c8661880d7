#include "HRXMessageBox.h"

#include <cstdio>

namespace {

HRXMessageBox* replacementMessageBox = nullptr;

}  // namespace

void HRXStderrMessageBox::show(const std::string& title, const std::string& text) {
    if (title.empty())
        std::fprintf(stderr, "%s\n", text.c_str());
    else
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

HRXMessageBox& getMessageBox() {
    static HRXStderrMessageBox defaultMessageBox;
    return replacementMessageBox != nullptr ? *replacementMessageBox : defaultMessageBox;
}

HRXMessageBox* setMessageBox(HRXMessageBox* replacement) {
    HRXMessageBox* previous = replacementMessageBox;
    replacementMessageBox = replacement;
    return previous;
}
