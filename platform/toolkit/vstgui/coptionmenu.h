#pragma once

#include "ctextlabel.h"

#include <string>
#include <vector>

namespace VSTGUI {

class COptionMenu;

// One entry of a pop-up menu.
class CMenuItem : public CBaseObject {
public:
    enum Flags : int32_t {
        kNoFlags = 0,
        kDisabled = 1 << 0,
        kTitle = 1 << 1,
        kChecked = 1 << 3,
        kSeparator = 1 << 4,
    };

    CMenuItem(const char* title, int32_t flags = kNoFlags, COptionMenu* submenu = nullptr);
    ~CMenuItem() override;

    const std::string& getTitle() const { return title_; }
    void setTitle(const char* title) { title_ = title ? title : ""; }
    int32_t getFlags() const { return flags_; }
    void setChecked(bool checked);
    bool isChecked() const { return (flags_ & kChecked) != 0; }
    void setEnabled(bool enabled);
    bool isEnabled() const { return (flags_ & kDisabled) == 0; }
    bool isSeparator() const { return (flags_ & kSeparator) != 0; }
    bool isTitle() const { return (flags_ & kTitle) != 0; }
    COptionMenu* getSubmenu() const { return submenu_; }
    void setTag(int32_t tag) { tag_ = tag; }
    int32_t getTag() const { return tag_; }

private:
    std::string title_;
    int32_t flags_;
    COptionMenu* submenu_;
    int32_t tag_ = -1;
};

// A button showing the current entry's title that pops up its entries
// (through the platform window) when clicked. A choice makes the entry
// current in the menu it belongs to (the root or a submenu) and is reported
// by the root menu's listener; getLastItemMenu tells which entry it was.
// A choice in the root menu also sets the root's value to the index.
class COptionMenu : public CTextLabel {
public:
    COptionMenu(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background = nullptr,
                CBitmap* backgroundWhenClicked = nullptr, int32_t style = 0);
    COptionMenu();
    ~COptionMenu() override;

    // index -1 appends. The menu keeps a reference to the submenu.
    CMenuItem* addEntry(const char* title, int32_t index = -1, int32_t flags = CMenuItem::kNoFlags);
    CMenuItem* addEntry(COptionMenu* submenu, const char* title);
    CMenuItem* addSeparator();
    CMenuItem* getEntry(int32_t index) const;
    int32_t getNbEntries() const { return static_cast<int32_t>(items_.size()); }
    bool removeEntry(int32_t index);
    void removeAllEntry();
    bool checkEntry(int32_t index, bool checked);

    int32_t getCurrentIndex() const { return current_; }
    bool setCurrent(int32_t index);
    // The menu and entry of the last choice (may be a submenu).
    COptionMenu* getLastItemMenu(int32_t& index) const;

    // Pops the menu up below the control and returns at once; true when it
    // is shown. The platform window delivers a choice later through choose.
    bool popup();
    // Records a choice made in the pop-up (or as if the user made it).
    void choose(COptionMenu* menu, int32_t index);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;

private:
    std::vector<CMenuItem*> items_;
    int32_t current_ = -1;
    COptionMenu* lastMenu_ = nullptr;
    int32_t lastIndex_ = -1;
};

}  // namespace VSTGUI
