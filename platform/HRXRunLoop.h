#pragma once

#include <cstdint>

// The user-interface thread's run loop: the stand-in for the message loop a
// plug-in shares with its host. It has no thread of its own; whoever owns the
// thread (the host's idle call, a tool's event loop, a test) calls pump().
// Main thread only.
class HRXRunLoop {
public:
    using Handler = void (*)(void* context);

    // Registers work dispatched once per pump (a window system connection
    // reading its events, the toolkit's timer clock). Answers the source's id,
    // never 0.
    static uint32_t addSource(Handler handler, void* context);
    // False when no source has the id. A source removed during a pump is not
    // dispatched again, even later in that pump.
    static bool removeSource(uint32_t id);

    // Dispatches every source once, in the order they were added, then fires
    // the due timers (HRXTimer.h). Sources may be added or removed from inside
    // a handler; a source added during a pump first runs in the next one. A
    // pump called from inside a handler or timer callback does nothing: the
    // run loop never nests.
    static void pump();
};
