#include "AtomicOutputFile.h"
#include "HRXErrorText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

AtomicOutputFile::AtomicOutputFile(std::string targetPath) : target_(std::move(targetPath)) {}

AtomicOutputFile::~AtomicOutputFile() {
    if (!committed_)
        discard();
}

bool AtomicOutputFile::open(std::string& error) {
    // Same folder as the target, so the final rename never crosses a file system.
    std::string pattern = target_ + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = mkstemp(name.data());
    if (fd_ < 0) {
        error = "cannot create '" + pattern + "': " + errorText(errno);
        return false;
    }
    tempPath_ = name.data();
    // mkstemp creates 0600; give the result the usual permissions of a new file.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd_, 0666 & ~mask);
    return true;
}

bool AtomicOutputFile::write(const void* data, size_t size, std::string& error) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t count = ::write(fd_, bytes, size);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            error = "cannot write '" + target_ + "': " + errorText(count < 0 ? errno : ENOSPC);
            return false;
        }
        bytes += count;
        size -= static_cast<size_t>(count);
    }
    return true;
}

bool AtomicOutputFile::commit(std::string& error) {
    if (fd_ < 0) {
        error = "'" + target_ + "' was not opened";
        return false;
    }
    const bool synced = fsync(fd_) == 0;
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    if (!synced || !closed) {
        error = "cannot write '" + target_ + "': " + errorText(errno);
        discard();
        return false;
    }
    if (std::rename(tempPath_.c_str(), target_.c_str()) != 0) {
        error = "cannot write '" + target_ + "': " + errorText(errno);
        discard();
        return false;
    }
    committed_ = true;
    return true;
}

void AtomicOutputFile::discard() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.empty()) {
        unlink(tempPath_.c_str());
        tempPath_.clear();
    }
}

bool isSameFile(const std::string& a, const std::string& b) {
    struct stat sa {};
    struct stat sb {};
    if (stat(a.c_str(), &sa) != 0 || stat(b.c_str(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
