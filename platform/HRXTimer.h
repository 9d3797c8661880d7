#pragma once

#include <cstdint>

// The stand-in for the Windows timer without a window (SetTimer/KillTimer):
// a callback repeated every period on the user-interface thread, fired from
// HRXRunLoop::pump on the platform tick count (getTickCount), so a test that
// replaces the clock (setTickSource) and pumps fires timers
// deterministically. Set timers after installing a replacement clock: a
// deadline is a reading of the clock that was current when it was set.
//
// Like WM_TIMER, ticks coalesce: a timer fires at most once per pump however
// late the pump is, and its next deadline then moves to the first period
// boundary after the current time. Due timers fire in deadline order (equal
// deadlines: the earlier set first). A callback may kill its own or any
// timer and set new ones; a timer set during a pump first fires in a later
// one. Main thread only.

using HRXTimerCallback = void (*)(void* context);

// Answers the timer's id, 0 on failure (no callback). Periods below 10 ms
// are raised to 10 ms, as Windows does.
uint32_t HRXSetTimer(uint32_t periodMs, HRXTimerCallback callback, void* context);
// False when no running timer has the id.
bool HRXKillTimer(uint32_t id);

// Fires the due timers once each; called by HRXRunLoop::pump.
void HRXFireDueTimers();
