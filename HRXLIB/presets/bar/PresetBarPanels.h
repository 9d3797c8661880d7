#pragma once

#include <string>
#include <vector>

#include "HRXCustomControl.h"

class HRXFont;
class HRXOptionMenu;
class HRXPresetBarHost;
class HRXTextEdit;
class HRXViewContainer;
class PresetBarLabelButton;

// Text broken into lines at blanks and slashes to fit its rectangle (a word
// longer than a line is broken where it must).
class PresetBarPanelText : public HRXCustomControl {
public:
    PresetBarPanelText(const HRXRect& rect, const std::string& text);
    void draw(HRXDrawContext* context) override;
    const std::string& getText() const { return text_; }

private:
    std::string text_;
};

// A panel drawn inside the window above everything else, in place of a
// desktop dialog: the window dimmed, a box with a title and buttons. It is
// modal: clicks beside the box go nowhere. Shown and hidden without waiting;
// the bar hears its buttons like any other control.
class PresetBarPanel {
public:
    PresetBarPanel(HRXPresetBarHost* host, const HRXRect& window, double boxWidth, double boxHeight,
                   const std::string& title);
    virtual ~PresetBarPanel();
    PresetBarPanel(const PresetBarPanel&) = delete;
    PresetBarPanel& operator=(const PresetBarPanel&) = delete;

    void show();
    // Detaches the panel; its views live until the panel is deleted.
    void hide();
    HRXViewContainer* getContainer() const { return container_; }
    const HRXRect& getBox() const { return box_; }
    const std::string& getTitle() const { return title_; }
    // The button reporting `tag`, null when the panel has none.
    PresetBarLabelButton* getButton(int32_t tag) const;

protected:
    // Buttons sit in a row at the box's bottom right, the first rightmost.
    void addButtons(const std::vector<std::pair<std::string, int32_t>>& buttons);

    HRXPresetBarHost* host_;
    HRXViewContainer* container_;
    HRXRect box_;

private:
    std::string title_;
    std::vector<PresetBarLabelButton*> buttons_;
};

// A message: title, text and buttons (OK, or a question's answers).
class PresetBarMessagePanel : public PresetBarPanel {
public:
    PresetBarMessagePanel(HRXPresetBarHost* host, const HRXRect& window, const std::string& title,
                          const std::string& text, const std::vector<std::pair<std::string, int32_t>>& buttons);
    const std::string& getText() const { return text_; }

private:
    std::string text_;
};

// "Save preset": the file name (offered, without its ".hrx"), the folder
// among the user preset folder and its sub-folders, Save and Cancel. The
// name field keeps the keyboard: Return saves, Escape cancels.
class PresetBarSavePanel : public PresetBarPanel {
public:
    // folders: display names, the user preset folder's own first.
    PresetBarSavePanel(HRXPresetBarHost* host, const HRXRect& window, const std::string& offeredName,
                       const std::vector<std::string>& folders);

    HRXTextEdit* getNameField() const { return nameField_; }
    HRXOptionMenu* getFolderMenu() const { return folderMenu_; }
    // Gives the name field the keyboard (the panel must be shown).
    void focusName();

private:
    HRXTextEdit* nameField_;
    HRXOptionMenu* folderMenu_;
};
