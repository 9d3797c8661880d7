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

struct ToolRunOptions {
    std::vector<std::string> prefix;  // a command that runs the tool, e.g. strace and its options
    std::string stdoutPath;           // standard output goes here instead of ToolRun::out
};

// Runs the built velvaton binary with `args` and collects its output.
ToolRun runVelvaton(const std::vector<std::string>& args, const ToolRunOptions& options = {});

bool fileExists(const std::string& path);
std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

// Writes planar float audio with libsndfile in the given major format.
void writeTestAudio(const std::string& path, int rate, const std::vector<std::vector<float>>& channels, int format);

// A file read back with libsndfile: planar float samples (libsndfile's scale:
// a 16-bit step is 1/32768), rate and format.
struct TestAudio {
    int sampleRate = 0;
    int format = 0;
    std::vector<std::vector<float>> channels;
};
TestAudio readTestAudio(const std::string& path);
