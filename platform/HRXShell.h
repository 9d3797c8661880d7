#pragma once

#include <string>

// The desktop's "open" action for a file, folder or web address.
enum class HRXShellResult {
    Opened,         // handed to the desktop
    NoApplication,  // no application is associated with the file's type
    Failed,         // the opener could not be started, or reported an error
};

class HRXShell {
public:
    virtual ~HRXShell() = default;
    virtual HRXShellResult open(const std::string& target) = 0;
};

// Opens through `xdg-open TARGET`, started with posix_spawnp (found on PATH,
// never through a shell; the target is one argument as it is, so blanks and
// quotes are safe). A relative target beginning with '-' is passed as
// "./TARGET" so it cannot read as an option. Waits up to two seconds for
// xdg-open's verdict: exit 0 is Opened, 3 (no tool for the type) is
// NoApplication, any other exit or a spawn failure is Failed; still running
// after two seconds counts as Opened (it is reaped by a later call).
class HRXXdgOpenShell : public HRXShell {
public:
    HRXShellResult open(const std::string& target) override;
};

// The shell the product uses (an HRXXdgOpenShell by default). Tests replace
// it; setShell(nullptr) restores the default. Main thread only.
HRXShell& getShell();
void setShell(HRXShell* replacement);
