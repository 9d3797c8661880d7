#pragma once

#include <string>
#include <sys/types.h>

// A private X server for a test: starts Xvfb on a display number the server
// picks itself (-displayfd, so parallel tests never collide), with one
// 1024x768 24-bit screen, no TCP listener and no MIT-SHM (see the .cpp),
// points DISPLAY at it, and stops it (restoring DISPLAY) at the end of the
// scope.
//
//   if (!XvfbSession::isInstalled())
//       GTEST_SKIP() << XvfbSession::kNotInstalled;
//   XvfbSession xvfb;
//   ASSERT_TRUE(xvfb.isRunning()) << xvfb.error();
class XvfbSession {
public:
    static constexpr const char* kNotInstalled = "Xvfb is not installed (scripts/install-deps.sh installs it)";

    // Whether an Xvfb executable is on PATH.
    static bool isInstalled();

    XvfbSession();
    ~XvfbSession();
    XvfbSession(const XvfbSession&) = delete;
    XvfbSession& operator=(const XvfbSession&) = delete;

    bool isRunning() const { return pid_ > 0; }
    // ":N", empty when the server did not start.
    const std::string& display() const { return display_; }
    // Why the server did not start.
    const std::string& error() const { return error_; }
    // Stops the server now (a test of a lost connection); DISPLAY keeps
    // naming the dead server until the session ends.
    void stop();

private:
    pid_t pid_ = -1;
    std::string display_;
    std::string error_;
    bool hadDisplay_ = false;
    std::string previousDisplay_;
};
