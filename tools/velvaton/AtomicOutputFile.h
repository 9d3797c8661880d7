#pragma once

#include <string>

// An output file that appears at its path only when complete: content goes to
// a temporary file beside the target, and commit() renames it into place.
// Destroying an uncommitted file removes the temporary, so a failed command
// leaves neither a partial file nor a changed target.
class AtomicOutputFile {
public:
    explicit AtomicOutputFile(std::string targetPath);
    ~AtomicOutputFile();
    AtomicOutputFile(const AtomicOutputFile&) = delete;
    AtomicOutputFile& operator=(const AtomicOutputFile&) = delete;

    // Creates the temporary file; false with `error` set when it cannot.
    bool open(std::string& error);
    int descriptor() const { return fd_; }
    const std::string& temporaryPath() const { return tempPath_; }
    const std::string& targetPath() const { return target_; }

    // Writes all `size` bytes at the file's offset; false with `error` set
    // when the file system takes not all of them.
    bool write(const void* data, size_t size, std::string& error);

    // Flushes, closes and renames the temporary onto the target.
    bool commit(std::string& error);

private:
    void discard();

    std::string target_;
    std::string tempPath_;
    int fd_ = -1;
    bool committed_ = false;
};

// True when both paths name the same existing file (links included).
bool isSameFile(const std::string& a, const std::string& b);
