#include "HRXTickCount.h"

#include <ctime>

namespace {

HRXTickSource* tickSource = nullptr;

uint32_t systemTickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t milliseconds =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return tickCountFromMilliseconds(milliseconds);
}

}  // namespace

uint32_t tickCountFromMilliseconds(uint64_t milliseconds) {
    return static_cast<uint32_t>(milliseconds & 0xffffffffu);
}

uint32_t getTickCount() {
    return tickSource != nullptr ? tickSource->tickCount() : systemTickCount();
}

void setTickSource(HRXTickSource* source) {
    tickSource = source;
}
