#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Per-user settings: named values grouped under keys, in the manner of the
// Windows registry's current-user hive. Keys are backslash-separated paths
// such as "SOFTWARE\\Bracken-works\\HRXVT1"; a value is either binary bytes or
// a text. Writing a value creates its key when needed. A value that is
// missing, of the other type, or stored in a damaged key reads as missing, so
// the caller's default stands. No operation throws.
class HRXSettingsStore {
public:
    virtual ~HRXSettingsStore() = default;

    // Stores `size` bytes as a binary value (REG_BINARY), replacing any value
    // of that name. False when the key cannot be created or written.
    virtual bool writeBinary(const char* key, const char* valueName, const void* data, size_t size) = 0;
    // Stores a text value (REG_SZ). The text is taken up to its terminator.
    virtual bool writeString(const char* key, const char* valueName, const char* text) = 0;

    // Reads a binary value whole; `data` receives its bytes, so data.size()
    // is the value's size. False (data emptied) when missing or not binary.
    virtual bool readBinary(const char* key, const char* valueName, std::vector<uint8_t>& data) = 0;
    // Reads a text value. False (text emptied) when missing or not a text.
    virtual bool readString(const char* key, const char* valueName, std::string& text) = 0;
};

// The store that the product uses: by default the file store below rooted in
// the user's configuration folder. Tests replace it; setSettingsStore(nullptr)
// restores the default. Main thread only.
HRXSettingsStore& getSettingsStore();
void setSettingsStore(HRXSettingsStore* replacement);

// Settings kept as one file per key under a root folder:
//   key "SOFTWARE\\Bracken-works\\HRXVT1" -> <root>/Bracken-works/HRXVT1.settings
// A leading "SOFTWARE" level is dropped; every other level becomes a folder.
// Key levels must be non-empty, not "." or "..", and free of '/' and NUL;
// any other key is refused (reads missing, writes fail).
//
// The default root is $XDG_CONFIG_HOME, or $HOME/.config when that is unset
// or not an absolute path, resolved at every access so that a process started
// with a different environment finds its own folder.
//
// A write reads the key's file, changes the one value and writes the whole
// file to a temporary name in the same folder, flushed to disk, then renames
// it into place: readers in other processes see the old or the new file,
// never a torn one. File format: see HRXSettingsFile.h.
class HRXFileSettingsStore : public HRXSettingsStore {
public:
    // Empty root: resolve the default root at every access.
    explicit HRXFileSettingsStore(std::string root = std::string());

    bool writeBinary(const char* key, const char* valueName, const void* data, size_t size) override;
    bool writeString(const char* key, const char* valueName, const char* text) override;
    bool readBinary(const char* key, const char* valueName, std::vector<uint8_t>& data) override;
    bool readString(const char* key, const char* valueName, std::string& text) override;

    // The file that holds `key`, or "" when the key is refused or no root
    // can be found.
    std::string fileForKey(const char* key) const;

    // $XDG_CONFIG_HOME or $HOME/.config; "" when neither is usable.
    static std::string defaultRoot();

private:
    std::string root_;
};
