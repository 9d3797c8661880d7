// velvaton editor --window on a private X server, and without one.
#include "PresetTestSupport.h"
#include "ToolTestSupport.h"
#include "XvfbSession.h"

#include <gtest/gtest.h>

#include <cairo.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

extern char** environ;

namespace {

// The output of a command line, or "" (the command is ours, no user input).
std::string outputOf(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        pclose(pipe);
    }
    return output;
}

// Waits up to 10 s for the process; its exit status, or -1.
int waitFor(pid_t pid) {
    const time_t deadline = time(nullptr) + 10;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (time(nullptr) > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        const timespec pause{0, 20000000L};
        nanosleep(&pause, nullptr);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Starts `velvaton editor --window`, its standard error going to errorFile;
// answers its pid once its window is on screen (-1 after 10 s).
pid_t startLiveEditor(const std::string& errorFile) {
    const std::string tool = std::string(std::getenv("VELVATON_TEST_BINARY_DIR")) + "/tools/velvaton/velvaton";
    char* argv[] = {const_cast<char*>(tool.c_str()), const_cast<char*>("editor"), const_cast<char*>("--window"),
                    nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    const int started = posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0)
        return -1;
    if (outputOf("timeout 10 xdotool search --sync --onlyvisible --pid " + std::to_string(pid) + " 2>/dev/null")
            .empty()) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

TEST(EditorWindowCommand, WithoutADisplayFailsWithOneClearMessage) {
    TemporaryUserHome home;
    unsetenv("DISPLAY");
    const ToolRun run = runVelvaton({"editor", "--window"});
    EXPECT_EQ(1, run.exitCode);
    EXPECT_EQ("velvaton editor: cannot open a window: no X display (DISPLAY is not set)\n", run.err);
}

TEST(EditorWindowCommand, OpensTheLiveEditorAndEndsWhenTheWindowCloses) {
    if (!XvfbSession::isInstalled())
        GTEST_SKIP() << XvfbSession::kNotInstalled;
    TemporaryUserHome home;
    XvfbSession xvfb;
    ASSERT_TRUE(xvfb.isRunning()) << xvfb.error();
    ScratchFolder folder;

    const ToolRun shot = runVelvaton({"editor", "--window", "--zoom", "150", "--screenshot", folder.file("w.png")});
    ASSERT_EQ(0, shot.exitCode) << shot.err;
    cairo_surface_t* picture = cairo_image_surface_create_from_png(folder.file("w.png").c_str());
    EXPECT_EQ(600, cairo_image_surface_get_width(picture));
    EXPECT_EQ(490, cairo_image_surface_get_height(picture));
    cairo_surface_destroy(picture);

    const pid_t pid = startLiveEditor(folder.file("err"));
    ASSERT_GT(pid, 0);
    const std::string window = outputOf("xdotool search --pid " + std::to_string(pid));
    outputOf("xdotool windowclose " + window.substr(0, window.find('\n')));
    EXPECT_EQ(0, waitFor(pid));
}

// The X server goes away under the window: the program reports it and ends.
TEST(EditorWindowCommand, LostXServerEndsWithAMessageNotACrash) {
    if (!XvfbSession::isInstalled())
        GTEST_SKIP() << XvfbSession::kNotInstalled;
    TemporaryUserHome home;
    XvfbSession xvfb;
    ASSERT_TRUE(xvfb.isRunning()) << xvfb.error();
    ScratchFolder folder;
    const pid_t pid = startLiveEditor(folder.file("err"));
    ASSERT_GT(pid, 0);
    xvfb.stop();
    EXPECT_EQ(1, waitFor(pid));
    const std::string error = readBytes(folder.file("err"));
    EXPECT_NE(std::string::npos, error.find("the connection to the X server was lost")) << error;
}

}  // namespace
