#pragma once

#include "cbaseobject.h"

#include <cstdint>
#include <functional>

namespace VSTGUI {

// A repeating timer on the user-interface thread. Timers do not tick by
// themselves: the platform's event loop (or a test) moves the timer clock
// forward with TimerPump, which fires every due timer in order.
class CVSTGUITimer : public CBaseObject {
public:
    // One object for the whole program, so receivers may compare addresses.
    static constexpr char kMsgTimer[] = "timer fired";
    using CallbackFunc = std::function<void(CVSTGUITimer*)>;

    CVSTGUITimer(const CallbackFunc& callback, uint32_t fireTime = 100, bool doStart = true);
    // Notifies the object with kMsgTimer on each tick.
    CVSTGUITimer(CBaseObject* timerObject, uint32_t fireTime = 100, bool doStart = false);
    ~CVSTGUITimer() override;

    // The first tick comes fireTime milliseconds after start.
    bool start();
    bool stop();
    // Restarts a running timer with the new period.
    bool setFireTime(uint32_t milliseconds);
    uint32_t getFireTime() const { return fireTime_; }
    bool isRunning() const { return running_; }

private:
    friend class TimerPump;
    void fire();

    CallbackFunc callback_;
    CBaseObject* timerObject_ = nullptr;
    uint32_t fireTime_;
    bool running_ = false;
    uint64_t deadline_ = 0;
    uint64_t sequence_ = 0;
};

// The timer clock, in milliseconds from 0.
class TimerPump {
public:
    static uint64_t now();
    // Moves the clock to time (never backwards), firing each due timer at
    // its deadline in deadline order (equal deadlines: earlier start first).
    // A timer fires once per elapsed period.
    static void advanceTo(uint64_t time);
    static void advanceBy(uint64_t milliseconds) { advanceTo(now() + milliseconds); }
    // Moves the clock forward the way a window system delivers late timer
    // ticks: each due timer fires once (deadline order, clock already at
    // the new time) and its next deadline moves to the first period boundary
    // after it. A real event loop calls this with the time since its last
    // call.
    static void advanceCoalescedBy(uint64_t milliseconds);
    // The earliest deadline of a running timer; false when none runs.
    static bool nextDeadline(uint64_t& time);

private:
    static CVSTGUITimer* earliestDue(uint64_t time);
};

}  // namespace VSTGUI
