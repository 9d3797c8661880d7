#include "HRXMessageBox.h"
#include "HRXShell.h"

#include "ScopedEnv.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Waits for a file a fake opener writes, bounded by a generous deadline (the
// opener runs on its own once open() has returned). Answers its text and
// removes it, so the next wait sees the next opener's.
std::string takeFile(const std::string& path) {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (access(path.c_str(), F_OK) != 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    std::remove(path.c_str());
    return text.str();
}

// The state letter of a process in /proc (R, S, Z...), 0 when it is gone.
char processState(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line) || line.rfind(')') == std::string::npos || line.rfind(')') + 2 >= line.size())
        return 0;
    return line[line.rfind(')') + 2];
}

// Puts a fake xdg-open first on PATH. It writes its argument count and each
// argument on its own line (and "leaked" when descriptor 9, open in the
// test, reached it) to a file, renamed into place when complete; then it
// exits with a chosen status, or first sleeps for a minute.
class FakeXdgOpen : public ::testing::Test {
protected:
    void install(int exitStatus, bool hang = false) {
        const std::string script = temp_ / "xdg-open";
        std::ofstream(script) << "#!/bin/sh\n{ printf '%s\\n' \"$#\" \"$@\"; "
                              << "[ -e /proc/self/fd/9 ] && echo leaked; } > '" << record_ << ".part'\n"
                              << "echo $$ > '" << pid_ << ".part'\n"
                              << "mv '" << record_ << ".part' '" << record_ << "'\n"
                              << "mv '" << pid_ << ".part' '" << pid_ << "'\n"
                              << (hang ? "exec sleep 60\n" : "") << "exit " << exitStatus << "\n";
        chmod(script.c_str(), 0755);
    }

    std::string recorded() { return takeFile(record_); }
    pid_t openerPid() { return static_cast<pid_t>(std::atoi(takeFile(pid_).c_str())); }

    TempFolder temp_;
    std::string record_ = temp_ / "argv.txt";
    std::string pid_ = temp_ / "pid.txt";
    ScopedEnv path_{"PATH", (temp_.path() + ":/usr/bin:/bin").c_str()};
    HRXXdgOpenShell shell_;
};

TEST_F(FakeXdgOpen, PassesHostileTargetsAsOneArgument) {
    install(0);
    const int opened = open("/dev/null", O_RDONLY);
    const int hostFile = dup2(opened, 9);  // not close-on-exec
    close(opened);
    ASSERT_EQ(hostFile, 9);
    const std::string awkward = temp_.path() + "/My Presets/it's \"odd\" $(touch pwned); `x`";
    EXPECT_EQ(shell_.open(awkward), HRXShellResult::Opened);
    EXPECT_EQ(recorded(), "1\n" + awkward + "\n");
    EXPECT_EQ(shell_.open("--help"), HRXShellResult::Opened);
    EXPECT_EQ(recorded(), "1\n./--help\n");
    EXPECT_EQ(shell_.open("https://www.bracken-works.example/"), HRXShellResult::Opened);
    EXPECT_EQ(recorded(), "1\nhttps://www.bracken-works.example/\n");

    close(hostFile);
    struct stat info;
    EXPECT_NE(stat("pwned", &info), 0);
    EXPECT_NE(stat((temp_ / "pwned").c_str(), &info), 0);
}

TEST_F(FakeXdgOpen, OpenedMeansStartedAndNoOpenerMeansNoApplication) {
    // The opener's own verdict comes after open() has returned.
    install(4);
    EXPECT_EQ(shell_.open("/tmp/manual.pdf"), HRXShellResult::Opened);
    EXPECT_EQ(recorded(), "1\n/tmp/manual.pdf\n");
    EXPECT_EQ(shell_.open(""), HRXShellResult::Failed);
    path_.set((temp_ / "nothing-here").c_str());
    EXPECT_EQ(shell_.open("/tmp"), HRXShellResult::NoApplication);
}

TEST_F(FakeXdgOpen, ReturnsWhileTheOpenerHangsAndReapsItOnALaterCall) {
    install(0, true);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(shell_.open("https://www.bracken-works.example/"), HRXShellResult::Opened);
    // Far less than the opener's minute, and than any wait for a verdict.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    EXPECT_EQ(recorded(), "1\nhttps://www.bracken-works.example/\n");
    const pid_t hung = openerPid();
    ASSERT_GT(hung, 0);
    EXPECT_NE(processState(hung), 'Z');
    EXPECT_NE(processState(hung), 0);

    // Once it has ended, the next call reaps it: no zombie stays behind.
    kill(hung, SIGKILL);
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (processState(hung) != 'Z' && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    ASSERT_EQ(processState(hung), 'Z');
    install(0);
    EXPECT_EQ(shell_.open("/tmp"), HRXShellResult::Opened);
    EXPECT_EQ(processState(hung), 0);
    EXPECT_EQ(recorded(), "1\n/tmp\n");
}

TEST(MessageBox, StandInWritesTitleAndTextToStderr) {
    ::testing::internal::CaptureStderr();
    getMessageBox().show("/home/u/Documents/x", "Could not open user's preset folder");
    getMessageBox().show("", "Could not open user manual");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "/home/u/Documents/x: Could not open user's preset folder\n"
              "Could not open user manual\n");
}

}  // namespace
