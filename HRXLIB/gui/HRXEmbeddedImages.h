#pragma once

#include <cstddef>
#include <cstdint>

// A complete PNG file compiled into the library.
struct HRXEmbeddedImage {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

// Finds the PNG of a resource id; false (and an empty image) for ids that
// have none. The table is generated at build time.
bool findEmbeddedImage(uint32_t resourceId, HRXEmbeddedImage& image);
