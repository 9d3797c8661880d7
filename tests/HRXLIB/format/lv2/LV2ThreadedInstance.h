#pragma once

// The lilv test host's instance run as real hosts run a plug-in: run() on a
// render thread of its own, every other call from the main thread (the one
// thread that calls this class).
//
// Threads:
// - The render thread calls only the plug-in's run(), through the
//   descriptor taken once; it takes no lock, allocates nothing and never
//   waits. Every lilv call stays on the main thread.
// - Main to render: control port values pass through one atomic per port
//   (the newest value wins), UI messages through a ring to the atom input
//   port. Before each block the render thread copies both into the buffers
//   the plug-in reads. posted() is the ticket of everything handed over so
//   far; waitForDelivery() waits until a block has been rendered with all
//   of it.
// - Render to main: what the plug-in writes to its notify port passes
//   through a second ring (dropped when the main thread lags that far).
// - save() runs beside run(), as the state extension allows. restore() may
//   not unless the plug-in declares state:threadSafeRestore: otherwise the
//   main thread pauses the render thread around it. The render thread
//   acknowledges a pause between blocks and skips blocks while paused.

#include "LV2TestHost.h"
#include "LV2TestRing.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class LV2ThreadedInstance {
public:
    static constexpr uint32_t kBlockFrames = 64;

    // An input control port: its symbol, index and range.
    struct Control {
        std::string symbol;
        uint32_t index;
        float minimum;
        float maximum;
    };

    // The render thread plays `programme` (cycled) into the plug-in.
    LV2ThreadedInstance(int channels, double rate, const Channels& programme);
    ~LV2ThreadedInstance();
    LV2ThreadedInstance(const LV2ThreadedInstance&) = delete;
    LV2ThreadedInstance& operator=(const LV2ThreadedInstance&) = delete;

    // The render thread: a block of kBlockFrames every block period.
    void start();
    // Lets the block in progress finish and joins the thread.
    void stop();

    const std::vector<Control>& controls() const { return controls_; }
    void set(const std::string& symbol, float value);
    // A message for the plug-in's atom input, as its UI sends one; waits for
    // room in the ring.
    void send(const std::vector<uint8_t>& atom);
    // The messages the plug-in sent since the last call.
    std::vector<std::vector<uint8_t>> takeReceived();

    uint64_t posted() const { return posted_.load(std::memory_order_relaxed); }
    void waitForDelivery(uint64_t ticket) const;

    // The state calls, as LV2TestInstance makes them.
    std::vector<uint8_t> saveData() { return instance_.saveData(); }
    LV2_State_Status restoreData(const std::vector<uint8_t>& bytes, LV2_URID type);
    LilvState* saveState() { return instance_.saveState(); }
    void restoreState(const LilvState* state);

    // With the render thread stopped: deactivates and activates the plug-in,
    // then runs `input` through it on this thread with the port values the
    // render thread left (nothing handed over since is taken).
    Channels restartAndRender(const Channels& input);
    // After stop(): whether every sample the render thread saw was finite.
    bool outputFinite() const { return finite_; }

private:
    enum RunState : int { Running, PauseRequested, Paused };
    class Pause;

    void renderLoop();
    void renderBlock();
    void takeMessages(bool* allTaken);
    void passNotifications();
    void resetSequences();
    void publishControls();
    void handOver();
    const Control& control(const std::string& symbol) const;

    // Render side: the buffers the plug-in is connected to.
    std::vector<float> ports_;
    Channels in_, out_;
    std::vector<uint64_t> controlIn_, notify_;
    const Channels programme_;
    size_t position_ = 0;
    bool finite_ = true;

    // Main side: the instance (its control values are the main thread's).
    LV2TestInstance instance_;
    std::vector<Control> controls_;
    const LV2_Descriptor* descriptor_;
    LV2_Handle handle_;
    LV2_URID sequenceType_;
    const double blockPeriodSeconds_;
    bool threadSafeRestore_ = false;  // as the plug-in's Turtle declares

    // Between the threads.
    std::unique_ptr<std::atomic<float>[]> requested_;  // per port
    LV2TestRing toPlugin_, fromPlugin_;
    std::atomic<uint64_t> posted_{0};
    std::atomic<uint64_t> delivered_{0};
    std::atomic<int> runState_{Running};
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};
