#pragma once

#include "HRXPresetRecord.h"

#include <cstdint>
#include <string>
#include <vector>

// Presets as the command line names them: a factory preset (looked up first,
// in slot order) or a file of the user preset folder, by its listed name.

// Holds the process-wide preset library (factory tables, user folder scan)
// for the life of the object.
class PresetLibrarySession {
public:
    PresetLibrarySession();
    ~PresetLibrarySession();
    PresetLibrarySession(const PresetLibrarySession&) = delete;
    PresetLibrarySession& operator=(const PresetLibrarySession&) = delete;
};

// Fills `record` (name and parameters 0..11) from the preset called `name`.
// False when no preset has that name, with `error` listing the closest names.
// Needs a PresetLibrarySession.
bool findPresetByName(const std::string& name, HRXPresetRecord& record, std::string& error);

// Reads a preset file as the plug-in loads it; `present[i]` tells whether
// the file holds parameter i. False, with `error` set, when the file cannot
// be read, is no valid preset container or lacks parameter 0 (Process).
bool readPresetFileStrict(const std::string& path, HRXPresetRecord& record, bool (&present)[12], std::string& error);

// The same checks on a file's bytes already read (`path` names it in errors).
bool checkPresetBytes(const std::vector<uint8_t>& bytes, const std::string& path, HRXPresetRecord& record,
                      bool (&present)[12], std::string& error);

// Up to `count` candidates nearest to `name` (edit distance, ignoring case),
// each once, nearest first.
std::vector<std::string> closestNames(const std::string& name, const std::vector<std::string>& candidates,
                                      size_t count);
