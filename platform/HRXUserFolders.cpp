#include "HRXUserFolders.h"

#include "HRXFileSystem.h"

#include <cstdlib>

std::string userProfileFolder() {
    const char* profile = std::getenv("USERPROFILE");
    if (profile != nullptr && profile[0] != '\0')
        return profile;
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return home;
    return std::string();
}

std::string makeUserPresetFolder(const char* makerFolder, const char* presetsFolder, const char* productFolder) {
    std::string path = userProfileFolder();
    if (path.empty())
        return path;
    // "Documents" too is created when missing: many Linux homes lack it.
    for (const char* level : {"Documents", makerFolder, presetsFolder, productFolder}) {
        path += '/';
        path += level;
        if (!folderExists(path))
            createFolder(path);
    }
    return path;
}
