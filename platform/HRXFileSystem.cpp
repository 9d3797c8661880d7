#include "HRXFileSystem.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isDirectoryPath(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool writeAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// A name that no other writer uses: the process id and a per-process count,
// hidden and without the target's extension at its end, so folder scans
// never list a half-written file.
std::string temporaryNameFor(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".tmp%ld.%u", static_cast<long>(getpid()), counter++);
    return folder + "." + file + suffix;
}

void syncFolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string(".") : (slash == 0 ? std::string("/") : path.substr(0, slash));
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// The file a write to `path` lands in: a symbolic link's final target, a
// relative target read from the link's folder. Empty after too many links.
std::string resolveLinks(const std::string& path) {
    constexpr int kMaximumLinks = 40;
    std::string current = path;
    for (int depth = 0; depth < kMaximumLinks; ++depth) {
        struct stat info;
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        std::vector<char> target(static_cast<size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
        const ssize_t length = readlink(current.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<size_t>(length) >= target.size())
            return std::string();
        const std::string next(target.data(), static_cast<size_t>(length));
        const size_t slash = current.rfind('/');
        if (next[0] == '/' || slash == std::string::npos) {
            current = next;
        } else {
            current.resize(slash + 1);
            current += next;
        }
    }
    return std::string();
}

}  // namespace

bool pathExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

bool isWriteProtected(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return false;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), W_OK) != 0;
}

bool listDirectory(const std::string& folder, std::vector<HRXDirectoryEntry>& entries) {
    entries.clear();
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
        return false;
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        if (name == "." || name == "..")
            continue;
        std::string path = folder;
        path += '/';
        path += name;
        entries.push_back({name, isDirectoryPath(path)});
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const HRXDirectoryEntry& a, const HRXDirectoryEntry& b) { return a.name < b.name; });
    return true;
}

bool folderExists(const std::string& path) {
    return isDirectoryPath(path);
}

bool createFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0777) == 0)
        return true;
    return errno == EEXIST && isDirectoryPath(path);
}

bool readWholeFile(const std::string& path, std::vector<uint8_t>& data, size_t maxSize) {
    data.clear();
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
    // writer; it is refused below as not a regular file.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info;
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    // Read to the end rather than trusting the size: the file may change.
    uint8_t chunk[4096];
    while (ok) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
        } else if (got == 0) {
            break;
        } else if (data.size() + static_cast<size_t>(got) > maxSize) {
            ok = false;
        } else {
            data.insert(data.end(), chunk, chunk + got);
        }
    }
    close(fd);
    if (!ok)
        data.clear();
    return ok;
}

bool writeFileAtomically(const std::string& path, const void* data, size_t size) {
    if (path.empty() || path.back() == '/')
        return false;
    const std::string target = resolveLinks(path);
    if (target.empty() || isWriteProtected(target))
        return false;
    struct stat existing;
    const bool replacing = stat(target.c_str(), &existing) == 0;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = temporaryNameFor(target);
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    bool ok = !replacing || fchmod(fd, existing.st_mode & 07777) == 0;
    ok = ok && writeAll(fd, static_cast<const uint8_t*>(data), size) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    syncFolderOf(target);
    return true;
}
