#include "XvfbSession.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr int kStartSeconds = 20;
constexpr int kStopMilliseconds = 5000;

int64_t nowMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Waits for the child to end, up to a deadline; true when it was reaped.
bool reap(pid_t pid, int milliseconds) {
    const int64_t deadline = nowMilliseconds() + milliseconds;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR))
            return true;
        if (nowMilliseconds() >= deadline)
            return false;
        const timespec pause{0, 5 * 1000000L};
        nanosleep(&pause, nullptr);
    }
}

// The Xvfb executable on PATH; empty when there is none.
std::string findXvfb() {
    const char* path = std::getenv("PATH");
    const std::string folders = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        const std::string candidate = folders.substr(start, end - start) + "/Xvfb";
        if (end > start && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return std::string();
}

}  // namespace

bool XvfbSession::isInstalled() {
    return !findXvfb().empty();
}

XvfbSession::XvfbSession() {
    int fds[2];
    if (pipe(fds) != 0) {
        error_ = std::string("pipe: ") + std::strerror(errno);
        return;
    }
    // Only the write end reaches the server.
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    const std::string fd = std::to_string(fds[1]);
    // Without MIT-SHM: cairo 1.16 uploads images through shared memory and,
    // when the display closes with an upload still in flight, frees its
    // queue of them but not the queued records (32 bytes each), which the
    // leak checker would report against every test that closes a window.
    std::vector<std::string> arguments = {"Xvfb", "-displayfd",  fd,           "-nolisten", "tcp", "-screen",
                                          "0",    "1024x768x24", "-extension", "MIT-SHM"};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(&argument[0]);
    argv.push_back(nullptr);
    const std::string program = findXvfb();
    const pid_t parent = getpid();
    const pid_t pid = program.empty() ? -1 : fork();
    const int forkError = errno;
    if (pid == 0) {
        // The server ends with the test even when the test process dies
        // without reaching the destructor. Its notices (keyboard map
        // compiler and the like) are of no interest.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, 1);
            dup2(null, 2);
            if (null > 2)
                close(null);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        error_ =
            program.empty() ? std::string("Xvfb is not on PATH") : std::string("fork: ") + std::strerror(forkError);
        return;
    }
    pid_ = pid;

    // The server writes its display number and a newline once it accepts
    // connections.
    std::string number;
    const int64_t deadline = nowMilliseconds() + kStartSeconds * 1000;
    bool complete = false;
    while (!complete) {
        const int64_t left = deadline - nowMilliseconds();
        if (left <= 0)
            break;
        pollfd reader{fds[0], POLLIN, 0};
        const int ready = poll(&reader, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        char buffer[32];
        const ssize_t got = read(fds[0], buffer, sizeof(buffer));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        for (ssize_t i = 0; i < got; ++i) {
            if (buffer[i] == '\n')
                complete = true;
            else if (!complete)
                number += buffer[i];
        }
    }
    close(fds[0]);
    if (!complete || number.empty() || number.find_first_not_of("0123456789") != std::string::npos) {
        error_ = "Xvfb did not report a display within " + std::to_string(kStartSeconds) + " s";
        stop();
        return;
    }
    display_ = ":" + number;
    if (const char* previous = std::getenv("DISPLAY")) {
        hadDisplay_ = true;
        previousDisplay_ = previous;
    }
    setenv("DISPLAY", display_.c_str(), 1);
}

XvfbSession::~XvfbSession() {
    stop();
    if (display_.empty())
        return;
    if (hadDisplay_)
        setenv("DISPLAY", previousDisplay_.c_str(), 1);
    else
        unsetenv("DISPLAY");
}

void XvfbSession::stop() {
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    if (!reap(pid_, kStopMilliseconds)) {
        kill(pid_, SIGKILL);
        reap(pid_, kStopMilliseconds);
    }
    pid_ = -1;
}
