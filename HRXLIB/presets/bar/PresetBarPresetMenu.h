#pragma once

#include <cstdint>

#include "HRXGeometry.h"

class HRXCategoryColumn;
class HRXDesignerLogo;
class HRXPresetBarHost;
class HRXPresetColumns;
class HRXPresetManager;
class HRXPresetMenuBottomTextInfo;
class HRXPresetMenuGroupSwitch;
class HRXViewContainer;

// The preset menu: a panel over the editor with the group switch, the
// category column, the preset columns, the designer's photo and two lines of
// information. Browsing groups and categories is the menu's own affair;
// choosing a preset loads it, with the group and category it lies in, as one
// history step of the instance's preset manager, so that undo returns to the
// preset loaded before and the arrows step through the list it came from.
class PresetBarPresetMenu {
public:
    enum class Result { Stay, Close, Loaded };

    explicit PresetBarPresetMenu(HRXPresetManager* manager) : manager_(manager) {}
    ~PresetBarPresetMenu() { destroy(); }
    PresetBarPresetMenu(const PresetBarPresetMenu&) = delete;
    PresetBarPresetMenu& operator=(const PresetBarPresetMenu&) = delete;

    // Builds the panel over `rect` (window units), not attached yet.
    void build(HRXPresetBarHost* host, const HRXRect& rect);
    // Forgets the controls and drops the panel.
    void destroy();
    void setRect(const HRXRect& rect);
    HRXViewContainer* getContainer() const { return container_; }

    // Takes the manager's group, category and preset and shows them, the
    // user folders found again.
    void refresh();
    // A control of the menu changed (tags 75 to 78, 88).
    Result handle(int32_t tag, double value);

    int32_t getGroup() const { return group_; }
    int32_t getCategory() const { return category_; }
    int32_t getPreset() const { return preset_; }
    HRXPresetMenuGroupSwitch* getGroupSwitch() const { return groupSwitch_; }
    HRXCategoryColumn* getCategoryColumn() const { return categoryColumn_; }
    HRXPresetColumns* getPresetColumns() const { return presetColumns_; }
    HRXPresetMenuBottomTextInfo* getBottomInfo() const { return bottomInfo_; }
    HRXDesignerLogo* getDesignerLogo() const { return designerLogo_; }

private:
    void layout(double width, double height);
    void showGroup();
    void updateBottomInfo();

    HRXPresetManager* manager_;
    HRXViewContainer* container_ = nullptr;
    HRXPresetMenuGroupSwitch* groupSwitch_ = nullptr;
    HRXCategoryColumn* categoryColumn_ = nullptr;
    HRXPresetColumns* presetColumns_ = nullptr;
    HRXPresetMenuBottomTextInfo* bottomInfo_ = nullptr;
    HRXDesignerLogo* designerLogo_ = nullptr;
    int32_t group_ = 0;
    int32_t category_ = 0;
    int32_t preset_ = -1;
};
