#include "AAX_CHostServices.h"

#include <cstdarg>
#include <cstdio>

#include "AAX_Errors.h"
#include "AAX_IHostServices.h"
#include "IACFUnknown.h"

namespace {
// The proxy is the host's services pointer, kept for the process (main
// thread only).
AAX_IHostServices* gHostServices = nullptr;
bool gProxyExists = false;
}  // namespace

void AAX_CHostServices::Set(IACFUnknown* host) {
    gHostServices = host ? host->GetHostServices() : nullptr;
    gProxyExists = host != nullptr;
}

bool AAX_CHostServices::Exists() {
    return gProxyExists;
}

AAX_Result AAX_CHostServices::HandleAssertFailure(const char* file, int32_t line, const char* note, int32_t flags) {
    if (!gHostServices)
        return AAX_SUCCESS;
    return gHostServices->HandleAssertFailure(file ? file : "", line, note ? note : "", flags);
}

AAX_Result AAX_CHostServices::Trace(int32_t priority, const char* format, ...) {
    if (!gHostServices || !format)
        return AAX_SUCCESS;
    char line[1024];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    return gHostServices->Trace(priority, line);
}
