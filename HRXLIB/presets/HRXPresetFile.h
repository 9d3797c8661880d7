#pragma once

#include "HRXPresetRecord.h"

#include <cstddef>
#include <cstdint>
#include <string>

// User preset files (".hrx"): single-preset containers on disk, addressed by
// full path; the current directory is never changed.

constexpr size_t kMaxPresetFileSize = 1u << 20;  // larger files are not presets

// Removes every trailing ".hrx" (case-sensitive) and appends one:
// "a.hrx.hrx" -> "a.hrx", "a.HRX" -> "a.HRX.hrx", "" -> ".hrx".
std::string normalisePresetFileName(const std::string& name);

// <userFolder>/<subFolder>/<presetName>.hrx, or <userFolder>/<presetName>.hrx
// when subFolder is null or empty.
std::string presetFilePath(const std::string& userFolder, const char* subFolder, const char* presetName);

// Reads a preset file, opened read-only, into `record` (readPresetContainer
// rules). False, with `record` untouched, when the file cannot be read or is
// not a valid single-preset container.
bool readPresetFile(const std::string& path, HRXPresetRecord& record);

// Saves `record` as a single-preset file at normalisePresetFileName(path):
// written to a temporary file in the same folder and renamed into place, so
// a failed save leaves any old file whole. `savedPath` (optional) receives
// the normalised path. False when the file could not be written.
bool savePresetFile(const std::string& path, const HRXPresetRecord& record, int32_t auxWord, int32_t zoomPercent,
                    std::string* savedPath = nullptr);
