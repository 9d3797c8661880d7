#include "HRXShell.h"

#include <algorithm>
#include <ctime>
#include <vector>

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr int kVerdictWaitMilliseconds = 2000;
constexpr int kPollMilliseconds = 10;
constexpr int kXdgOpenNoTool = 3;  // xdg-open: "a required tool could not be found"

HRXShell* replacementShell = nullptr;

// Openers that outlived their wait; reaped whenever the shell is used again.
std::vector<pid_t>& pendingOpeners() {
    static std::vector<pid_t> pending;
    return pending;
}

void reapPendingOpeners() {
    std::vector<pid_t>& pending = pendingOpeners();
    pending.erase(std::remove_if(pending.begin(), pending.end(),
                                 [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; }),
                  pending.end());
}

HRXShellResult verdictOf(int status) {
    if (!WIFEXITED(status))
        return HRXShellResult::Failed;
    if (WEXITSTATUS(status) == 0)
        return HRXShellResult::Opened;
    return WEXITSTATUS(status) == kXdgOpenNoTool ? HRXShellResult::NoApplication
                                                 : HRXShellResult::Failed;
}

}  // namespace

HRXShellResult HRXXdgOpenShell::open(const std::string& target) {
    reapPendingOpeners();
    if (target.empty())
        return HRXShellResult::Failed;
    const std::string argument = target[0] == '-' ? "./" + target : target;

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return HRXShellResult::Failed;
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    // The host's files and devices stay with the host.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#endif

    char program[] = "xdg-open";
    std::string argumentCopy = argument;
    char* argv[] = {program, &argumentCopy[0], nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return HRXShellResult::Failed;

    for (int waited = 0; waited < kVerdictWaitMilliseconds; waited += kPollMilliseconds) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return verdictOf(status);
        if (done < 0 && errno != EINTR)
            return HRXShellResult::Opened;  // reaped elsewhere (SIGCHLD ignored): no verdict
        const timespec pause{0, kPollMilliseconds * 1000000L};
        nanosleep(&pause, nullptr);
    }
    pendingOpeners().push_back(pid);
    return HRXShellResult::Opened;
}

HRXShell& getShell() {
    static HRXXdgOpenShell defaultShell;
    return replacementShell != nullptr ? *replacementShell : defaultShell;
}

void setShell(HRXShell* replacement) {
    replacementShell = replacement;
}
