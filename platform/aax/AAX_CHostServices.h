#pragma once

#include "AAX.h"

class IACFUnknown;

// The plug-in's process-wide proxy of the host services. ACFStartup creates it
// with Set(host), ACFShutdown destroys it with Set(nullptr). While no proxy
// exists, reports and traces are silently dropped. Main thread only.
class AAX_CHostServices {
public:
    // host non-null: (re)create the proxy over host->GetHostServices();
    // null: destroy the proxy.
    static void Set(IACFUnknown* host);
    static bool Exists();

    static AAX_Result HandleAssertFailure(const char* file, int32_t line, const char* note, int32_t flags = 1);
    // printf-style; the line is cut at 1023 bytes.
    static AAX_Result Trace(int32_t priority, const char* format, ...) __attribute__((format(printf, 2, 3)));
};

enum AAX_ETracePriority : int32_t {
    AAX_eTracePriorityHost_Critical = 0,
    AAX_eTracePriorityHost_High = 1,
    AAX_eTracePriorityHost_Normal = 2,
    AAX_eTracePriorityHost_Low = 3,
};
