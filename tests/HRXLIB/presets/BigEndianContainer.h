#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// Turns a little-endian preset container, as the program writes it, into the
// big-endian form readers accept: the magic, the nine header words, every
// entry's type and data size, and a parameter entry's index and value are
// byte-reversed (the slot and the name bytes are not).
inline std::vector<uint8_t> toBigEndianContainer(std::vector<uint8_t> bytes) {
    auto reverse = [&bytes](size_t at) {
        std::swap(bytes[at], bytes[at + 3]);
        std::swap(bytes[at + 1], bytes[at + 2]);
    };
    auto word = [&bytes](size_t at) {
        return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
               static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
    };
    const uint32_t entries = word(13);
    reverse(0);
    for (size_t at = 5; at <= 37; at += 4)
        reverse(at);
    size_t at = 41;
    for (uint32_t n = 0; n < entries; ++n) {
        const uint32_t type = word(at);
        const uint32_t size = word(at + 4);
        reverse(at);
        reverse(at + 4);
        if (type == 1) {
            reverse(at + 12);
            reverse(at + 24);
        }
        at += 12 + size;
    }
    return bytes;
}
