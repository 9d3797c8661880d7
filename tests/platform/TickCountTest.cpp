#include "HRXTickCount.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

class SteppedClock : public HRXTickSource {
public:
    uint32_t tickCount() override { return now; }
    uint32_t now = 0;
};

TEST(TickCount, ReplaceableSourceAndWrap) {
    SteppedClock clock;
    clock.now = 0xfffffff0u;
    setTickSource(&clock);
    const uint32_t before = getTickCount();
    clock.now += 40;  // wraps past 2^32
    const uint32_t after = getTickCount();
    setTickSource(nullptr);
    EXPECT_EQ(after, 24u);
    EXPECT_EQ(static_cast<uint32_t>(after - before), 40u);
}

TEST(TickCount, SystemClockKeepsTheLow32BitsOfMilliseconds) {
    EXPECT_EQ(tickCountFromMilliseconds(0x1'0000'0005ull), 5u);
    EXPECT_EQ(tickCountFromMilliseconds(0xffff'ffffull), 0xffffffffu);

    const uint32_t start = getTickCount();
    const timespec pause{0, 30 * 1000000L};
    nanosleep(&pause, nullptr);
    const uint32_t elapsed = getTickCount() - start;
    EXPECT_GE(elapsed, 30u);
    EXPECT_LT(elapsed, 2000u);
}

}  // namespace
