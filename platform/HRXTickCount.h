#pragma once

#include <cstdint>

// Milliseconds since an arbitrary start, as an unsigned 32-bit count that
// wraps to 0 after 2^32 - 1 (about 49.7 days), like the Windows tick count.
// Elapsed time is always computed as `later - earlier` in uint32_t, which
// stays right across a wrap.
uint32_t getTickCount();

// A replaceable clock behind getTickCount, so tests can step time.
class HRXTickSource {
public:
    virtual ~HRXTickSource() = default;
    virtual uint32_t tickCount() = 0;
};

// Installs a source for getTickCount; nullptr restores the monotonic system
// clock. Main thread only.
void setTickSource(HRXTickSource* source);

// The system clock's reading in milliseconds (CLOCK_MONOTONIC) cut to the
// 32-bit tick count: the low 32 bits.
uint32_t tickCountFromMilliseconds(uint64_t milliseconds);
