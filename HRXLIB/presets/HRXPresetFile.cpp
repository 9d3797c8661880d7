#include "HRXPresetFile.h"

#include "HRXFileSystem.h"
#include "HRXPresetContainer.h"
#include "HRXProduct.h"

#include <string>
#include <vector>

namespace {

// The product's preset file extension (".hrx").
std::string extension() {
    return product().presetFileExtension;
}

bool endsWithExtension(const std::string& name) {
    const std::string ending = extension();
    return name.size() >= ending.size() && name.compare(name.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

std::string normalisePresetFileName(const std::string& name) {
    std::string result = name;
    while (endsWithExtension(result))
        result.erase(result.size() - extension().size());
    return result + extension();
}

std::string presetFilePath(const std::string& userFolder, const char* subFolder, const char* presetName) {
    std::string path = userFolder;
    path += '/';
    if (subFolder != nullptr && subFolder[0] != '\0') {
        path += subFolder;
        path += '/';
    }
    path += presetName;
    path += extension();
    return path;
}

bool readPresetFile(const std::string& path, HRXPresetRecord& record) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxPresetFileSize))
        return false;
    return readPresetContainer(bytes.data(), bytes.size(), record);
}

bool savePresetFile(const std::string& path, const HRXPresetRecord& record, int32_t auxWord, int32_t zoomPercent,
                    std::string* savedPath) {
    const std::string target = normalisePresetFileName(path);
    if (savedPath != nullptr)
        *savedPath = target;
    const std::vector<uint8_t> bytes = serializePreset(record, auxWord, zoomPercent);
    return writeFileAtomically(target, bytes.data(), bytes.size());
}
