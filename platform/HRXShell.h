#pragma once

#include <string>

// The desktop's "open" action for a file, folder or web address.
enum class HRXShellResult {
    Opened,         // the opener was started; it hands the target to the desktop
    NoApplication,  // no opener is installed: nothing can open the target
    Failed,         // the opener could not be started
};

class HRXShell {
public:
    virtual ~HRXShell() = default;
    virtual HRXShellResult open(const std::string& target) = 0;
};

// Opens through `xdg-open TARGET`, started with posix_spawnp (found on PATH,
// never through a shell; the target is one argument as it is, so blanks and
// quotes are safe). A relative target beginning with '-' is passed as
// "./TARGET" so it cannot read as an option. Returns as soon as xdg-open is
// started, never waiting for it: it is called on the user-interface thread,
// and xdg-open can take seconds or wait for a browser. Opened therefore
// means started; NoApplication that xdg-open is not on PATH; Failed an
// empty target or any other failed start. Finished
// openers are reaped without waiting on the next call.
class HRXXdgOpenShell : public HRXShell {
public:
    HRXShellResult open(const std::string& target) override;
};

// The shell the product uses (an HRXXdgOpenShell by default). Tests replace
// it; setShell(nullptr) restores the default. Main thread only.
HRXShell& getShell();
void setShell(HRXShell* replacement);
