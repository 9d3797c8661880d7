#pragma once

#include "HRXResource.h"

#include <cstdint>

// The engine-neutral font: a face name, a size in points and style bits.
class HRXFont : public HRXResource {
public:
    ~HRXFont() override = default;
    virtual void remember() = 0;
    virtual void forget() = 0;
    virtual const char* getName() const = 0;
    virtual double getSize() const = 0;
    virtual int32_t getStyle() const = 0;
};
