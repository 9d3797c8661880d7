#include "PresetLookup.h"

#include "HRXFileSystem.h"
#include "HRXPresetContainer.h"
#include "HRXPresetFile.h"
#include "HRXPresetLibrary.h"
#include "velvaTonFactoryPresets.h"
#include "velvaTonParameters.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

PresetLibrarySession::PresetLibrarySession() {
    HRXPresetLibrary::acquire();
}

PresetLibrarySession::~PresetLibrarySession() {
    HRXPresetLibrary::release();
}

namespace {

size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                              std::tolower(static_cast<unsigned char>(b[j - 1]));
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

void factoryRecord(int32_t slot, HRXPresetRecord& record) {
    double values[kPresetValues] = {};
    char name[kPresetNameSize] = "Init";
    getFactoryPreset(slot, values, name, nullptr);
    std::memset(&record, 0, sizeof record);
    storeFactoryName(record, name, stderr);
    for (int32_t i = 0; i < kPresetValues; ++i)
        record.values[i] = static_cast<float>(values[i]);
}

}  // namespace

std::vector<std::string> closestNames(const std::string& name, const std::vector<std::string>& candidates,
                                      size_t count) {
    std::vector<std::string> unique;
    for (const std::string& candidate : candidates) {
        if (std::find(unique.begin(), unique.end(), candidate) == unique.end())
            unique.push_back(candidate);
    }
    std::stable_sort(unique.begin(), unique.end(), [&](const std::string& x, const std::string& y) {
        return editDistance(name, x) < editDistance(name, y);
    });
    if (unique.size() > count)
        unique.resize(count);
    return unique;
}

bool findPresetByName(const std::string& name, HRXPresetRecord& record, std::string& error) {
    std::vector<std::string> known;
    for (int32_t slot = 0; slot < kFactoryPresetSlots; ++slot) {
        char factoryName[kPresetNameSize + 1] = {};
        getFactoryPreset(slot, nullptr, factoryName, nullptr);
        if (name == factoryName) {
            factoryRecord(slot, record);
            return true;
        }
        known.push_back(factoryName);
    }
    const int32_t userFiles = HRXPresetLibrary::itemCount(HRXPresetLibrary::kUserGroup, 0);
    for (int32_t index = 0; index < userFiles; ++index) {
        const HRXPresetItem& item = *HRXPresetLibrary::item(HRXPresetLibrary::kUserGroup, 0, index);
        if (name != item.name) {
            known.push_back(item.name);
            continue;
        }
        bool present[kPresetValues];
        if (!readPresetFileStrict(HRXPresetLibrary::itemFilePath(item), record, present, error))
            return false;
        setPresetRecordName(record, item.name);  // listed by its file name, as the plug-in loads it
        return true;
    }
    error = "no factory or user preset is called '" + name + "'";
    const std::vector<std::string> nearest = closestNames(name, known, 5);
    if (!nearest.empty()) {
        error += "; closest names:";
        for (const std::string& candidate : nearest)
            error += " '" + candidate + "'";
    }
    return false;
}

bool readPresetFileStrict(const std::string& path, HRXPresetRecord& record, bool (&present)[12], std::string& error) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxPresetFileSize)) {
        error = "cannot read '" + path + "'";
        return false;
    }
    return checkPresetBytes(bytes, path, record, present, error);
}

bool checkPresetBytes(const std::vector<uint8_t>& bytes, const std::string& path, HRXPresetRecord& record,
                      bool (&present)[12], std::string& error) {
    // Parameters the file does not hold stay NaN (the reader turns a stored
    // NaN into the default), which tells them apart.
    HRXPresetRecord read{};
    for (float& value : read.values)
        value = std::nanf("");
    if (!readPresetContainer(bytes.data(), bytes.size(), read)) {
        error = "'" + path + "' is not a valid preset file (damaged or of another kind)";
        return false;
    }
    if (std::isnan(read.values[0])) {
        error = "'" + path + "' holds no Process value, so it cannot be loaded";
        return false;
    }
    for (int32_t i = 0; i < kPresetValues; ++i) {
        present[i] = !std::isnan(read.values[i]);
        if (!present[i])
            read.values[i] = static_cast<float>(getParameterDefault(i));
    }
    record = read;
    return true;
}
