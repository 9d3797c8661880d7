#pragma once

#include <cstdlib>
#include <string>

#include <ftw.h>
#include <unistd.h>

// A fresh folder under $TMPDIR (or /tmp), removed with its contents at the
// end of the test.
class TempFolder {
public:
    TempFolder() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base != nullptr && base[0] == '/' ? base : "/tmp") + "/velvaton-test-XXXXXX";
        if (mkdtemp(&pattern[0]) != nullptr)
            path_ = pattern;
    }
    ~TempFolder() {
        if (!path_.empty())
            nftw(path_.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    static int removeEntry(const char* path, const struct stat*, int, struct FTW*) { return ::remove(path); }
    std::string path_;
};
