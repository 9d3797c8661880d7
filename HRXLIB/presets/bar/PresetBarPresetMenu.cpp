#include "PresetBarPresetMenu.h"

#include "HRXMasterPresetBar.h"
#include "HRXPresetCustomMenu.h"
#include "HRXPresetLibrary.h"
#include "HRXPresetManager.h"
#include "HRXShell.h"
#include "HRXViewContainer.h"
#include "PresetBarBasicControl.h"
#include "PresetBarPresetMenuControls.h"
#include "PresetBarStyle.h"
#include "PresetBarSwitches.h"
#include "PresetBarTags.h"
#include "HRXProduct.h"

#include <initializer_list>

namespace {

constexpr double kMargin = 10.0;
constexpr double kPhotoSize = 120.0;
constexpr double kCategoryWidth = 240.0;
constexpr double kTopRowBottom = 32.0;
constexpr double kListsTop = 42.0;
constexpr double kPresetsTop = 172.0;
constexpr double kInfoHeight = 32.0;

}  // namespace

void PresetBarPresetMenu::build(HRXPresetBarHost* host, const HRXRect& rect) {
    destroy();
    container_ = host->createPresetBarContainer(rect);
    const HRXColour background = PresetBarStyle::kPresetMenuBackground;
    container_->setBackgroundColour(background.red, background.green, background.blue, background.alpha);
    const double width = rect.width();
    const double height = rect.height();
    // Clicks on the panel between the controls stay in the menu.
    container_->addControl(new PresetBarClickStopper({0.0, 0.0, width, height}));
    groupSwitch_ = new HRXPresetMenuGroupSwitch({}, kTagPresetGroup);
    categoryColumn_ = new HRXCategoryColumn({}, kTagCategoryColumn);
    presetColumns_ = new HRXPresetColumns({}, kTagPresetColumns);
    bottomInfo_ = new HRXPresetMenuBottomTextInfo({}, kTagBottomInfo);
    designerLogo_ = new HRXDesignerLogo({}, kTagDesignerLogo);
    for (HRXBaseControl* control : std::initializer_list<HRXBaseControl*>{groupSwitch_, categoryColumn_, presetColumns_,
                                                                          bottomInfo_, designerLogo_})
        container_->addControl(control);
    layout(width, height);
}

void PresetBarPresetMenu::destroy() {
    groupSwitch_ = nullptr;
    categoryColumn_ = nullptr;
    presetColumns_ = nullptr;
    bottomInfo_ = nullptr;
    designerLogo_ = nullptr;
    delete container_;
    container_ = nullptr;
}

void PresetBarPresetMenu::setRect(const HRXRect& rect) {
    if (!container_)
        return;
    container_->setViewSize(rect);
    layout(rect.width(), rect.height());
}

void PresetBarPresetMenu::layout(double width, double height) {
    groupSwitch_->setViewSize({kMargin, 8.0, width - kMargin, kTopRowBottom});
    categoryColumn_->setViewSize({kMargin, kListsTop, kMargin + kCategoryWidth, kListsTop + 6 * 20.0});
    presetColumns_->setViewSize({2.0, kPresetsTop, width - 2.0, height - kInfoHeight - 10.0});
    bottomInfo_->setViewSize({kMargin, height - kInfoHeight - 4.0, width - kMargin, height - 4.0});
    showGroup();
}

// The photo belongs to the factory and designer groups.
void PresetBarPresetMenu::showGroup() {
    if (!designerLogo_)
        return;
    const double width = container_->getRect().width();
    if (group_ == HRXPresetLibrary::kUserGroup)
        designerLogo_->setViewSize({});
    else
        designerLogo_->setViewSize({width - kMargin - kPhotoSize, kListsTop, width - kMargin, kListsTop + kPhotoSize});
}

void PresetBarPresetMenu::refresh() {
    if (!container_)
        return;
    HRXPresetLibrary::rescanUserFolders();
    if (manager_) {
        group_ = manager_->group;
        category_ = manager_->category;
        preset_ = manager_->presetIndex;
    }
    groupSwitch_->setValue(group_ * 0.5);
    groupSwitch_->redraw();
    categoryColumn_->show(group_, category_);
    presetColumns_->show(group_, category_, preset_);
    showGroup();
    updateBottomInfo();
}

PresetBarPresetMenu::Result PresetBarPresetMenu::handle(int32_t tag, double value) {
    if (!container_)
        return Result::Stay;
    switch (tag) {
    case kTagPresetGroup: {
        const auto newGroup = static_cast<int32_t>(value * 2.0 + 0.5);
        if (newGroup == group_)
            return Result::Stay;
        group_ = newGroup;
        category_ = 0;
        preset_ = -1;
        if (group_ == HRXPresetLibrary::kUserGroup)
            HRXPresetLibrary::rescanUserFolders();
        categoryColumn_->show(group_, -1);
        presetColumns_->show(group_, 0, -1);
        showGroup();
        updateBottomInfo();
        return Result::Stay;
    }
    case kTagCategoryColumn: {
        const int32_t entry = categoryColumn_->getClickedEntry();
        if (entry < 0)
            return Result::Close;
        category_ = categoryColumn_->getEntryItem(entry);
        categoryColumn_->setCurrentEntry(entry);
        presetColumns_->show(group_, category_, -1);
        preset_ = -1;
        updateBottomInfo();
        return Result::Stay;
    }
    case kTagPresetColumns: {
        const int32_t entry = presetColumns_->getClickedEntry();
        if (entry < 0)
            return Result::Close;
        preset_ = presetColumns_->getEntryItem(entry);
        if (manager_)
            manager_->selectPreset(group_, category_, preset_);
        presetColumns_->setCurrentEntry(entry);
        updateBottomInfo();
        return Result::Loaded;
    }
    case kTagBottomInfo:
        if (group_ == HRXPresetLibrary::kUserGroup)
            HRXPresetLibrary::openUserFolder();
        return Result::Stay;
    case kTagDesignerLogo: getShell().open(product().makerWebAddress); return Result::Close;
    default: return Result::Stay;
    }
}

void PresetBarPresetMenu::updateBottomInfo() {
    if (group_ != HRXPresetLibrary::kUserGroup) {
        bottomInfo_->setLines("Factory presets are integral part of the plugin",
                              "Factory presets are integral part of the plugin and they are NOT stored as files",
                              false);
        return;
    }
    const std::string& folder = HRXPresetLibrary::userPresetFolder();
    if (folder.empty()) {
        bottomInfo_->setLines("Show file in Explorer", "Error while locating the preset file", true);
        return;
    }
    std::string path = folder;
    const HRXPresetItem* item = preset_ >= 0 ? HRXPresetLibrary::item(group_, category_, preset_) : nullptr;
    // The sub-folder: the category's own, or in "All" the preset's.
    const int32_t folderSlot = category_ > 0 ? category_ : (item ? item->folder : 0);
    const char* subFolder = folderSlot > 0 ? HRXPresetLibrary::categoryName(group_, folderSlot) : nullptr;
    if (subFolder)
        path += std::string("/") + subFolder;
    if (item)
        path += std::string("/") + item->name + product().presetFileExtension;
    bottomInfo_->setLines("Show file in Explorer", path, true);
}
