#include "vstgui/cvstguitimer.h"

#include <gtest/gtest.h>

#include <vector>

using namespace VSTGUI;

TEST(Timer, FiresOncePerElapsedPeriodInDeadlineOrder) {
    const uint64_t start = TimerPump::now();
    std::vector<uint64_t> ticks;
    std::vector<int> order;
    auto* timer = new CVSTGUITimer([&](CVSTGUITimer*) { ticks.push_back(TimerPump::now() - start); }, 17);
    EXPECT_TRUE(timer->isRunning());
    TimerPump::advanceBy(100);
    EXPECT_EQ(ticks, (std::vector<uint64_t>{17, 34, 51, 68, 85}));
    TimerPump::advanceBy(2);
    EXPECT_EQ(ticks.size(), 6u);
    EXPECT_EQ(TimerPump::now() - start, 102u);
    timer->forget();
    TimerPump::advanceBy(100);
    EXPECT_EQ(ticks.size(), 6u);

    auto* slow = new CVSTGUITimer([&](CVSTGUITimer*) { order.push_back(25); }, 25);
    auto* fast = new CVSTGUITimer([&](CVSTGUITimer*) { order.push_back(10); }, 10);
    uint64_t next = 0;
    ASSERT_TRUE(TimerPump::nextDeadline(next));
    EXPECT_EQ(next, start + 212);
    TimerPump::advanceBy(50);
    EXPECT_EQ(order, (std::vector<int>{10, 10, 25, 10, 10, 25, 10}));
    slow->forget();
    fast->forget();
    EXPECT_FALSE(TimerPump::nextDeadline(next));
}

TEST(Timer, StopFromTheCallbackAndRestartWithANewPeriod) {
    int count = 0;
    auto* timer = new CVSTGUITimer(
        [&](CVSTGUITimer* t) {
            if (++count == 3)
                t->stop();
        },
        10);
    TimerPump::advanceBy(100);
    EXPECT_EQ(count, 3);
    EXPECT_FALSE(timer->isRunning());
    EXPECT_TRUE(timer->start());
    EXPECT_FALSE(timer->start());
    EXPECT_TRUE(timer->setFireTime(40));
    EXPECT_FALSE(timer->setFireTime(0));
    TimerPump::advanceBy(39);
    EXPECT_EQ(count, 3);
    TimerPump::advanceBy(1);
    EXPECT_EQ(count, 4);
    timer->forget();
}

TEST(Timer, CoalescedAdvanceFiresEachDueTimerOnceOnItsPeriodGrid) {
    const uint64_t start = TimerPump::now();
    std::vector<std::pair<int, uint64_t>> ticks;
    CVSTGUITimer* started = nullptr;
    auto* editor = new CVSTGUITimer([&](CVSTGUITimer*) { ticks.push_back({17, TimerPump::now() - start}); }, 17);
    auto* fast = new CVSTGUITimer(
        [&](CVSTGUITimer*) {
            ticks.push_back({10, TimerPump::now() - start});
            // Started during the advance: first due 10 ms after it.
            if (!started)
                started = new CVSTGUITimer([&](CVSTGUITimer*) { ticks.push_back({1, TimerPump::now() - start}); }, 10);
        },
        10);
    TimerPump::advanceCoalescedBy(100);
    EXPECT_EQ(ticks, (std::vector<std::pair<int, uint64_t>>{{10, 100}, {17, 100}}));
    // Next deadlines: 110 (fast, started) and 102 (editor).
    TimerPump::advanceCoalescedBy(2);
    TimerPump::advanceCoalescedBy(8);
    EXPECT_EQ(ticks, (std::vector<std::pair<int, uint64_t>>{{10, 100}, {17, 100}, {17, 102}, {10, 110}, {1, 110}}));
    editor->forget();
    fast->forget();
    started->forget();
}

namespace {

struct Listener : CBaseObject {
    CMessageResult notify(CBaseObject* sender, const char* message) override {
        if (message != CVSTGUITimer::kMsgTimer)
            return kMessageUnknown;
        lastSender = sender;
        ++count;
        return kMessageNotified;
    }
    CBaseObject* lastSender = nullptr;
    int count = 0;
};

}  // namespace

TEST(Timer, NotifiesAnObjectWhenMadeForOne) {
    Listener listener;
    auto* timer = new CVSTGUITimer(&listener, 100);
    EXPECT_FALSE(timer->isRunning());
    timer->start();
    TimerPump::advanceBy(250);
    EXPECT_EQ(listener.count, 2);
    EXPECT_EQ(listener.lastSender, timer);
    timer->forget();
}
