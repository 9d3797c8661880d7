#include "vstgui/cvstguitimer.h"

#include <algorithm>
#include <vector>

namespace VSTGUI {

namespace {

uint64_t gNow = 0;
uint64_t gNextSequence = 0;

// Running timers; touched only on the user-interface thread.
std::vector<CVSTGUITimer*>& runningTimers() {
    static std::vector<CVSTGUITimer*> timers;
    return timers;
}

}  // namespace

CVSTGUITimer::CVSTGUITimer(const CallbackFunc& callback, uint32_t fireTime, bool doStart)
    : callback_(callback), fireTime_(fireTime) {
    if (doStart)
        start();
}

CVSTGUITimer::CVSTGUITimer(CBaseObject* timerObject, uint32_t fireTime, bool doStart)
    : timerObject_(timerObject), fireTime_(fireTime) {
    if (doStart)
        start();
}

CVSTGUITimer::~CVSTGUITimer() {
    stop();
}

bool CVSTGUITimer::start() {
    if (running_ || fireTime_ == 0)
        return false;
    running_ = true;
    deadline_ = gNow + fireTime_;
    sequence_ = gNextSequence++;
    runningTimers().push_back(this);
    return true;
}

bool CVSTGUITimer::stop() {
    if (!running_)
        return false;
    running_ = false;
    auto& timers = runningTimers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    return true;
}

bool CVSTGUITimer::setFireTime(uint32_t milliseconds) {
    if (milliseconds == 0)
        return false;
    fireTime_ = milliseconds;
    if (running_) {
        stop();
        start();
    }
    return true;
}

void CVSTGUITimer::fire() {
    // The callback may stop or delete this timer: keep it alive meanwhile.
    remember();
    if (callback_)
        callback_(this);
    else if (timerObject_)
        timerObject_->notify(this, kMsgTimer);
    forget();
}

// The running timer due at time with the earliest deadline (equal
// deadlines: earlier start); null when none is due.
CVSTGUITimer* TimerPump::earliestDue(uint64_t time) {
    CVSTGUITimer* due = nullptr;
    for (CVSTGUITimer* timer : runningTimers()) {
        if (timer->deadline_ > time)
            continue;
        if (!due || timer->deadline_ < due->deadline_ ||
            (timer->deadline_ == due->deadline_ && timer->sequence_ < due->sequence_))
            due = timer;
    }
    return due;
}

uint64_t TimerPump::now() {
    return gNow;
}

bool TimerPump::nextDeadline(uint64_t& time) {
    const auto& timers = runningTimers();
    if (timers.empty())
        return false;
    time = (*std::min_element(timers.begin(), timers.end(), [](const CVSTGUITimer* a, const CVSTGUITimer* b) {
               return a->deadline_ < b->deadline_;
           }))->deadline_;
    return true;
}

void TimerPump::advanceTo(uint64_t time) {
    for (;;) {
        CVSTGUITimer* due = earliestDue(time);
        if (!due)
            break;
        gNow = std::max(gNow, due->deadline_);
        due->deadline_ += due->fireTime_;
        due->fire();
    }
    gNow = std::max(gNow, time);
}

void TimerPump::advanceCoalescedBy(uint64_t milliseconds) {
    gNow += milliseconds;
    // Each fire moves its timer's deadline past now, and timers started by a
    // callback begin after now, so the loop ends.
    for (;;) {
        CVSTGUITimer* due = earliestDue(gNow);
        if (!due)
            break;
        due->deadline_ += due->fireTime_ * ((gNow - due->deadline_) / due->fireTime_ + 1);
        due->fire();
    }
}

}  // namespace VSTGUI
