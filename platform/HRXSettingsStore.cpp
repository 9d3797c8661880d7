#include "HRXSettingsStore.h"

#include "HRXFileSystem.h"
#include "HRXSettingsFile.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace {

constexpr const char kFileSuffix[] = ".settings";

HRXSettingsStore* replacementStore = nullptr;

// The levels of a key, without a leading "SOFTWARE"; empty when refused.
std::vector<std::string> keyLevels(const char* key) {
    std::vector<std::string> levels;
    if (key == nullptr)
        return levels;
    std::string level;
    for (const char* p = key;; ++p) {
        if (*p == '\\' || *p == '\0') {
            levels.push_back(level);
            level.clear();
            if (*p == '\0')
                break;
        } else {
            level += *p;
        }
    }
    if (levels.size() > 1 && strcasecmp(levels.front().c_str(), "SOFTWARE") == 0)
        levels.erase(levels.begin());
    for (const std::string& l : levels) {
        if (l.empty() || l == "." || l == ".." || l.find('/') != std::string::npos)
            return {};
    }
    return levels;
}

// Creates every missing folder of an absolute path, from the top down.
bool createFolderPath(const std::string& path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = slash == std::string::npos ? path : path.substr(0, slash);
        if (!folderExists(prefix) && !createFolder(prefix))
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

// The values of a key's file; empty when missing or damaged.
std::vector<HRXSettingsValue> loadValues(const std::string& file) {
    std::vector<HRXSettingsValue> values;
    std::vector<uint8_t> bytes;
    if (file.empty() || !readWholeFile(file, bytes, kMaxSettingsFileSize))
        return values;
    parseSettingsText(reinterpret_cast<const char*>(bytes.data()), bytes.size(), values);
    return values;
}

const HRXSettingsValue* findValue(const std::vector<HRXSettingsValue>& values, const char* name) {
    for (const HRXSettingsValue& value : values) {
        if (value.name == name)
            return &value;
    }
    return nullptr;
}

bool storeValue(const std::string& file, const char* valueName, bool isString, const uint8_t* data, size_t size) {
    if (file.empty() || valueName == nullptr)
        return false;
    if (!createFolderPath(file.substr(0, file.rfind('/'))))
        return false;
    std::vector<HRXSettingsValue> values = loadValues(file);
    values.erase(
        std::remove_if(values.begin(), values.end(), [&](const HRXSettingsValue& v) { return v.name == valueName; }),
        values.end());
    HRXSettingsValue value;
    value.name = valueName;
    value.isString = isString;
    value.data.assign(data, data + size);
    values.push_back(std::move(value));
    std::sort(values.begin(), values.end(),
              [](const HRXSettingsValue& a, const HRXSettingsValue& b) { return a.name < b.name; });
    const std::string text = formatSettingsText(values);
    if (text.size() > kMaxSettingsFileSize)
        return false;
    return writeFileAtomically(file, text.data(), text.size());
}

}  // namespace

HRXSettingsStore& getSettingsStore() {
    static HRXFileSettingsStore defaultStore;
    return replacementStore != nullptr ? *replacementStore : defaultStore;
}

void setSettingsStore(HRXSettingsStore* replacement) {
    replacementStore = replacement;
}

HRXFileSettingsStore::HRXFileSettingsStore(std::string root) : root_(std::move(root)) {}

std::string HRXFileSettingsStore::defaultRoot() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
        return config;
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return std::string(home) + "/.config";
    return std::string();
}

std::string HRXFileSettingsStore::fileForKey(const char* key) const {
    const std::string root = root_.empty() ? defaultRoot() : root_;
    const std::vector<std::string> levels = keyLevels(key);
    if (root.empty() || levels.empty())
        return std::string();
    std::string path = root;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    for (const std::string& level : levels)
        path += "/" + level;
    return path + kFileSuffix;
}

bool HRXFileSettingsStore::writeBinary(const char* key, const char* valueName, const void* data, size_t size) {
    if (data == nullptr && size != 0)
        return false;
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    return storeValue(fileForKey(key), valueName, false, bytes, size);
}

bool HRXFileSettingsStore::writeString(const char* key, const char* valueName, const char* text) {
    if (text == nullptr)
        return false;
    return storeValue(fileForKey(key), valueName, true, reinterpret_cast<const uint8_t*>(text), std::strlen(text));
}

bool HRXFileSettingsStore::readBinary(const char* key, const char* valueName, std::vector<uint8_t>& data) {
    data.clear();
    if (valueName == nullptr)
        return false;
    const std::vector<HRXSettingsValue> values = loadValues(fileForKey(key));
    const HRXSettingsValue* value = findValue(values, valueName);
    if (value == nullptr || value->isString)
        return false;
    data = value->data;
    return true;
}

bool HRXFileSettingsStore::readString(const char* key, const char* valueName, std::string& text) {
    text.clear();
    if (valueName == nullptr)
        return false;
    const std::vector<HRXSettingsValue> values = loadValues(fileForKey(key));
    const HRXSettingsValue* value = findValue(values, valueName);
    if (value == nullptr || !value->isString)
        return false;
    text.assign(value->data.begin(), value->data.end());
    return true;
}
