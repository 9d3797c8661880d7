#include "AAXHostRenderThread.h"

#include <system_error>

namespace {
constexpr std::chrono::milliseconds kMaximumBacklog{500};
}

bool AAXHostRenderThread::start(std::chrono::nanoseconds period, Block block, void* context) {
    if (isRunning() || !block || period.count() <= 0)
        return false;
    stopping_.store(false, std::memory_order_relaxed);
    try {
        thread_ = std::thread(&AAXHostRenderThread::run, this, period, block, context);
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void AAXHostRenderThread::stop() {
    if (!isRunning())
        return;
    stopping_.store(true, std::memory_order_relaxed);
    thread_.join();
}

void AAXHostRenderThread::run(std::chrono::nanoseconds period, Block block, void* context) {
    auto deadline = std::chrono::steady_clock::now();
    while (!stopping_.load(std::memory_order_relaxed)) {
        block(context);
        deadline += period;
        const auto now = std::chrono::steady_clock::now();
        if (now - deadline > kMaximumBacklog)
            deadline = now;
        std::this_thread::sleep_until(deadline);
    }
}
