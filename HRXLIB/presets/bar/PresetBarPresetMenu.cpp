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

void PresetBarPresetMenu::build(HRXPresetBarHost* host, const HRXRect& rect)
{
    destroy();
    container = host->createPresetBarContainer(rect);
    const HRXColour background = PresetBarStyle::kPresetMenuBackground;
    container->setBackgroundColour(background.red, background.green, background.blue, background.alpha);
    const double width = rect.width();
    const double height = rect.height();
    // Clicks on the panel between the controls stay in the menu.
    container->addControl(new PresetBarClickStopper({0.0, 0.0, width, height}));
    groupSwitch = new HRXPresetMenuGroupSwitch({}, kTagPresetGroup);
    categoryColumn = new HRXCategoryColumn({}, kTagCategoryColumn);
    presetColumns = new HRXPresetColumns({}, kTagPresetColumns);
    bottomInfo = new HRXPresetMenuBottomTextInfo({}, kTagBottomInfo);
    designerLogo = new HRXDesignerLogo({}, kTagDesignerLogo);
    for (HRXBaseControl* control : std::initializer_list<HRXBaseControl*>{groupSwitch, categoryColumn, presetColumns,
                                                                         bottomInfo, designerLogo})
        container->addControl(control);
    layout(width, height);
}

void PresetBarPresetMenu::destroy()
{
    groupSwitch = nullptr;
    categoryColumn = nullptr;
    presetColumns = nullptr;
    bottomInfo = nullptr;
    designerLogo = nullptr;
    delete container;
    container = nullptr;
}

void PresetBarPresetMenu::setRect(const HRXRect& rect)
{
    if (!container)
        return;
    container->setViewSize(rect);
    layout(rect.width(), rect.height());
}

void PresetBarPresetMenu::layout(double width, double height)
{
    groupSwitch->setViewSize({kMargin, 8.0, width - kMargin, kTopRowBottom});
    categoryColumn->setViewSize({kMargin, kListsTop, kMargin + kCategoryWidth, kListsTop + 6 * 20.0});
    presetColumns->setViewSize({2.0, kPresetsTop, width - 2.0, height - kInfoHeight - 10.0});
    bottomInfo->setViewSize({kMargin, height - kInfoHeight - 4.0, width - kMargin, height - 4.0});
    showGroup();
}

// The photo belongs to the factory and designer groups.
void PresetBarPresetMenu::showGroup()
{
    if (!designerLogo)
        return;
    const double width = container->getRect().width();
    if (group == HRXPresetLibrary::kUserGroup)
        designerLogo->setViewSize({});
    else
        designerLogo->setViewSize({width - kMargin - kPhotoSize, kListsTop, width - kMargin, kListsTop + kPhotoSize});
}

void PresetBarPresetMenu::refresh()
{
    if (!container)
        return;
    HRXPresetLibrary::rescanUserFolders();
    if (manager) {
        group = manager->group;
        category = manager->category;
        preset = manager->presetIndex;
    }
    groupSwitch->setValue(group * 0.5);
    groupSwitch->redraw();
    categoryColumn->show(group, category);
    presetColumns->show(group, category, preset);
    showGroup();
    updateBottomInfo();
}

PresetBarPresetMenu::Result PresetBarPresetMenu::handle(int32_t tag, double value)
{
    if (!container)
        return Result::Stay;
    switch (tag) {
    case kTagPresetGroup: {
        const auto newGroup = static_cast<int32_t>(value * 2.0 + 0.5);
        if (newGroup == group)
            return Result::Stay;
        group = newGroup;
        category = 0;
        preset = -1;
        if (group == HRXPresetLibrary::kUserGroup)
            HRXPresetLibrary::rescanUserFolders();
        categoryColumn->show(group, -1);
        presetColumns->show(group, 0, -1);
        showGroup();
        updateBottomInfo();
        return Result::Stay;
    }
    case kTagCategoryColumn: {
        const int32_t entry = categoryColumn->getClickedEntry();
        if (entry < 0)
            return Result::Close;
        category = categoryColumn->getEntryItem(entry);
        categoryColumn->setCurrentEntry(entry);
        presetColumns->show(group, category, -1);
        preset = -1;
        updateBottomInfo();
        return Result::Stay;
    }
    case kTagPresetColumns: {
        const int32_t entry = presetColumns->getClickedEntry();
        if (entry < 0)
            return Result::Close;
        preset = presetColumns->getEntryItem(entry);
        if (manager)
            manager->selectPreset(group, category, preset);
        presetColumns->setCurrentEntry(entry);
        updateBottomInfo();
        return Result::Loaded;
    }
    case kTagBottomInfo:
        if (group == HRXPresetLibrary::kUserGroup)
            HRXPresetLibrary::openUserFolder();
        return Result::Stay;
    case kTagDesignerLogo:
        getShell().open(product().makerWebAddress);
        return Result::Close;
    default:
        return Result::Stay;
    }
}

void PresetBarPresetMenu::updateBottomInfo()
{
    if (group != HRXPresetLibrary::kUserGroup) {
        bottomInfo->setLines("Factory presets are integral part of the plugin",
                             "Factory presets are integral part of the plugin and they are NOT stored as files",
                             false);
        return;
    }
    const std::string& folder = HRXPresetLibrary::userPresetFolder();
    if (folder.empty()) {
        bottomInfo->setLines("Show file in Explorer", "Error while locating the preset file", true);
        return;
    }
    std::string path = folder;
    const HRXPresetItem* item = preset >= 0 ? HRXPresetLibrary::item(group, category, preset) : nullptr;
    // The sub-folder: the category's own, or in "All" the preset's.
    const int32_t folderSlot = category > 0 ? category : (item ? item->folder : 0);
    const char* subFolder = folderSlot > 0 ? HRXPresetLibrary::categoryName(group, folderSlot) : nullptr;
    if (subFolder)
        path += std::string("/") + subFolder;
    if (item)
        path += std::string("/") + item->name + product().presetFileExtension;
    bottomInfo->setLines("Show file in Explorer", path, true);
}
