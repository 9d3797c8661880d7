#pragma once

#include "AAX.h"

// Host side of the process-wide host services (implemented by the host).
class AAX_IHostServices {
public:
    // A failed check in the plug-in: source file, line, the condition's text
    // and flags (1: report to the user as well as to the log).
    virtual AAX_Result HandleAssertFailure(const char* file, int32_t line, const char* note, int32_t flags) = 0;
    // One formatted trace line at the given priority.
    virtual AAX_Result Trace(int32_t priority, const char* message) = 0;

protected:
    ~AAX_IHostServices() = default;
};
