#include "HRX_LV2_Plugin.h"

#include "HRXBaseAudioProcessor.h"

#include <lv2/atom/util.h>

#include <cmath>
#include <cstring>
#include <limits>

// The values the audio thread shares with save() pass without a lock.
static_assert(std::atomic<float>::is_always_lock_free, "a control's value must pass without a lock");
static_assert(std::atomic<uint8_t>::is_always_lock_free, "the state mailbox must pass without a lock");

namespace {

constexpr float kUnknown = std::numeric_limits<float>::quiet_NaN();
// Room the notify port needs beyond the state data: the event, the object
// and its two properties.
constexpr uint32_t kStateMessageOverhead = 128;

float blockPeak(const float* samples, uint32_t frames) {
    float peak = 0.0f;
    for (uint32_t i = 0; i < frames; ++i) {
        const float magnitude = std::fabs(samples[i]);
        if (magnitude > peak)
            peak = magnitude;
    }
    return peak;
}

}  // namespace

HRX_LV2_Plugin::HRX_LV2_Plugin(const HRX_LV2_Product& product, int32_t channels, double sampleRate,
                               const LV2_URID_Map* map)
    : product(product),
      ports(product.controlCount, channels),
      urids(map, product),
      messaging(map != nullptr),
      keeper(product) {
    for (int32_t i = 0; i < kMaxControls; ++i) {
        delivered[i] = kUnknown;
        heard[i].store(kUnknown, std::memory_order_relaxed);
    }
    if (map)
        lv2_atom_forge_init(&forge, const_cast<LV2_URID_Map*>(map));
    // The rate is the engine's first call, before any parameter, as in the
    // AAX render procedure's first block.
    engine->setSampleRate(sampleRate);
    takeKeeperData();
}

HRX_LV2_Plugin::~HRX_LV2_Plugin() = default;

void HRX_LV2_Plugin::takeKeeperData() {
    uint32_t size = 0;
    const uint8_t* data = keeper.data(&size);
    uiDataSize = data && size <= sizeof uiData ? size : 0;
    if (uiDataSize > 0)
        std::memcpy(uiData, data, uiDataSize);
}

void HRX_LV2_Plugin::connectPort(uint32_t port, void* data) {
    if (port < ports.controls) {
        controls[port] = static_cast<const float*>(data);
    } else if (port == ports.enabled()) {
        enabled = static_cast<const float*>(data);
    } else if (port == ports.inputPeak()) {
        inputPeak = static_cast<float*>(data);
    } else if (port == ports.outputPeak()) {
        outputPeak = static_cast<float*>(data);
    } else if (port == ports.gainReduction()) {
        gainReduction = static_cast<float*>(data);
    } else if (port == ports.controlIn()) {
        controlIn = messaging ? static_cast<const LV2_Atom_Sequence*>(data) : nullptr;
    } else if (port == ports.notify()) {
        notify = messaging ? static_cast<LV2_Atom_Sequence*>(data) : nullptr;
    } else {
        for (uint32_t channel = 0; channel < ports.channels; ++channel) {
            if (port == ports.audioIn(channel))
                audioIn[channel] = static_cast<float*>(data);
            else if (port == ports.audioOut(channel))
                audioOut[channel] = static_cast<float*>(data);
        }
    }
}

void HRX_LV2_Plugin::activate() {
    // A stream that starts again starts from a clean history; the first
    // activation finds the engine as it was built.
    if (activated)
        engine->reset();
    activated = true;
}

void HRX_LV2_Plugin::readMessages() {
    if (!controlIn)
        return;
    LV2_ATOM_SEQUENCE_FOREACH (controlIn, event) {
        const HRX_LV2_Message message = HRX_LV2_ReadMessage(urids, &event->body);
        if (message.kind == HRX_LV2_Message::Kind::Request) {
            sendState = true;
        } else if (message.kind == HRX_LV2_Message::Kind::State && message.size <= sizeof uiData) {
            // Kept as bytes: save() reads them, away from this thread.
            std::memcpy(uiData, message.bytes, message.size);
            uiDataSize = message.size;
            fromUi.post(message.bytes, message.size);
        }
    }
}

void HRX_LV2_Plugin::deliverControls() {
    for (int32_t i = 0; i < product.controlCount; ++i) {
        if (!controls[i])
            continue;
        const float value = HRX_LV2_Normalised(product.controls[i], *controls[i]);
        if (std::isnan(value) || value == delivered[i])
            continue;
        delivered[i] = value;
        engine->setParameter(static_cast<uint32_t>(product.controls[i].slot), static_cast<double>(value));
        heard[i].store(value, std::memory_order_relaxed);
    }
}

void HRX_LV2_Plugin::writeMeters(const float* output, uint32_t frames, float peakIn) {
    if (inputPeak)
        *inputPeak = peakIn;
    if (outputPeak)
        *outputPeak = output ? blockPeak(output, frames) : 0.0f;
    if (gainReduction) {
        double value = 0.0;
        engine->getParameterOutput(kGainReductionSlot, &value);
        *gainReduction = static_cast<float>(value);
    }
}

void HRX_LV2_Plugin::writeNotifications() {
    if (!notify)
        return;
    const uint32_t capacity = notify->atom.size;
    lv2_atom_forge_set_buffer(&forge, reinterpret_cast<uint8_t*>(notify), capacity);
    LV2_Atom_Forge_Frame frame;
    if (!lv2_atom_forge_sequence_head(&forge, &frame, 0))
        return;
    // A port too small for the data is never sent it.
    if (sendState && uiDataSize > 0 && uiDataSize + kStateMessageOverhead <= capacity) {
        lv2_atom_forge_frame_time(&forge, 0);
        HRX_LV2_WriteState(forge, urids, uiData, uiDataSize);
    }
    sendState = false;
    lv2_atom_forge_pop(&forge, &frame);
}

void HRX_LV2_Plugin::run(uint32_t frames) {
    readMessages();
    deliverControls();

    float* inputs[2] = {audioIn[0], ports.channels > 1 ? audioIn[1] : nullptr};
    float* outputs[2] = {audioOut[0], ports.channels > 1 ? audioOut[1] : nullptr};
    bool connected = inputs[0] && outputs[0];
    if (ports.channels > 1)
        connected = connected && inputs[1] && outputs[1];
    // Taken before processing: the host may process in place.
    const float peakIn = connected ? blockPeak(inputs[0], frames) : 0.0f;
    if (connected) {
        if (enabled && *enabled < 0.5f)
            engine->processBypassed(inputs, outputs, frames);
        else
            engine->process(inputs, outputs, frames);
    }
    writeMeters(connected ? outputs[0] : nullptr, connected ? frames : 0, peakIn);
    writeNotifications();
}

LV2_State_Status HRX_LV2_Plugin::save(LV2_State_Store_Function store, LV2_State_Handle handle) {
    if (!messaging)
        return LV2_STATE_ERR_NO_FEATURE;
    std::lock_guard<std::mutex> guard(stateLock);
    if (const HRX_LV2_StateMailbox::Slot* sent = fromUi.take())
        keeper.restore(sent->bytes, sent->size);
    float values[kMaxControls];
    for (int32_t i = 0; i < product.controlCount; ++i)
        values[i] = heard[i].load(std::memory_order_relaxed);
    keeper.followPorts(values);
    uint32_t size = 0;
    const uint8_t* data = keeper.data(&size);
    if (!data)
        return LV2_STATE_ERR_UNKNOWN;
    return store(handle, urids.state, data, size, urids.atomChunk, LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE);
}

LV2_State_Status HRX_LV2_Plugin::restore(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle) {
    if (!messaging)
        return LV2_STATE_ERR_NO_FEATURE;
    std::lock_guard<std::mutex> guard(stateLock);
    size_t size = 0;
    uint32_t type = 0;
    uint32_t flags = 0;
    const void* data = retrieve(handle, urids.state, &size, &type, &flags);
    // Nothing saved under the key (a host's preset holds only port values):
    // the instance stays as it is.
    if (!data)
        return LV2_STATE_SUCCESS;
    if (type != urids.atomChunk)
        return LV2_STATE_ERR_BAD_TYPE;
    if (!keeper.restore(static_cast<const uint8_t*>(data), size))
        return LV2_STATE_ERR_UNKNOWN;
    // Older state data from the UI must not overwrite what was restored.
    fromUi.take();
    for (int32_t i = 0; i < product.controlCount; ++i)
        heard[i].store(kUnknown, std::memory_order_relaxed);
    takeKeeperData();
    sendState = true;  // an open UI shows the restored state
    return LV2_STATE_SUCCESS;
}
