// A full disk, for real: strace makes one write of the tool fail with ENOSPC,
// and /dev/full refuses everything written to standard output.
#include "ToolTestSupport.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

struct WriteTrace {
    std::vector<int> outputWrites;  // numbers (from 1, among all writes) of the writes to OUT's temporary file
    int injected = 0;               // number of the write that strace failed, 0 for none
};

// Reads an strace log of openat, write and close calls.
WriteTrace traceWrites(const std::string& log, const std::string& target) {
    WriteTrace trace;
    std::istringstream lines(log);
    std::string line;
    int writes = 0;
    int fd = -1;
    while (std::getline(lines, line)) {
        if (line.rfind("write(", 0) == 0) {
            ++writes;
            if (std::atoi(line.c_str() + 6) == fd)
                trace.outputWrites.push_back(writes);
            if (line.find("(INJECTED)") != std::string::npos)
                trace.injected = writes;
        } else if (line.rfind("openat(", 0) == 0 && line.find("\"" + target + ".tmp-") != std::string::npos) {
            fd = std::atoi(line.c_str() + line.rfind("= ") + 2);
        } else if (line.rfind("close(", 0) == 0 && std::atoi(line.c_str() + 6) == fd) {
            fd = -1;
        }
    }
    return trace;
}

TEST(FaultInjection, AFailedWriteLeavesTheOldOutputAndNoTemporaryFile) {
    // LeakSanitizer cannot work under ptrace; the sanitizer build checks leaks elsewhere.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    ScratchFolder folder;
    const std::string input = folder.file("in.wav");
    const std::string output = folder.file("out.wav");
    const std::string log = folder.file("trace.log");
    std::vector<float> signal(30000);
    for (size_t i = 0; i < signal.size(); ++i)
        signal[i] = static_cast<float>(0.5 * std::sin(0.01 * static_cast<double>(i)));
    writeTestAudio(input, 48000, {signal}, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    const std::vector<std::string> render = {"render", input, output};
    const std::vector<std::string> strace = {"strace", "-o", log, "-e", "trace=openat,write,close"};

    ASSERT_EQ(runVelvaton(render, {strace, ""}).exitCode, 0);
    const std::vector<int> writes = traceWrites(readBytes(log), output).outputWrites;
    // Headers, the samples, and the header again when libsndfile closes the file.
    ASSERT_GE(writes.size(), 5u);
    for (int failing : {writes[writes.size() / 2], writes.back()}) {
        writeBytes(output, "old");
        const std::vector<std::string> before = folder.entries();
        std::vector<std::string> inject = strace;
        inject.insert(inject.end(), {"-e", "inject=write:error=ENOSPC:when=" + std::to_string(failing)});
        const ToolRun run = runVelvaton(render, {inject, ""});
        EXPECT_EQ(run.exitCode, 1) << "write " << failing;
        EXPECT_NE(run.err.find("out.wav': No space left on device"), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(readBytes(output), "old");
        EXPECT_EQ(folder.entries(), before);
        const WriteTrace trace = traceWrites(readBytes(log), output);
        EXPECT_EQ(trace.injected, failing);
        // The write that failed went to OUT's temporary file.
        EXPECT_NE(std::find(trace.outputWrites.begin(), trace.outputWrites.end(), failing), trace.outputWrites.end());
    }
}

TEST(FaultInjection, AFullStandardOutputIsAFailure) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"presets"}, {"describe"}, {"render", "--help"}}) {
        const ToolRun run = runVelvaton(args, {{}, "/dev/full"});
        EXPECT_EQ(run.exitCode, 1) << args[0];
        EXPECT_NE(run.err.find("velvaton: cannot write to standard output: No space left on device"), std::string::npos)
            << run.err;
    }
}

}  // namespace
