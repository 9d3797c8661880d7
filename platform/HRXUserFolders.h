#pragma once

#include <string>

// The user's documents base: $USERPROFILE when set and not empty, else $HOME;
// "" when neither is set.
std::string userProfileFolder();

// Builds <profile>/Documents/<makerFolder>/<presetsFolder>/<productFolder>
// ('/' separated; <profile> as userProfileFolder) and makes sure each level
// exists, creating missing ones one at a time from "Documents" down. Returns
// the path, also when a level could not be created (a folder that does not
// exist then lists no entries); "" when no profile folder is known.
std::string makeUserPresetFolder(const char* makerFolder, const char* presetsFolder, const char* productFolder);
