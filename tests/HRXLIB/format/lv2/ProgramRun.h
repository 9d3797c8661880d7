#pragma once

#include <string>
#include <vector>

// Runs a program found on PATH with the environment of the test process,
// waits for it and collects its exit code and output (both streams).
struct ProgramRun {
    int exitCode = -1;
    std::string output;
};
ProgramRun runProgram(const std::vector<std::string>& argv);

// A program left running in the background, its output in a log file;
// stopped (SIGTERM, then SIGKILL after two seconds) at the end of the scope.
class BackgroundProgram {
public:
    BackgroundProgram(const std::vector<std::string>& argv, const std::string& logPath);
    ~BackgroundProgram();
    BackgroundProgram(const BackgroundProgram&) = delete;
    BackgroundProgram& operator=(const BackgroundProgram&) = delete;
    bool isRunning() const;

private:
    mutable int pid_ = -1;  // -1 once reaped
};

// Whether a program is on PATH.
bool hasProgram(const std::string& name);

// Whether this build runs under AddressSanitizer: programs of the system
// cannot load its plug-in libraries.
constexpr bool kSanitizedBuild =
#if defined(__SANITIZE_ADDRESS__)
    true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    true;
#else
    false;
#endif
#else
    false;
#endif
