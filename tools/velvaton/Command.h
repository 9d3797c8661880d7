#pragma once

// One sub-command of the velvaton tool. `run` receives the arguments after
// the command name and answers one of the exit codes below.
struct Command {
    const char* name;
    const char* summary;  // one line for `velvaton --help`
    const char* usage;    // full text for `velvaton NAME --help`
    int (*run)(int argc, char** argv);
};

constexpr int kExitSuccess = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
