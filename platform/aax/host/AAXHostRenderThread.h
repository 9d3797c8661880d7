#pragma once

#include <atomic>
#include <chrono>
#include <thread>

// A real-time-style loop on a thread of its own: calls block(context) once
// per period, on a fixed schedule (each deadline is the last one plus the
// period, so the blocks keep the rate however long each takes). A thread
// that falls more than half a second behind (the machine stalled) skips
// ahead instead of rendering the backlog in one burst.
class AAXHostRenderThread {
public:
    typedef void (*Block)(void* context);

    AAXHostRenderThread() = default;
    ~AAXHostRenderThread() { stop(); }
    AAXHostRenderThread(const AAXHostRenderThread&) = delete;
    AAXHostRenderThread& operator=(const AAXHostRenderThread&) = delete;

    // False when already running or the thread cannot start.
    bool start(std::chrono::nanoseconds period, Block block, void* context);
    // Lets the block in progress finish, then joins the thread.
    void stop();
    bool isRunning() const { return thread_.joinable(); }

private:
    void run(std::chrono::nanoseconds period, Block block, void* context);

    std::thread thread_;
    std::atomic<bool> stopping_{false};
};
