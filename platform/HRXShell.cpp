#include "HRXShell.h"

#include <algorithm>
#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

HRXShell* replacementShell = nullptr;

// Started openers not yet reaped.
std::vector<pid_t>& pendingOpeners() {
    static std::vector<pid_t> pending;
    return pending;
}

// Reaps the openers that have finished, without waiting for the others. An
// error (the host reaps its children itself) also ends the watch.
void reapFinishedOpeners() {
    std::vector<pid_t>& pending = pendingOpeners();
    pending.erase(
        std::remove_if(pending.begin(), pending.end(), [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; }),
        pending.end());
}

}  // namespace

HRXShellResult HRXXdgOpenShell::open(const std::string& target) {
    reapFinishedOpeners();
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
    if (spawned == ENOENT)
        return HRXShellResult::NoApplication;
    if (spawned != 0)
        return HRXShellResult::Failed;
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
