#include "PresetBarPanels.h"

#include "HRXLibraryResources.h"
#include "HRXMasterGraphicalEngine.h"
#include "HRXMasterPresetBar.h"
#include "HRXTextControls.h"
#include "HRXViewContainer.h"
#include "PresetBarButtons.h"
#include "PresetBarStyle.h"
#include "PresetBarTags.h"
#include "HRXProduct.h"

using namespace PresetBarStyle;

namespace {

constexpr double kPadding = 14.0;
constexpr double kButtonWidth = 84.0;
constexpr double kButtonHeight = 28.0;
constexpr double kLineHeight = 16.0;
constexpr int32_t kFileNameLength = 63;  // the longest name a preset list shows

// The dimmed window and the box; every left click on it stays here.
class PanelBackground : public HRXCustomControl {
public:
    PanelBackground(const HRXRect& window, const HRXRect& box) : HRXCustomControl(window, -1, nullptr), box_(box) {}
    void draw(HRXDrawContext* context) override {
        context->setFillColour(kBackdrop);
        context->fillRect(viewRect_);
        context->setFillColour({0x26, 0x26, 0x26, 0xFF});
        context->fillRect(box_);
        drawFrame(context, box_, kEdgeHovered);
        context->setFillColour(kAccent);
        context->fillRect({box_.left + 1.0, box_.top + 1.0, box_.right - 1.0, box_.top + 3.0});
    }
    int32_t onMouseDown(const HRXPoint&, uint32_t buttons) override {
        return (buttons & kHRXLeftButton) ? kHRXMouseHandledNoMoves : kHRXMouseNotHandled;
    }
    bool onWheel(const HRXPoint&, float, uint32_t) override { return true; }

private:
    HRXRect box_;
};

HRXTextLabel* makeLabel(const HRXRect& rect, const std::string& text, HRXFont* font, const HRXColour& colour,
                        HRXTextAlignment alignment) {
    auto* label = new HRXTextLabel(rect, -1, text.c_str());
    label->setFont(font);
    label->setColours(colour, kNone, kNone);
    label->setAlignment(alignment);
    return label;
}

bool isLineBreak(char c) {
    return c == ' ' || c == '/';
}

}  // namespace

PresetBarPanelText::PresetBarPanelText(const HRXRect& rect, const std::string& text)
    : HRXCustomControl(rect, -1, nullptr), text_(text) {}

void PresetBarPanelText::draw(HRXDrawContext* context) {
    context->setFont(getFontArial12());
    context->setFontColour(kText);
    const double width = viewRect_.width();
    double top = viewRect_.top;
    size_t start = 0;
    while (start < text_.size() && top + kLineHeight <= viewRect_.bottom + 0.5) {
        // The longest run from `start` that fits, preferably ending at a break.
        size_t end = start;
        size_t lastBreak = std::string::npos;
        while (end < text_.size()) {
            size_t next = end + 1;
            while (next < text_.size() && (static_cast<unsigned char>(text_[next]) & 0xC0) == 0x80)
                ++next;  // whole UTF-8 characters
            if (context->getStringWidth(text_.substr(start, next - start).c_str()) > width && end > start)
                break;
            if (isLineBreak(text_[end]))
                lastBreak = next;
            end = next;
        }
        if (end < text_.size() && lastBreak != std::string::npos && lastBreak > start)
            end = lastBreak;
        std::string line = text_.substr(start, end - start);
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        context->drawString(line.c_str(), {viewRect_.left, top, viewRect_.right, top + kLineHeight}, kHRXAlignLeft);
        top += kLineHeight;
        start = end;
        while (start < text_.size() && text_[start] == ' ')
            ++start;
    }
}

PresetBarPanel::PresetBarPanel(HRXPresetBarHost* host, const HRXRect& window, double boxWidth, double boxHeight,
                               const std::string& title)
    : host_(host), container_(host->createPresetBarContainer(window)), title_(title) {
    const double left = static_cast<int32_t>((window.width() - boxWidth) * 0.5);
    const double top = static_cast<int32_t>((window.height() - boxHeight) * 0.5);
    box_ = {left, top, left + boxWidth, top + boxHeight};
    container_->addControl(new PanelBackground({0.0, 0.0, window.width(), window.height()}, box_));
    container_->addControl(makeLabel({box_.left + kPadding, box_.top + 10.0, box_.right - kPadding, box_.top + 32.0},
                                     title, getFontArial14(), kAccent, kHRXAlignLeft));
}

PresetBarPanel::~PresetBarPanel() {
    hide();
    delete container_;
}

void PresetBarPanel::show() {
    if (!host_->getEngine()->isAttached(container_))
        host_->getEngine()->addView(container_);
}

void PresetBarPanel::hide() {
    if (host_->getEngine()->isAttached(container_))
        host_->getEngine()->removeView(container_);
}

void PresetBarPanel::addButtons(const std::vector<std::pair<std::string, int32_t>>& labels) {
    double right = box_.right - 10.0;
    for (const auto& label : labels) {
        auto* button = new PresetBarLabelButton(
            {right - kButtonWidth, box_.bottom - 10.0 - kButtonHeight, right, box_.bottom - 10.0}, label.second,
            label.first.c_str());
        container_->addControl(button);
        buttons_.push_back(button);
        right -= kButtonWidth;
    }
}

PresetBarLabelButton* PresetBarPanel::getButton(int32_t tag) const {
    for (PresetBarLabelButton* button : buttons_) {
        if (button->getTag() == tag)
            return button;
    }
    return nullptr;
}

PresetBarMessagePanel::PresetBarMessagePanel(HRXPresetBarHost* host, const HRXRect& window, const std::string& title,
                                             const std::string& text,
                                             const std::vector<std::pair<std::string, int32_t>>& buttons)
    : PresetBarPanel(host, window, 340.0, 140.0, title), text_(text) {
    container_->addControl(new PresetBarPanelText(
        {box_.left + kPadding, box_.top + 38.0, box_.right - kPadding, box_.bottom - 44.0}, text));
    addButtons(buttons);
}

PresetBarSavePanel::PresetBarSavePanel(HRXPresetBarHost* host, const HRXRect& window, const std::string& offeredName,
                                       const std::vector<std::string>& folders)
    : PresetBarPanel(host, window, 360.0, 150.0, "Save preset") {
    const double captionRight = box_.left + 70.0;
    const double fieldLeft = box_.left + 78.0;
    const double nameTop = box_.top + 42.0;
    const double folderTop = box_.top + 74.0;
    container_->addControl(makeLabel({box_.left + kPadding, nameTop, captionRight, nameTop + 22.0},
                                     "Name:", getFontArial12(), kTextDim, kHRXAlignRight));
    nameField_ = new HRXTextEdit({fieldLeft, nameTop, box_.right - 50.0, nameTop + 22.0}, kTagSaveName,
                                 offeredName.c_str(), kFileNameLength);
    nameField_->setFont(getFontArial14());
    nameField_->setColours(kTextBright, kField, kAccent);
    container_->addControl(nameField_);
    const HRXRect extensionRect{box_.right - 48.0, nameTop, box_.right - kPadding, nameTop + 22.0};
    container_->addControl(
        makeLabel(extensionRect, product().presetFileExtension, getFontArial14(), kTextDim, kHRXAlignLeft));
    container_->addControl(makeLabel({box_.left + kPadding, folderTop, captionRight, folderTop + 22.0},
                                     "Folder:", getFontArial12(), kTextDim, kHRXAlignRight));
    folderMenu_ = new HRXOptionMenu({fieldLeft, folderTop, box_.right - kPadding, folderTop + 22.0}, kTagSaveFolder);
    folderMenu_->setFont(getFontArial14());
    folderMenu_->setColours(kText, kFace, kEdgeHovered);
    for (const std::string& folder : folders)
        folderMenu_->addEntry(folder.c_str());
    folderMenu_->setCurrent(0);
    folderMenu_->setTooltip("Click to choose the folder to save the preset in");
    container_->addControl(folderMenu_);
    addButtons({{"Cancel", kTagSaveCancel}, {"Save", kTagSaveConfirm}});
}

void PresetBarSavePanel::focusName() {
    nameField_->startEditing();
}
