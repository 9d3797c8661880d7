#include "AAXHostRenderThread.h"

#include <system_error>

namespace {
constexpr std::chrono::milliseconds kMaximumBacklog{500};
}

bool AAXHostRenderThread::start(std::chrono::nanoseconds period, Block block, void* context) {
    if (isRunning() || !block || period.count() <= 0) return false;
    mStopping.store(false, std::memory_order_relaxed);
    try {
        mThread = std::thread(&AAXHostRenderThread::run, this, period, block, context);
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void AAXHostRenderThread::stop() {
    if (!isRunning()) return;
    mStopping.store(true, std::memory_order_relaxed);
    mThread.join();
}

void AAXHostRenderThread::run(std::chrono::nanoseconds period, Block block, void* context) {
    auto deadline = std::chrono::steady_clock::now();
    while (!mStopping.load(std::memory_order_relaxed)) {
        block(context);
        deadline += period;
        const auto now = std::chrono::steady_clock::now();
        if (now - deadline > kMaximumBacklog) deadline = now;
        std::this_thread::sleep_until(deadline);
    }
}
