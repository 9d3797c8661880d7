#include "ToolTestSupport.h"

#include "PresetTestSupport.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

extern char** environ;

namespace {

// The plug-in reads and writes per-user settings and creates the user preset
// folder; every tool run points them into a temporary home, never the real one.
class IsolatedUserHome : public ::testing::Environment {
public:
    void SetUp() override { home_ = std::make_unique<TemporaryUserHome>(); }
    void TearDown() override { home_.reset(); }

private:
    std::unique_ptr<TemporaryUserHome> home_;
};

const ::testing::Environment* const kIsolatedUserHome = ::testing::AddGlobalTestEnvironment(new IsolatedUserHome);

}  // namespace

ScratchFolder::ScratchFolder() {
    char pattern[] = "/tmp/velvaton-test-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> ScratchFolder::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

ToolRun runVelvaton(const std::vector<std::string>& args, const ToolRunOptions& options) {
    const char* binaryDir = std::getenv("VELVATON_TEST_BINARY_DIR");
    std::vector<std::string> argvStrings = options.prefix;
    argvStrings.push_back(std::string(binaryDir ? binaryDir : ".") + "/tools/velvaton/velvaton");
    argvStrings.insert(argvStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argvStrings)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    ScratchFolder capture;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string stdoutPath = options.stdoutPath.empty() ? capture.file("stdout") : options.stdoutPath;
    posix_spawn_file_actions_addopen(&actions, 1, stdoutPath.c_str(), O_WRONLY | O_CREAT, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, capture.file("stderr").c_str(), O_WRONLY | O_CREAT, 0644);
    pid_t pid = 0;
    ToolRun run;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = readBytes(capture.file("stdout"));
    run.err = readBytes(capture.file("stderr"));
    return run;
}

bool fileExists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void writeTestAudio(const std::string& path, int rate, const std::vector<std::vector<float>>& channels, int format) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = static_cast<int>(channels.size());
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr)
        throw std::runtime_error(std::string("cannot write test audio: ") + sf_strerror(nullptr));
    const size_t frames = channels[0].size();
    std::vector<float> interleaved(frames * channels.size());
    for (size_t i = 0; i < frames; ++i)
        for (size_t c = 0; c < channels.size(); ++c)
            interleaved[i * channels.size() + c] = channels[c][i];
    sf_writef_float(file, interleaved.data(), static_cast<sf_count_t>(frames));
    sf_close(file);
}

TestAudio readTestAudio(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    TestAudio audio;
    if (file == nullptr)
        return audio;
    audio.sampleRate = info.samplerate;
    audio.format = info.format;
    audio.channels.assign(static_cast<size_t>(info.channels), {});
    std::vector<float> frame(static_cast<size_t>(info.channels));
    while (sf_readf_float(file, frame.data(), 1) == 1)
        for (size_t c = 0; c < frame.size(); ++c)
            audio.channels[c].push_back(frame[c]);
    sf_close(file);
    return audio;
}
