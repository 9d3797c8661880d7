#include "ProgramRun.h"

#include "ToolTestSupport.h"

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

ProgramRun runProgram(const std::vector<std::string>& args) {
    std::vector<std::string> strings = args;
    std::vector<char*> argv;
    for (std::string& arg : strings)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    ScratchFolder capture;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, capture.file("out").c_str(), O_WRONLY | O_CREAT, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    ProgramRun run;
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.output = readBytes(capture.file("out"));
    return run;
}

BackgroundProgram::BackgroundProgram(const std::vector<std::string>& args, const std::string& logPath) {
    std::vector<std::string> strings = args;
    std::vector<char*> argv;
    for (std::string& arg : strings)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0)
        pid_ = pid;
    posix_spawn_file_actions_destroy(&actions);
}

BackgroundProgram::~BackgroundProgram() {
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    for (int wait = 0; wait < 200; ++wait) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_)
            return;
        const timespec pause{0, 10000000L};
        nanosleep(&pause, nullptr);
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

bool BackgroundProgram::isRunning() const {
    if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == pid_)
        pid_ = -1;
    return pid_ > 0;
}

bool hasProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (!folder.empty() && access((folder + "/" + name).c_str(), X_OK) == 0)
            return true;
    }
    return false;
}
