#pragma once

#include <cstdint>
#include <memory>

// The menu structure of one preset group: up to 128 categories of up to 512
// presets each. Names are cut to 63 characters; entries beyond the bounds
// are left out, so nothing is ever written past them.

constexpr int32_t kMaxPresetCategories = 128;
constexpr int32_t kMaxCategoryItems = 512;
constexpr int32_t kPresetListNameSize = 64;  // 63 characters and a terminator
constexpr int32_t kMainFolderSlot = 127;     // where the user table keeps its main folder

struct HRXPresetItem {
    int32_t factorySlot = -1;             // factory preset slot, or -1 for a user file
    char name[kPresetListNameSize] = {};  // factory name, or the file name without ".hrx"
    int32_t folder = -1;                  // user file: category slot of its folder (0 main)
};

struct HRXPresetCategory {
    char name[kPresetListNameSize] = {};
    int32_t count = 0;
    HRXPresetItem items[kMaxCategoryItems];

    // False (nothing added) when the category is full.
    bool addItem(const HRXPresetItem& item);
};

struct HRXPresetCategoryTable {
    std::unique_ptr<HRXPresetCategory> slots[kMaxPresetCategories];
    int32_t count = 0;  // categories in use

    // The category at `slot`, or null when the slot is out of range or empty.
    HRXPresetCategory* category(int32_t slot) const;
    // Empties the category at `slot` (creating it when needed) and names it.
    HRXPresetCategory* resetSlot(int32_t slot, const char* name);
};

// Copies `text` into a list name field, cut to 63 characters, zero-filled.
void setPresetListName(char (&field)[kPresetListNameSize], const char* text, size_t length);

// Ordering of preset and folder names: byte by byte after upper-casing
// a..z, bytes compared as signed; a prefix comes first. Answers <0, 0, >0.
int comparePresetNames(const char* a, const char* b);

// Ascending order by comparePresetNames; names equal but for case in byte
// order, so a listing is the same on every run.
bool presetItemBefore(const HRXPresetItem& a, const HRXPresetItem& b);
