#pragma once

#include <cstdint>

// Root of the engine-neutral GUI resources (bitmaps, fonts).
class HRXResource {
public:
    virtual ~HRXResource() = default;

protected:
    int32_t referenceCount_ = 1;
};
