#include "StateFile.h"
#include "HRXErrorText.h"

#include "AtomicOutputFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

bool readStateFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "cannot open the state file '" + path + "': " + errorText(errno);
        return false;
    }
    bytes.assign(kMaxStateFileSize + 1, 0);
    const size_t length = std::fread(bytes.data(), 1, bytes.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        error = "cannot read the state file '" + path + "'";
        return false;
    }
    if (length == 0 || length > kMaxStateFileSize) {
        error = "the state file '" + path + "' is " + (length == 0 ? "empty" : "larger than 1 MiB");
        return false;
    }
    bytes.resize(length);
    return true;
}

bool writeStateFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error) {
    AtomicOutputFile output(path);
    if (!output.open(error))
        return false;
    return output.write(bytes.data(), bytes.size(), error) && output.commit(error);
}
