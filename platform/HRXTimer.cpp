#include "HRXTimer.h"

#include "HRXTickCount.h"

#include <algorithm>
#include <vector>

namespace {

constexpr uint32_t kMinimumPeriod = 10;

struct Timer {
    uint32_t id;
    uint32_t period;
    uint32_t deadline;
    HRXTimerCallback callback;
    void* context;
};

std::vector<Timer>& timers() {
    static std::vector<Timer> list;
    return list;
}

uint32_t lastTimerId = 0;

// Tick counts wrap: a deadline is due when it lies at most 2^31 - 1 ms in
// the past.
bool isDue(uint32_t deadline, uint32_t now) {
    return static_cast<int32_t>(now - deadline) >= 0;
}

Timer* findTimer(uint32_t id) {
    for (Timer& timer : timers()) {
        if (timer.id == id)
            return &timer;
    }
    return nullptr;
}

}  // namespace

uint32_t HRXSetTimer(uint32_t periodMs, HRXTimerCallback callback, void* context) {
    if (callback == nullptr)
        return 0;
    const uint32_t period = std::max(periodMs, kMinimumPeriod);
    do {
        ++lastTimerId;
    } while (lastTimerId == 0 || findTimer(lastTimerId) != nullptr);
    timers().push_back({lastTimerId, period, getTickCount() + period, callback, context});
    return lastTimerId;
}

bool HRXKillTimer(uint32_t id) {
    auto& list = timers();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->id == id) {
            list.erase(it);
            return true;
        }
    }
    return false;
}

void HRXFireDueTimers() {
    const uint32_t now = getTickCount();
    // The due timers in firing order: how late each is, latest first, so
    // the earliest deadline fires first; the list keeps setting order for
    // equal deadlines.
    std::vector<std::pair<uint32_t, uint32_t>> due;  // (lateness, id)
    for (const Timer& timer : timers()) {
        if (isDue(timer.deadline, now))
            due.emplace_back(now - timer.deadline, timer.id);
    }
    std::stable_sort(due.begin(), due.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& entry : due) {
        // Killed by an earlier callback of this pump.
        Timer* timer = findTimer(entry.second);
        if (timer == nullptr)
            continue;
        const uint32_t late = now - timer->deadline;
        timer->deadline += timer->period * (late / timer->period + 1);
        // The callback may change the list: copy what it needs first.
        const HRXTimerCallback callback = timer->callback;
        void* const context = timer->context;
        callback(context);
    }
}
