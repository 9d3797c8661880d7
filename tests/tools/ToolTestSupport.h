#pragma once

#include <string>
#include <vector>

// A scratch folder removed with everything in it when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    std::vector<std::string> entries() const;  // sorted names

private:
    std::string path_;
};

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built velvaton binary with `args` and collects its output.
ToolRun runVelvaton(const std::vector<std::string>& args);

bool fileExists(const std::string& path);
std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

// Writes planar float audio with libsndfile in the given major format.
void writeTestAudio(const std::string& path, int rate, const std::vector<std::vector<float>>& channels,
                    int format);
