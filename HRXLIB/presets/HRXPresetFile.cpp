#include "HRXPresetFile.h"

#include "HRXFileSystem.h"
#include "HRXPresetContainer.h"
#include "velvaTonProduct.h"

#include <string>
#include <vector>

namespace {

constexpr size_t kExtensionLength = std::char_traits<char>::length(kPresetFileExtension);

bool endsWithExtension(const std::string& name) {
    return name.size() >= kExtensionLength &&
           name.compare(name.size() - kExtensionLength, kExtensionLength, kPresetFileExtension) == 0;
}

}  // namespace

std::string normalisePresetFileName(const std::string& name) {
    std::string result = name;
    while (endsWithExtension(result))
        result.erase(result.size() - kExtensionLength);
    return result + kPresetFileExtension;
}

std::string presetFilePath(const std::string& userFolder, const char* subFolder,
                           const char* presetName) {
    std::string path = userFolder;
    path += '/';
    if (subFolder != nullptr && subFolder[0] != '\0') {
        path += subFolder;
        path += '/';
    }
    path += presetName;
    path += kPresetFileExtension;
    return path;
}

bool readPresetFile(const std::string& path, HRXPresetRecord& record) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxPresetFileSize))
        return false;
    return readPresetContainer(bytes.data(), bytes.size(), record);
}

bool savePresetFile(const std::string& path, const HRXPresetRecord& record, int32_t auxWord,
                    int32_t zoomPercent, std::string* savedPath) {
    const std::string target = normalisePresetFileName(path);
    if (savedPath != nullptr)
        *savedPath = target;
    const std::vector<uint8_t> bytes = serializePreset(record, auxWord, zoomPercent);
    return writeFileAtomically(target, bytes.data(), bytes.size());
}
