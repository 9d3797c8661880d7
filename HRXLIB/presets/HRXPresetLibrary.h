#pragma once

#include "HRXPresetCategoryTable.h"
#include "HRXPresetRecord.h"

#include <cstdint>
#include <string>

// The process-wide preset library: the factory ("Application"), designer
// ("Designer") and user-file ("My presets") groups with their category
// tables, and the user preset folder. Built by the first preset manager,
// torn down when the last one goes. Main thread only.
class HRXPresetLibrary {
public:
    enum Group : int32_t { kFactoryGroup = 0, kDesignerGroup = 1, kUserGroup = 2, kGroups = 3 };

    // A preset manager was constructed: builds the library when none exists
    // (and reads the global settings when nothing has yet), counts it.
    static void acquire();
    // A preset manager was destroyed: the last one tears the library down.
    static void release();
    static bool isInitialised();
    static int32_t instanceCount();

    // <profile>/Documents/<maker>/User Presets/HRX velvaTon; "" without a library.
    static const std::string& userPresetFolder();
    // Rebuilds "My presets" from the user folder and its direct sub-folders.
    static void rescanUserFolders();

    // Null for a group, category or item that does not exist.
    static const HRXPresetCategoryTable* table(int32_t group);
    static const HRXPresetCategory* category(int32_t group, int32_t category);
    static const HRXPresetItem* item(int32_t group, int32_t category, int32_t index);
    static const char* categoryName(int32_t group, int32_t category);
    // Number of categories a menu shows (the user group's main folder is not one).
    static int32_t categoryCount(int32_t group);
    static int32_t itemCount(int32_t group, int32_t category);
    // Full path of a user item's file; "" for a factory item.
    static std::string itemFilePath(const HRXPresetItem& item);

    // The twelve values of a preset (parameters the preset does not hold
    // keep their defaults). False for a missing item or an unreadable file.
    static bool lookupValues(int32_t group, int32_t category, int32_t index, double (&values)[kPresetValues]);
    // Loads a preset's stored parameters and name into `record`; on failure
    // the values stay and the name becomes "error loading preset".
    static void loadPresetInto(int32_t group, int32_t category, int32_t index, HRXPresetRecord& record, bool selection);

    // Opens the user preset folder in the desktop's file browser; on failure
    // a message box "Could not open user's preset folder" titled with the path.
    static bool openUserFolder();

    // The per-user global settings (57 hints, 59 zoom), for the wrappers.
    static void writeGlobalSetting(int32_t number, double value);
    static void readGlobalSetting(int32_t number, double* value);
};
