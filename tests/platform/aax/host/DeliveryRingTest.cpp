// The ring that hands the main thread's packets and writes to the render
// thread, driven from one thread: batches, order across wraps, a full ring.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "AAXHostDeliveryRing.h"

namespace {

std::vector<uint32_t> drainValues(AAXHostDeliveryRing& ring) {
    std::vector<uint32_t> values;
    ring.drain([&](const AAXHostDeliveryRing::Record& record) {
        uint32_t value = 0;
        std::memcpy(&value, record.data, sizeof value);
        EXPECT_EQ(static_cast<int32_t>(value % 7), record.field);
        EXPECT_EQ(value % 100 + 4, record.size);
        values.push_back(value);
    });
    return values;
}

bool stage(AAXHostDeliveryRing& ring, uint32_t value) {
    // Payloads of 4 to 103 bytes, the first word the value.
    unsigned char payload[104] = {};
    std::memcpy(payload, &value, sizeof value);
    return ring.stage(AAXHostDeliveryRing::Packet, static_cast<int32_t>(value % 7), 0, payload, value % 100 + 4);
}

}  // namespace

TEST(DeliveryRing, BatchesArriveWholeInOrderAcrossWrapsUntilTheRingIsFull) {
    AAXHostDeliveryRing ring(64);
    uint32_t next = 0;
    uint32_t expected = 0;
    // About ten times the ring's size, in batches of 1 to 40 records.
    for (int batch = 0; next < 10000; ++batch) {
        const uint32_t first = next;
        for (int i = 0; i <= batch % 40; ++i)
            ASSERT_TRUE(stage(ring, next++));
        EXPECT_TRUE(drainValues(ring).empty()) << "a batch showed before it was published";
        ring.publish();
        const std::vector<uint32_t> values = drainValues(ring);
        ASSERT_EQ(next - first, values.size());
        for (uint32_t value : values)
            ASSERT_EQ(expected++, value);
        EXPECT_EQ(ring.published(), ring.delivered());
    }

    // Full: staging stops, nothing is lost, and draining makes room again.
    uint32_t staged = next;
    while (stage(ring, staged))
        ++staged;
    EXPECT_GT(staged - next, 500u);
    ring.publish();
    const std::vector<uint32_t> values = drainValues(ring);
    ASSERT_EQ(staged - next, values.size());
    for (uint32_t value : values)
        ASSERT_EQ(expected++, value);
    EXPECT_TRUE(stage(ring, staged));
}
