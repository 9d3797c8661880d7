#pragma once

#include <cstdint>
#include <vector>

class HRXMasterGraphicalEngine;

namespace Brackenworks {

// The library-wide idle timer (33 ms on the platform's timer service): on
// each tick it runs the idle work of every open editor window of the
// process. Created with the first editor wrapper and kept until the library
// is unloaded. User-interface thread only.
class IdleUpdate_HRX_Handler {
public:
    static constexpr uint32_t kPeriodMilliseconds = 33;

    static IdleUpdate_HRX_Handler& instance();
    // The open editor windows, in the order they opened.
    static std::vector<HRXMasterGraphicalEngine*>& openEditors();

    // False when the platform gave no timer: then each editor's own timer is
    // its only idle source.
    bool hasTimer() const { return timerId_ != 0; }

private:
    IdleUpdate_HRX_Handler();
    ~IdleUpdate_HRX_Handler();
    IdleUpdate_HRX_Handler(const IdleUpdate_HRX_Handler&) = delete;
    IdleUpdate_HRX_Handler& operator=(const IdleUpdate_HRX_Handler&) = delete;

    static void onTimer(void* context);

    uint32_t timerId_;
};

}  // namespace Brackenworks
