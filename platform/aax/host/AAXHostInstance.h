#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "AAXHostAudioClient.h"
#include "AAXHostDescription.h"
#include "AAXHostTransport.h"

class AAXHostEditor;
class AAX_IEffectDirectData;
class AAX_IEffectParameters;
class AAX_IPrivateDataAccess;
class AAXHostLibrary;

// A chunk as the host stores it.
struct AAXHostChunk {
    AAX_CTypeID id = 0;
    int32_t version = 0;
    std::string name;
    std::vector<uint8_t> data;
};

// A gesture or update the plug-in asked of the host's automation system.
struct AAXHostGesture {
    enum Kind { Touch, SetValue, Release } kind;
    std::string id;
    double value;  // SetValue only
};

// One plug-in instance of one variant, with its render state.
//
// Main thread: the plug-in's gestures and set-value requests (touch, set,
// release) are recorded at once but answered at the host's next idle(), in
// order, as a real host answers them from its event loop: the touch state
// changes, UpdateParameterNormalizedValue reports the value, then an open
// editor hears ParameterUpdated. The host's own gestures and automation
// (touchParameter, setParameterValue, releaseParameter) take effect at once.
//
// Render path: a render call takes the packets and private-field writes
// handed over since the last one into their fields, sets the block length
// and channel pointers, calls the render procedure with this one render
// state, then publishes every meter tap as the meter values (and zeroes the
// taps), and moves the transport on. It allocates nothing.
//
// Threads. An instance renders in one of two ways:
// - On the caller's thread: render() stands for the host's real-time thread
//   and every other call for its main thread. process() adds the direct-data
//   timer: timerWakeup() before the first block and before any block that
//   starts 20 ms or more of audio after the last wake-up. Packets and
//   private-field writes take effect at once, which is the same as before
//   the next render call.
// - On a render thread of its own, between startRenderThread and
//   stopRenderThread: the render procedure runs once per block period, its
//   audio supplied and taken by an AAXHostAudioClient, while the main thread
//   (the thread that calls everything else of this class, one thread) runs
//   the editor, automation, chunks and timers at the same time.
//
// While the render thread runs, what crosses between the threads crosses
// only as the plug-in format says it does:
// - Main to render: parameter packets (PostPacket), private-field writes
//   (WritePortDirect) and transport changes travel in order through a
//   lock-free ring and reach their fields between two render calls.
//   Everything one call of this class hands over (an idle with the answers
//   and edits it runs, a chunk restore, a timer wake-up, one automation
//   value) reaches the same render call; postedTicket() and
//   waitForDelivery() let the main thread follow it there.
// - Render to main: after each block the render thread publishes the meter
//   values, the private fields and the transport in one snapshot; meter
//   reads (GetCurrentMeterValue, meterValue), ReadPortDirect and transport()
//   answer from the latest publication, a block's state as a whole. A
//   private-field write shows in reads once a block has run after it.
// - The render thread takes no lock, allocates nothing and never waits for
//   the main thread. The main thread may wait: for room in the ring, and in
//   waitForDelivery.
// - The direct-data timer runs on the main thread, from idle(), whenever
//   20 ms of audio have been rendered since the last wake-up; the editor
//   object's calls and timers are main-thread calls too.
// - render, process and setSampleRate answer AAX_ERROR_RENDER_THREAD_RUNNING.
class AAXHostInstance {
public:
    static constexpr int32_t kMaxBlockFrames = 4096;
    static constexpr double kMinSampleRate = 22050.0;
    static constexpr double kMaxSampleRate = 192000.0;
    static constexpr double kTimerPeriodSeconds = 0.020;

    ~AAXHostInstance();
    AAXHostInstance(const AAXHostInstance&) = delete;
    AAXHostInstance& operator=(const AAXHostInstance&) = delete;

    int32_t inputChannels() const;
    int32_t outputChannels() const;
    const AAXHostComponent& component() const;

    // 22050..192000 Hz, else AAX_ERROR_INVALID_ARGUMENT.
    AAX_Result setSampleRate(double sampleRate);
    double sampleRate() const;

    // inputs / outputs: inputChannels() / outputChannels() channel pointers of
    // frames samples each (1..kMaxBlockFrames). Null pointers or a bad length
    // answer AAX_ERROR_INVALID_ARGUMENT and render nothing.
    AAX_Result render(const float* const* inputs, float* const* outputs, int32_t frames);
    AAX_Result process(const float* const* inputs, float* const* outputs, int32_t frames);
    // The direct-data timer (AAX_ERROR_UNIMPLEMENTED without a direct-data object).
    AAX_Result timerWakeup();

    // The render thread: blocks of blockFrames (1..kMaxBlockFrames) every
    // blockFrames / sampleRate seconds, client supplying and taking the audio
    // (it must outlive the thread). The direct-data timer runs once before
    // the first block. AAX_ERROR_INVALID_ARGUMENT for a bad block length,
    // AAX_ERROR_RENDER_THREAD_RUNNING when one already runs.
    AAX_Result startRenderThread(AAXHostAudioClient& client, int32_t blockFrames);
    // Ends the thread after its current block and delivers what it had not
    // yet taken; rendering is then the caller's again. Also done when the
    // instance goes.
    void stopRenderThread();
    bool isRenderThreadRunning() const;
    // Blocks the render thread has rendered since it started (any thread).
    int64_t renderedBlocks() const;
    // The ticket of everything handed over to the render thread so far, and
    // a wait until the render thread has delivered it (at once when no
    // render thread runs).
    uint64_t postedTicket() const;
    void waitForDelivery(uint64_t ticket) const;

    // Meters, in the order of the component's meter ids; values as published
    // after the last render call.
    int32_t meterCount() const;
    AAX_CTypeID meterID(int32_t position) const;
    float meterValue(int32_t position) const;  // 0.0 outside

    int32_t latency() const;  // as the plug-in last set it
    void setTransport(const AAXHostTransportState& state);
    AAXHostTransportState transport() const;

    // Parameters (by identifier) as the host sees them.
    int32_t parameterCount() const;
    std::string parameterID(int32_t index) const;  // empty outside
    AAX_Result parameterName(const std::string& id, std::string* name) const;
    AAX_Result parameterValue(const std::string& id, double* normalizedValue) const;
    AAX_Result parameterString(const std::string& id, double normalizedValue, int32_t maxLength,
                               std::string* text) const;
    AAX_Result masterBypassID(std::string* id) const;

    // The host's own gestures and automation: a touch and release bracket
    // (also reported by UpdateParameterTouch) and a value update
    // (UpdateParameterNormalizedValue with AAX_eUpdateSource_Unspecified, then
    // GenerateCoefficients). Automation playback is setParameterValue without
    // a touch.
    AAX_Result touchParameter(const std::string& id);
    AAX_Result setParameterValue(const std::string& id, double normalizedValue);
    AAX_Result releaseParameter(const std::string& id);
    bool isTouched(const std::string& id) const;
    // The main thread's idle: answers the plug-in's waiting requests, tells an
    // attached editor which parameters changed, and runs the editor's share
    // of the main thread (see AAXHostEditor::idle).
    void idle();
    bool hasPendingRequests() const;

    // The plug-in's editor object (creation procedure 1): made once and kept
    // until destroyEditor or the instance goes. AAX_ERROR_UNIMPLEMENTED when
    // the plug-in has none.
    AAX_Result createEditor();
    AAXHostEditor* editor() const;  // null before createEditor
    void destroyEditor();

    // Gestures and set-value requests the plug-in posted, oldest first.
    const std::vector<AAXHostGesture>& gestures() const;
    void clearGestures();

    // Chunks. getChunk refuses (AAX_ERROR_INCORRECT_CHUNK_SIZE) a chunk above
    // 64 MiB or one whose record claims more bytes than were allocated.
    // setChunk restores with update source AAX_eUpdateSource_Chunk.
    AAX_Result chunkIDs(std::vector<AAX_CTypeID>* ids) const;
    AAX_Result getChunk(AAX_CTypeID id, AAXHostChunk* chunk);
    AAX_Result setChunk(const AAXHostChunk& chunk);
    AAX_Result compareChunk(const AAXHostChunk& chunk, bool* equal) const;
    // Every chunk by index, and all of them restored in that order.
    AAX_Result getState(std::vector<AAXHostChunk>* chunks);
    AAX_Result setState(const std::vector<AAXHostChunk>& chunks);

    // The plug-in's objects, for callers that know the plug-in.
    AAX_IEffectParameters* parameters() const;
    AAX_IEffectDirectData* directData() const;
    // The private fields as the direct-data timer reaches them.
    AAX_IPrivateDataAccess& privateData();

private:
    friend class AAXHost;
    class Impl;
    explicit AAXHostInstance(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};
