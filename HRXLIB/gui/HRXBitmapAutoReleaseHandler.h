#pragma once

#include "HRXResource.h"

// Deletes the one resource it holds when it is destroyed.
class HRXBitmapAutoReleaseHandler {
public:
    explicit HRXBitmapAutoReleaseHandler(HRXResource* resource) : resource_(resource) {}
    ~HRXBitmapAutoReleaseHandler() { delete resource_; }
    HRXBitmapAutoReleaseHandler(const HRXBitmapAutoReleaseHandler&) = delete;
    HRXBitmapAutoReleaseHandler& operator=(const HRXBitmapAutoReleaseHandler&) = delete;

    HRXResource* get() const { return resource_; }

private:
    HRXResource* resource_;
};
