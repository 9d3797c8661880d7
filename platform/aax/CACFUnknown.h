#pragma once

#include <cstdint>

// Counted base of the framework's objects: every object derived from it
// counts itself in at construction and out at destruction (atomically), so
// the library can tell the host whether it may be unloaded (ACFCanUnloadNow).
class CACFUnknown {
public:
    static int32_t GetActiveObjectCount();

protected:
    CACFUnknown();
    CACFUnknown(const CACFUnknown&);
    CACFUnknown& operator=(const CACFUnknown&) = default;
    ~CACFUnknown();
};
