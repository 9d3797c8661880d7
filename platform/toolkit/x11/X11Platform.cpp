#include "X11Platform.h"

#include "X11Frame.h"

#include "HRXRunLoop.h"
#include "HRXTickCount.h"

#include "vstgui/cvstguitimer.h"

#include <cstdint>

namespace VSTGUI {
namespace X11 {

namespace {

IPlatformFrame* createFrame(IPlatformFrameCallback* frame, const CRect& size, void* parent) {
    return X11PlatformFrame::create(frame, size, static_cast<Window>(reinterpret_cast<uintptr_t>(parent)));
}

uint32_t gLastTick = 0;

// Moves the toolkit's timer clock by the ticks elapsed since the last pump;
// late timers fire once, as Windows delivers WM_TIMER. A clock that went
// backwards (a test replaced it) moves nothing.
void advanceToolkitTimers(void* /*context*/) {
    const uint32_t now = getTickCount();
    const auto elapsed = static_cast<int32_t>(now - gLastTick);
    gLastTick = now;
    if (elapsed > 0)
        TimerPump::advanceCoalescedBy(static_cast<uint64_t>(elapsed));
}

}  // namespace

void registerPlatform() {
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    setPlatformFrameFactory(PlatformType::kX11Window, createFrame);
    gLastTick = getTickCount();
    HRXRunLoop::addSource(advanceToolkitTimers, nullptr);
}

}  // namespace X11
}  // namespace VSTGUI
