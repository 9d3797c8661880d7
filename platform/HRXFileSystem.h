#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Files and folders by full path ('/' separated). Nothing here changes the
// process's current directory. No function throws.

struct HRXDirectoryEntry {
    std::string name;          // the entry's name within its folder
    bool isDirectory = false;  // a folder, or a symbolic link to one
};

// Lists the files and sub-folders of `folder`, without "." and "..", sorted
// by name byte by byte (so a listing is the same on every run). False (and
// an empty list) when the folder cannot be read.
bool listDirectory(const std::string& folder, std::vector<HRXDirectoryEntry>& entries);

// True when `path` names an existing folder (or a link to one).
bool folderExists(const std::string& path);

// Creates one folder level (its parent must exist). True when the folder
// exists afterwards, including when it existed before.
bool createFolder(const std::string& path);

// Reads a whole regular file, opened read-only (so a write-protected file
// reads). False (data emptied) when it cannot be opened or read, is not a
// regular file, or holds more than `maxSize` bytes.
bool readWholeFile(const std::string& path, std::vector<uint8_t>& data, size_t maxSize);

// True when something exists at `path` (a link is followed).
bool pathExists(const std::string& path);

// True when `path` names an existing file that this user may not write, or
// that no one may (no write permission bit at all, which even a superuser
// respects here).
bool isWriteProtected(const std::string& path);

// Writes `size` bytes as the file `path`: first to a fresh temporary file in
// the same folder, flushed to disk, then renamed over `path`. A failure at
// any step removes the temporary file and leaves an existing `path` as it
// was. What the user set up on an existing file stays: a write-protected file
// is refused (false, untouched), a symbolic link is written through to its
// final target (the link stays a link), and the file's permission bits are
// kept. New files get mode 0666 less the umask.
bool writeFileAtomically(const std::string& path, const void* data, size_t size);
