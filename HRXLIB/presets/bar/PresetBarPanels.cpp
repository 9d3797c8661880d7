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
    PanelBackground(const HRXRect& window, const HRXRect& box) : HRXCustomControl(window, -1, nullptr), box(box) {}
    void draw(HRXDrawContext* context) override
    {
        context->setFillColour(kBackdrop);
        context->fillRect(viewRect);
        context->setFillColour({0x26, 0x26, 0x26, 0xFF});
        context->fillRect(box);
        drawFrame(context, box, kEdgeHovered);
        context->setFillColour(kAccent);
        context->fillRect({box.left + 1.0, box.top + 1.0, box.right - 1.0, box.top + 3.0});
    }
    int32_t onMouseDown(const HRXPoint&, uint32_t buttons) override
    {
        return (buttons & kHRXLeftButton) ? kHRXMouseHandledNoMoves : kHRXMouseNotHandled;
    }
    bool onWheel(const HRXPoint&, float, uint32_t) override { return true; }

private:
    HRXRect box;
};

HRXTextLabel* makeLabel(const HRXRect& rect, const std::string& text, HRXFont* font, const HRXColour& colour,
                        HRXTextAlignment alignment)
{
    auto* label = new HRXTextLabel(rect, -1, text.c_str());
    label->setFont(font);
    label->setColours(colour, kNone, kNone);
    label->setAlignment(alignment);
    return label;
}

bool isLineBreak(char c) { return c == ' ' || c == '/'; }

}  // namespace

PresetBarPanelText::PresetBarPanelText(const HRXRect& rect, const std::string& text)
    : HRXCustomControl(rect, -1, nullptr), text(text)
{
}

void PresetBarPanelText::draw(HRXDrawContext* context)
{
    context->setFont(getFontArial12());
    context->setFontColour(kText);
    const double width = viewRect.width();
    double top = viewRect.top;
    size_t start = 0;
    while (start < text.size() && top + kLineHeight <= viewRect.bottom + 0.5) {
        // The longest run from `start` that fits, preferably ending at a break.
        size_t end = start;
        size_t lastBreak = std::string::npos;
        while (end < text.size()) {
            size_t next = end + 1;
            while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
                ++next;  // whole UTF-8 characters
            if (context->getStringWidth(text.substr(start, next - start).c_str()) > width && end > start)
                break;
            if (isLineBreak(text[end]))
                lastBreak = next;
            end = next;
        }
        if (end < text.size() && lastBreak != std::string::npos && lastBreak > start)
            end = lastBreak;
        std::string line = text.substr(start, end - start);
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        context->drawString(line.c_str(), {viewRect.left, top, viewRect.right, top + kLineHeight}, kHRXAlignLeft);
        top += kLineHeight;
        start = end;
        while (start < text.size() && text[start] == ' ')
            ++start;
    }
}

PresetBarPanel::PresetBarPanel(HRXPresetBarHost* host, const HRXRect& window, double boxWidth, double boxHeight,
                               const std::string& title)
    : host(host), container(host->createPresetBarContainer(window)), title(title)
{
    const double left = static_cast<int32_t>((window.width() - boxWidth) * 0.5);
    const double top = static_cast<int32_t>((window.height() - boxHeight) * 0.5);
    box = {left, top, left + boxWidth, top + boxHeight};
    container->addControl(new PanelBackground({0.0, 0.0, window.width(), window.height()}, box));
    container->addControl(makeLabel({box.left + kPadding, box.top + 10.0, box.right - kPadding, box.top + 32.0}, title,
                                    getFontArial14(), kAccent, kHRXAlignLeft));
}

PresetBarPanel::~PresetBarPanel()
{
    hide();
    delete container;
}

void PresetBarPanel::show()
{
    if (!host->getEngine()->isAttached(container))
        host->getEngine()->addView(container);
}

void PresetBarPanel::hide()
{
    if (host->getEngine()->isAttached(container))
        host->getEngine()->removeView(container);
}

void PresetBarPanel::addButtons(const std::vector<std::pair<std::string, int32_t>>& labels)
{
    double right = box.right - 10.0;
    for (const auto& label : labels) {
        auto* button = new PresetBarLabelButton(
            {right - kButtonWidth, box.bottom - 10.0 - kButtonHeight, right, box.bottom - 10.0}, label.second,
            label.first.c_str());
        container->addControl(button);
        buttons.push_back(button);
        right -= kButtonWidth;
    }
}

PresetBarLabelButton* PresetBarPanel::getButton(int32_t tag) const
{
    for (PresetBarLabelButton* button : buttons) {
        if (button->getTag() == tag)
            return button;
    }
    return nullptr;
}

PresetBarMessagePanel::PresetBarMessagePanel(HRXPresetBarHost* host, const HRXRect& window, const std::string& title,
                                             const std::string& text,
                                             const std::vector<std::pair<std::string, int32_t>>& buttons)
    : PresetBarPanel(host, window, 340.0, 140.0, title), text(text)
{
    container->addControl(
        new PresetBarPanelText({box.left + kPadding, box.top + 38.0, box.right - kPadding, box.bottom - 44.0}, text));
    addButtons(buttons);
}

PresetBarSavePanel::PresetBarSavePanel(HRXPresetBarHost* host, const HRXRect& window, const std::string& offeredName,
                                       const std::vector<std::string>& folders)
    : PresetBarPanel(host, window, 360.0, 150.0, "Save preset")
{
    const double captionRight = box.left + 70.0;
    const double fieldLeft = box.left + 78.0;
    const double nameTop = box.top + 42.0;
    const double folderTop = box.top + 74.0;
    container->addControl(makeLabel({box.left + kPadding, nameTop, captionRight, nameTop + 22.0}, "Name:",
                                    getFontArial12(), kTextDim, kHRXAlignRight));
    nameField = new HRXTextEdit({fieldLeft, nameTop, box.right - 50.0, nameTop + 22.0}, kTagSaveName,
                                offeredName.c_str(), kFileNameLength);
    nameField->setFont(getFontArial14());
    nameField->setColours(kTextBright, kField, kAccent);
    container->addControl(nameField);
    const HRXRect extensionRect{box.right - 48.0, nameTop, box.right - kPadding, nameTop + 22.0};
    container->addControl(makeLabel(extensionRect, product().presetFileExtension, getFontArial14(), kTextDim, kHRXAlignLeft));
    container->addControl(makeLabel({box.left + kPadding, folderTop, captionRight, folderTop + 22.0}, "Folder:",
                                    getFontArial12(), kTextDim, kHRXAlignRight));
    folderMenu = new HRXOptionMenu({fieldLeft, folderTop, box.right - kPadding, folderTop + 22.0}, kTagSaveFolder);
    folderMenu->setFont(getFontArial14());
    folderMenu->setColours(kText, kFace, kEdgeHovered);
    for (const std::string& folder : folders)
        folderMenu->addEntry(folder.c_str());
    folderMenu->setCurrent(0);
    folderMenu->setTooltip("Click to choose the folder to save the preset in");
    container->addControl(folderMenu);
    addButtons({{"Cancel", kTagSaveCancel}, {"Save", kTagSaveConfirm}});
}

void PresetBarSavePanel::focusName()
{
    nameField->startEditing();
}
