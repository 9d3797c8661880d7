#include "HRXKeyState.h"
#include "HRXRunLoop.h"
#include "HRXTickCount.h"
#include "HRXTimer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class SteppedClock : public HRXTickSource {
public:
    explicit SteppedClock(uint32_t start) : now(start) { setTickSource(this); }
    ~SteppedClock() override { setTickSource(nullptr); }
    uint32_t tickCount() override { return now; }
    uint32_t now;
};

// Records "name@time" for each callback.
struct Log {
    SteppedClock* clock;
    std::vector<std::string> entries;
    void add(const char* name) { entries.push_back(std::string(name) + "@" + std::to_string(clock->now)); }
};

struct Probe {
    Log* log;
    const char* name;
    std::vector<uint32_t> kills;    // timers this callback kills
    uint32_t* setOnFire = nullptr;  // receives a timer this callback sets
};

void record(void* context) {
    auto* probe = static_cast<Probe*>(context);
    probe->log->add(probe->name);
    for (uint32_t id : probe->kills)
        HRXKillTimer(id);
    if (probe->setOnFire != nullptr && *probe->setOnFire == 0)
        *probe->setOnFire = HRXSetTimer(10, record, probe);
}

using Entries = std::vector<std::string>;

TEST(Timer, FiresOncePerPumpInDeadlineOrderAcrossTheClockWrap) {
    // Starts 60 ms before the 32-bit tick count wraps.
    SteppedClock clock(0xffffffc4u);
    Log log{&clock, {}};
    Probe slow{&log, "slow", {}}, fast{&log, "fast", {}}, twin{&log, "twin", {}};
    const uint32_t slowId = HRXSetTimer(33, record, &slow);
    const uint32_t fastId = HRXSetTimer(3, record, &fast);  // raised to 10 ms
    const uint32_t twinId = HRXSetTimer(33, record, &twin);
    ASSERT_NE(slowId, 0u);
    ASSERT_NE(fastId, 0u);
    EXPECT_EQ(HRXSetTimer(10, nullptr, nullptr), 0u);

    HRXRunLoop::pump();
    EXPECT_TRUE(log.entries.empty());
    // 100 ms late: three periods of the fast timer, yet each fires once,
    // earliest deadline first, equal deadlines in setting order.
    clock.now += 100;
    HRXRunLoop::pump();
    EXPECT_EQ(log.entries, (Entries{"fast@40", "slow@40", "twin@40"}));
    // Next deadlines lie past now on the original period grid: 50 and 72.
    log.entries.clear();
    clock.now += 9;
    HRXRunLoop::pump();
    EXPECT_TRUE(log.entries.empty());
    clock.now += 1;
    HRXRunLoop::pump();
    EXPECT_EQ(log.entries, (Entries{"fast@50"}));
    clock.now += 22;
    HRXRunLoop::pump();
    EXPECT_EQ(log.entries, (Entries{"fast@50", "fast@72", "slow@72", "twin@72"}));

    EXPECT_TRUE(HRXKillTimer(slowId));
    EXPECT_FALSE(HRXKillTimer(slowId));
    EXPECT_TRUE(HRXKillTimer(fastId));
    EXPECT_TRUE(HRXKillTimer(twinId));
}

TEST(Timer, CallbacksKillAndSetTimersDuringAPump) {
    SteppedClock clock(1000);
    Log log{&clock, {}};
    Probe first{&log, "first", {}}, second{&log, "second", {}};
    uint32_t setByFirst = 0;
    const uint32_t firstId = HRXSetTimer(10, record, &first);
    const uint32_t secondId = HRXSetTimer(20, record, &second);
    // first kills itself and the due second timer, and sets a new one.
    first.kills = {firstId, secondId};
    first.setOnFire = &setByFirst;
    clock.now += 20;
    HRXRunLoop::pump();
    EXPECT_EQ(log.entries, (Entries{"first@1020"}));
    ASSERT_NE(setByFirst, 0u);
    EXPECT_FALSE(HRXKillTimer(secondId));

    // The timer set during the pump first fires 10 ms after it was set.
    clock.now += 9;
    HRXRunLoop::pump();
    clock.now += 1;
    HRXRunLoop::pump();
    EXPECT_EQ(log.entries, (Entries{"first@1020", "first@1030"}));
    EXPECT_TRUE(HRXKillTimer(setByFirst));
}

struct SourceProbe {
    std::vector<std::string>* log;
    const char* name;
    uint32_t removes = 0;       // a source id removed on dispatch
    uint32_t* added = nullptr;  // receives a source added on first dispatch
};

void dispatch(void* context) {
    auto* probe = static_cast<SourceProbe*>(context);
    probe->log->push_back(probe->name);
    HRXRunLoop::pump();  // nested: must do nothing
    if (probe->removes != 0)
        HRXRunLoop::removeSource(probe->removes);
    if (probe->added != nullptr && *probe->added == 0)
        *probe->added = HRXRunLoop::addSource(dispatch, probe);
}

void timerAfterSources(void* context) {
    static_cast<std::vector<std::string>*>(context)->push_back("timer");
}

TEST(RunLoop, DispatchesSourcesInOrderThenTimersWhileTheListChanges) {
    SteppedClock clock(0);
    std::vector<std::string> log;
    SourceProbe a{&log, "a"}, b{&log, "b"}, c{&log, "c"};
    uint32_t addedByA = 0;
    const uint32_t idA = HRXRunLoop::addSource(dispatch, &a);
    const uint32_t idB = HRXRunLoop::addSource(dispatch, &b);
    const uint32_t idC = HRXRunLoop::addSource(dispatch, &c);
    EXPECT_EQ(HRXRunLoop::addSource(nullptr, nullptr), 0u);
    // a adds a source (first run next pump); b removes c before its turn.
    a.added = &addedByA;
    b.removes = idC;
    const uint32_t timer = HRXSetTimer(10, timerAfterSources, &log);
    clock.now = 10;
    HRXRunLoop::pump();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "timer"}));
    log.clear();
    // b removes itself now.
    b.removes = idB;
    HRXRunLoop::pump();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "a"}));
    log.clear();
    HRXRunLoop::pump();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "a"}));
    EXPECT_TRUE(HRXRunLoop::removeSource(idA));
    EXPECT_TRUE(HRXRunLoop::removeSource(addedByA));
    EXPECT_FALSE(HRXRunLoop::removeSource(idC));
    HRXKillTimer(timer);
}

class HeldKeys : public HRXKeyStateSource {
public:
    bool isKeyDown(HRXKey key) override { return key == held; }
    HRXKey held = HRXKey::Alt;
};

TEST(KeyState, ReplacementOverPlatformSourceOverAllUp) {
    EXPECT_FALSE(isKeyDown(HRXKey::Control));
    HeldKeys platform, replacement;
    platform.held = HRXKey::Windows;
    setPlatformKeyStateSource(&platform);
    EXPECT_TRUE(isKeyDown(HRXKey::Windows));
    setKeyStateSource(&replacement);
    EXPECT_FALSE(isKeyDown(HRXKey::Windows));
    EXPECT_TRUE(isKeyDown(HRXKey::Alt));
    setKeyStateSource(nullptr);
    setPlatformKeyStateSource(nullptr);
    EXPECT_FALSE(isKeyDown(HRXKey::Alt));
    EXPECT_FALSE(isKeyDown(HRXKey::Windows));
}

}  // namespace
