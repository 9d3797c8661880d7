#pragma once

#include <cstdint>

// A text handed across the plug-in boundary (host-owned out parameters of the
// parameter queries). Only virtual calls cross the boundary.
class AAX_IString {
public:
    virtual ~AAX_IString() = default;
    virtual uint32_t Length() const = 0;
    virtual uint32_t MaxLength() const = 0;  // longer texts are cut to this
    virtual const char* Get() const = 0;     // NUL-terminated
    virtual void Set(const char* text) = 0;  // null sets the empty text
    virtual AAX_IString& operator=(const AAX_IString& other) = 0;
};
