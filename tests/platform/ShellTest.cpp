#include "HRXMessageBox.h"
#include "HRXShell.h"

#include "ScopedEnv.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Puts a fake xdg-open first on PATH that writes its argument count and each
// argument on its own line to a file and exits with a chosen status.
class FakeXdgOpen : public ::testing::Test {
protected:
    void install(int exitStatus) {
        const std::string script = temp_ / "xdg-open";
        // Also records whether descriptor 9 (open in the test) reached it.
        std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" << record_
                              << "'\n[ -e /proc/self/fd/9 ] && echo leaked >> '" << record_
                              << "'\nexit " << exitStatus << "\n";
        chmod(script.c_str(), 0755);
    }

    std::string recorded() const {
        std::stringstream text;
        text << std::ifstream(record_).rdbuf();
        return text.str();
    }

    TempFolder temp_;
    std::string record_ = temp_ / "argv.txt";
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

TEST_F(FakeXdgOpen, ReportsTheOpenersVerdictAndAFailedStart) {
    install(3);
    EXPECT_EQ(shell_.open("/tmp/manual.pdf"), HRXShellResult::NoApplication);
    install(4);
    EXPECT_EQ(shell_.open("/tmp/manual.pdf"), HRXShellResult::Failed);
    EXPECT_EQ(shell_.open(""), HRXShellResult::Failed);
    path_.set((temp_ / "nothing-here").c_str());
    EXPECT_EQ(shell_.open("/tmp"), HRXShellResult::Failed);
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
