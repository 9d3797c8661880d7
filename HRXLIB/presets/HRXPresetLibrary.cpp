#include "HRXPresetLibrary.h"

#include "HRXGlobalSettings.h"
#include "HRXMessageBox.h"
#include "HRXPresetFile.h"
#include "HRXFileSystem.h"
#include "HRXShell.h"
#include "HRXUserFolders.h"
#include "HRXProduct.h"

#include <algorithm>
#include <cstring>
#include <vector>
#include <memory>

namespace {

struct LibraryState {
    HRXPresetCategoryTable tables[HRXPresetLibrary::kGroups];
    std::string userFolder;
};

std::unique_ptr<LibraryState> library;
int32_t instances = 0;
const std::string kNoFolder;

void addFactoryItem(HRXPresetCategory& category, int32_t slot) {
    char name[kPresetNameSize] = {};
    product().getFactoryPreset(slot, nullptr, name, nullptr);
    HRXPresetItem item;
    item.factorySlot = slot;
    setPresetListName(item.name, name, strnlen(name, sizeof name));
    item.folder = -1;
    category.addItem(item);
}

// "All" with every factory slot that has a name, in slot order.
void fillAllFactorySlots(HRXPresetCategory& all) {
    for (int32_t slot = 0; slot < kBankRecords; ++slot) {
        char name[kPresetNameSize] = {};
        product().getFactoryPreset(slot, nullptr, name, nullptr);
        if (name[0] != '\0')
            addFactoryItem(all, slot);
    }
}

void buildFactoryTable(HRXPresetCategoryTable& table) {
    fillAllFactorySlots(*table.resetSlot(0, "All"));
    table.count = 1;
    for (int32_t number = 0; number < kMainFolderSlot && table.count < kMainFolderSlot; ++number) {
        const char* name = product().getFactoryCategoryName(number);
        if (!name)
            continue;
        HRXPresetCategory& category = *table.resetSlot(table.count++, name);
        for (int32_t slot = 0; slot < kBankRecords; ++slot) {
            HRXPresetPlacement placement{-1, 0};
            product().getFactoryPreset(slot, nullptr, nullptr, &placement);
            if (placement.category == number)
                addFactoryItem(category, slot);
        }
    }
}

// The product has one designer, with an empty name: it forms no category.
void buildDesignerTable(HRXPresetCategoryTable& table) {
    fillAllFactorySlots(*table.resetSlot(0, "All"));
    table.count = 1;
}

bool isPresetFileName(const std::string& name) {
    const char* ending = product().presetFileExtension;
    const size_t extension = std::strlen(ending);
    return name.size() > extension && name.compare(name.size() - extension, extension, ending) == 0;
}

// A name that does not fit a list entry could not find its file again.
bool fitsListName(size_t length) {
    return length > 0 && length < static_cast<size_t>(kPresetListNameSize);
}

// Items ordered by name; beyond 512 the first by name are kept, so the
// choice does not depend on the listing.
void fillOrdered(HRXPresetCategory& category, std::vector<HRXPresetItem>& items) {
    std::stable_sort(items.begin(), items.end(), presetItemBefore);
    for (const HRXPresetItem& presetItem : items) {
        if (!category.addItem(presetItem))
            break;
    }
}

// The preset files of `folder` as items of the folder at `folderSlot`.
std::vector<HRXPresetItem> listPresetFiles(const std::string& folder, int32_t folderSlot) {
    std::vector<HRXDirectoryEntry> entries;
    listDirectory(folder, entries);
    std::vector<HRXPresetItem> files;
    const size_t extension = std::strlen(product().presetFileExtension);
    for (const HRXDirectoryEntry& entry : entries) {
        if (entry.isDirectory || !isPresetFileName(entry.name) || !fitsListName(entry.name.size() - extension))
            continue;
        HRXPresetItem presetItem;
        presetItem.factorySlot = -1;
        setPresetListName(presetItem.name, entry.name.c_str(), entry.name.size() - extension);
        presetItem.folder = folderSlot;
        files.push_back(presetItem);
    }
    return files;
}

void scanUserFolders(LibraryState& state) {
    HRXPresetCategoryTable& table = state.tables[HRXPresetLibrary::kUserGroup];
    for (auto& slot : table.slots)
        slot.reset();
    table.count = 0;

    // Sub-folders: named, not hidden, ordered by name; the first 126 by name
    // take slots 1..126 (slot 127 holds the main folder).
    std::vector<HRXDirectoryEntry> entries;
    listDirectory(state.userFolder, entries);
    std::vector<HRXPresetItem> folders;
    for (const HRXDirectoryEntry& entry : entries) {
        if (!entry.isDirectory || entry.name[0] == '.' || !fitsListName(entry.name.size()))
            continue;
        HRXPresetItem folder;
        setPresetListName(folder.name, entry.name.c_str(), entry.name.size());
        folders.push_back(folder);
    }
    std::stable_sort(folders.begin(), folders.end(), presetItemBefore);
    if (folders.size() > static_cast<size_t>(kMainFolderSlot - 1))
        folders.resize(kMainFolderSlot - 1);
    const int32_t subFolders = static_cast<int32_t>(folders.size());

    std::vector<HRXPresetItem> everything = listPresetFiles(state.userFolder, 0);
    std::vector<HRXPresetItem> mainFiles = everything;
    fillOrdered(*table.resetSlot(kMainFolderSlot, "#MAIN FOLDER"), mainFiles);
    for (int32_t k = 1; k <= subFolders; ++k) {
        HRXPresetCategory& category = *table.resetSlot(k, folders[k - 1].name);
        std::vector<HRXPresetItem> files = listPresetFiles(state.userFolder + "/" + category.name, k);
        everything.insert(everything.end(), files.begin(), files.end());
        fillOrdered(category, files);
    }
    // "All": every file of the main folder and the sub-folders.
    fillOrdered(*table.resetSlot(0, "All"), everything);
    table.count = 1 + subFolders;
}

}  // namespace

void HRXPresetLibrary::acquire() {
    if (!HRXGlobalSettings::isLoaded())
        HRXGlobalSettings::load();
    if (!library) {
        library.reset(new LibraryState);
        library->userFolder =
            makeUserPresetFolder(product().makerDocumentsFolder, product().userPresetsFolder, product().productFolder);
        buildFactoryTable(library->tables[kFactoryGroup]);
        buildDesignerTable(library->tables[kDesignerGroup]);
        scanUserFolders(*library);
    }
    ++instances;
}

void HRXPresetLibrary::release() {
    if (instances > 0 && --instances == 0)
        library.reset();
}

bool HRXPresetLibrary::isInitialised() {
    return library != nullptr;
}

int32_t HRXPresetLibrary::instanceCount() {
    return instances;
}

const std::string& HRXPresetLibrary::userPresetFolder() {
    return library ? library->userFolder : kNoFolder;
}

void HRXPresetLibrary::rescanUserFolders() {
    if (library)
        scanUserFolders(*library);
}

const HRXPresetCategoryTable* HRXPresetLibrary::table(int32_t group) {
    if (!library || group < 0 || group >= kGroups)
        return nullptr;
    return &library->tables[group];
}

const HRXPresetCategory* HRXPresetLibrary::category(int32_t group, int32_t categoryIndex) {
    const HRXPresetCategoryTable* groupTable = table(group);
    if (!groupTable)
        return nullptr;
    if (categoryIndex != kMainFolderSlot && categoryIndex >= groupTable->count)
        return nullptr;  // a slot left from an earlier, larger scan
    return groupTable->category(categoryIndex);
}

const HRXPresetItem* HRXPresetLibrary::item(int32_t group, int32_t categoryIndex, int32_t index) {
    const HRXPresetCategory* list = category(group, categoryIndex);
    if (!list || index < 0 || index >= list->count)
        return nullptr;
    return &list->items[index];
}

const char* HRXPresetLibrary::categoryName(int32_t group, int32_t categoryIndex) {
    const HRXPresetCategory* list = category(group, categoryIndex);
    return list ? list->name : nullptr;
}

int32_t HRXPresetLibrary::categoryCount(int32_t group) {
    const HRXPresetCategoryTable* groupTable = table(group);
    return groupTable ? groupTable->count : 0;
}

int32_t HRXPresetLibrary::itemCount(int32_t group, int32_t categoryIndex) {
    const HRXPresetCategory* list = category(group, categoryIndex);
    return list ? list->count : 0;
}

std::string HRXPresetLibrary::itemFilePath(const HRXPresetItem& presetItem) {
    if (!library || presetItem.factorySlot >= 0)
        return std::string();
    const char* subFolder = nullptr;
    if (presetItem.folder != 0) {
        subFolder = categoryName(kUserGroup, presetItem.folder);
        if (!subFolder)
            return std::string();
    }
    return presetFilePath(library->userFolder, subFolder, presetItem.name);
}

bool HRXPresetLibrary::lookupValues(int32_t group, int32_t categoryIndex, int32_t index,
                                    double (&values)[kPresetValues]) {
    const HRXPresetItem* presetItem = item(group, categoryIndex, index);
    if (!presetItem)
        return false;
    if (presetItem->factorySlot >= 0) {
        getPresetValues(presetItem->factorySlot, values);
        return true;
    }
    for (int32_t i = 0; i < kPresetValues; ++i)
        values[i] = product().getParameterDefault(i);
    const std::string path = itemFilePath(*presetItem);
    if (path.empty())
        return false;
    HRXPresetRecord record{};
    for (int32_t i = 0; i < kPresetValues; ++i)
        record.values[i] = static_cast<float>(values[i]);
    record.values[0] = -1.0f;  // a file without parameter 0 does not load
    readPresetFile(path, record);
    if (!(record.values[0] >= 0.0f))
        return false;
    for (int32_t i = 0; i < kPresetValues; ++i)
        values[i] = record.values[i];
    return true;
}

void HRXPresetLibrary::loadPresetInto(int32_t group, int32_t categoryIndex, int32_t index, HRXPresetRecord& record,
                                      bool selection) {
    double values[kPresetValues];
    if (!lookupValues(group, categoryIndex, index, values)) {
        setPresetRecordName(record, "error loading preset");
        return;
    }
    const bool factoryGroup = group == kFactoryGroup || group == kDesignerGroup;
    for (int32_t i = 0; i < kPresetValues; ++i) {
        const uint32_t flags = product().getParameterFlags(i);
        if (!(flags & kFlagUndoableEdit))
            continue;
        if ((flags & kFlagStoredInPreset) && selection && factoryGroup)
            continue;
        record.values[i] = static_cast<float>(values[i]);
    }
    setPresetRecordName(record, item(group, categoryIndex, index)->name);
}

bool HRXPresetLibrary::openUserFolder() {
    const std::string& folder = userPresetFolder();
    if (getShell().open(folder) == HRXShellResult::Opened)
        return true;
    getMessageBox().show(folder, "Could not open user's preset folder");
    return false;
}

void HRXPresetLibrary::writeGlobalSetting(int32_t number, double value) {
    HRXGlobalSettings::write(number, value);
}

void HRXPresetLibrary::readGlobalSetting(int32_t number, double* value) {
    HRXGlobalSettings::read(number, value);
}
