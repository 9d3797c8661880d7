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
