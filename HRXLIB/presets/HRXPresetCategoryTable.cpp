#include "HRXPresetCategoryTable.h"

#include <algorithm>
#include <cstring>

bool HRXPresetCategory::addItem(const HRXPresetItem& item) {
    if (count < 0 || count >= kMaxCategoryItems)
        return false;
    items[count++] = item;
    return true;
}

HRXPresetCategory* HRXPresetCategoryTable::category(int32_t slot) const {
    if (slot < 0 || slot >= kMaxPresetCategories)
        return nullptr;
    return slots[slot].get();
}

HRXPresetCategory* HRXPresetCategoryTable::resetSlot(int32_t slot, const char* name) {
    if (slot < 0 || slot >= kMaxPresetCategories)
        return nullptr;
    if (!slots[slot])
        slots[slot].reset(new HRXPresetCategory);
    HRXPresetCategory& entry = *slots[slot];
    entry.count = 0;
    setPresetListName(entry.name, name, std::strlen(name));
    return &entry;
}

void setPresetListName(char (&field)[kPresetListNameSize], const char* text, size_t length) {
    std::memset(field, 0, sizeof field);
    std::memcpy(field, text, std::min(length, sizeof field - 1));
}

int comparePresetNames(const char* a, const char* b) {
    for (;; ++a, ++b) {
        signed char ca = static_cast<signed char>(*a);
        signed char cb = static_cast<signed char>(*b);
        if (ca >= 'a' && ca <= 'z')
            ca = static_cast<signed char>(ca - 'a' + 'A');
        if (cb >= 'a' && cb <= 'z')
            cb = static_cast<signed char>(cb - 'a' + 'A');
        if (ca == 0 || cb == 0)
            return ca == cb ? 0 : (ca == 0 ? -1 : 1);  // a prefix comes first
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
}

bool presetItemBefore(const HRXPresetItem& a, const HRXPresetItem& b) {
    const int order = comparePresetNames(a.name, b.name);
    return order != 0 ? order < 0 : std::strcmp(a.name, b.name) < 0;
}
