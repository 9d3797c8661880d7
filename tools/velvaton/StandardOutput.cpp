#include "StandardOutput.h"
#include "HRXErrorText.h"

#include "Command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

void closeStandardOutput() {
    const bool lost = std::ferror(stdout) != 0;
    errno = 0;
    const bool closeFailed = std::fclose(stdout) != 0;
    if (!lost && !closeFailed)
        return;
    const int reason = errno;
    if (reason != 0)
        std::fprintf(stderr, "velvaton: cannot write to standard output: %s\n", errorText(reason).c_str());
    else
        std::fprintf(stderr, "velvaton: cannot write to standard output\n");
    _exit(kExitFailed);
}
