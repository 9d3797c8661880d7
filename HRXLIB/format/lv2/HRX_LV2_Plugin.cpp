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
    : product_(product),
      ports_(product.controlCount, channels),
      urids_(map, product),
      messaging_(map != nullptr),
      keeper_(product) {
    for (int32_t i = 0; i < kMaxControls; ++i) {
        delivered_[i] = kUnknown;
        heard_[i].store(kUnknown, std::memory_order_relaxed);
    }
    if (map)
        lv2_atom_forge_init(&forge_, const_cast<LV2_URID_Map*>(map));
    // The rate is the engine's first call, before any parameter, as in the
    // AAX render procedure's first block.
    engine_->setSampleRate(sampleRate);
    takeKeeperData();
}

HRX_LV2_Plugin::~HRX_LV2_Plugin() = default;

void HRX_LV2_Plugin::takeKeeperData() {
    uint32_t size = 0;
    const uint8_t* data = keeper_.data(&size);
    uiDataSize_ = data && size <= sizeof uiData_ ? size : 0;
    if (uiDataSize_ > 0)
        std::memcpy(uiData_, data, uiDataSize_);
}

void HRX_LV2_Plugin::connectPort(uint32_t port, void* data) {
    if (port < ports_.controls) {
        controls_[port] = static_cast<const float*>(data);
    } else if (port == ports_.enabled()) {
        enabled_ = static_cast<const float*>(data);
    } else if (port == ports_.inputPeak()) {
        inputPeak_ = static_cast<float*>(data);
    } else if (port == ports_.outputPeak()) {
        outputPeak_ = static_cast<float*>(data);
    } else if (port == ports_.gainReduction()) {
        gainReduction_ = static_cast<float*>(data);
    } else if (port == ports_.controlIn()) {
        controlIn_ = messaging_ ? static_cast<const LV2_Atom_Sequence*>(data) : nullptr;
    } else if (port == ports_.notify()) {
        notify_ = messaging_ ? static_cast<LV2_Atom_Sequence*>(data) : nullptr;
    } else {
        for (uint32_t channel = 0; channel < ports_.channels; ++channel) {
            if (port == ports_.audioIn(channel))
                audioIn_[channel] = static_cast<float*>(data);
            else if (port == ports_.audioOut(channel))
                audioOut_[channel] = static_cast<float*>(data);
        }
    }
}

void HRX_LV2_Plugin::activate() {
    // A stream that starts again starts from a clean history; the first
    // activation finds the engine as it was built.
    if (activated_)
        engine_->reset();
    activated_ = true;
}

void HRX_LV2_Plugin::readMessages() {
    if (!controlIn_)
        return;
    LV2_ATOM_SEQUENCE_FOREACH(controlIn_, event) {
        const HRX_LV2_Message message = HRX_LV2_ReadMessage(urids_, &event->body);
        if (message.kind == HRX_LV2_Message::Kind::Request) {
            sendState_ = true;
        } else if (message.kind == HRX_LV2_Message::Kind::State && message.size <= sizeof uiData_) {
            // Kept as bytes: save() reads them, away from this thread.
            std::memcpy(uiData_, message.bytes, message.size);
            uiDataSize_ = message.size;
            fromUi_.post(message.bytes, message.size);
        }
    }
}

void HRX_LV2_Plugin::deliverControls() {
    for (int32_t i = 0; i < product_.controlCount; ++i) {
        if (!controls_[i])
            continue;
        const float value = HRX_LV2_Normalised(product_.controls[i], *controls_[i]);
        if (std::isnan(value) || value == delivered_[i])
            continue;
        delivered_[i] = value;
        engine_->setParameter(static_cast<uint32_t>(product_.controls[i].slot), static_cast<double>(value));
        heard_[i].store(value, std::memory_order_relaxed);
    }
}

void HRX_LV2_Plugin::writeMeters(const float* output, uint32_t frames, float peakIn) {
    if (inputPeak_)
        *inputPeak_ = peakIn;
    if (outputPeak_)
        *outputPeak_ = output ? blockPeak(output, frames) : 0.0f;
    if (gainReduction_) {
        double value = 0.0;
        engine_->getParameterOutput(kGainReductionSlot, &value);
        *gainReduction_ = static_cast<float>(value);
    }
}

void HRX_LV2_Plugin::writeNotifications() {
    if (!notify_)
        return;
    const uint32_t capacity = notify_->atom.size;
    lv2_atom_forge_set_buffer(&forge_, reinterpret_cast<uint8_t*>(notify_), capacity);
    LV2_Atom_Forge_Frame frame;
    if (!lv2_atom_forge_sequence_head(&forge_, &frame, 0))
        return;
    // A port too small for the data is never sent it.
    if (sendState_ && uiDataSize_ > 0 && uiDataSize_ + kStateMessageOverhead <= capacity) {
        lv2_atom_forge_frame_time(&forge_, 0);
        HRX_LV2_WriteState(forge_, urids_, uiData_, uiDataSize_);
    }
    sendState_ = false;
    lv2_atom_forge_pop(&forge_, &frame);
}

void HRX_LV2_Plugin::run(uint32_t frames) {
    readMessages();
    deliverControls();

    float* inputs[2] = {audioIn_[0], ports_.channels > 1 ? audioIn_[1] : nullptr};
    float* outputs[2] = {audioOut_[0], ports_.channels > 1 ? audioOut_[1] : nullptr};
    bool connected = inputs[0] && outputs[0];
    if (ports_.channels > 1)
        connected = connected && inputs[1] && outputs[1];
    // Taken before processing: the host may process in place.
    const float peakIn = connected ? blockPeak(inputs[0], frames) : 0.0f;
    if (connected) {
        if (enabled_ && *enabled_ < 0.5f)
            engine_->processBypassed(inputs, outputs, frames);
        else
            engine_->process(inputs, outputs, frames);
    }
    writeMeters(connected ? outputs[0] : nullptr, connected ? frames : 0, peakIn);
    writeNotifications();
}

LV2_State_Status HRX_LV2_Plugin::save(LV2_State_Store_Function store, LV2_State_Handle handle) {
    if (!messaging_)
        return LV2_STATE_ERR_NO_FEATURE;
    std::lock_guard<std::mutex> guard(stateLock_);
    if (const HRX_LV2_StateMailbox::Slot* sent = fromUi_.take())
        keeper_.restore(sent->bytes, sent->size);
    float values[kMaxControls];
    for (int32_t i = 0; i < product_.controlCount; ++i)
        values[i] = heard_[i].load(std::memory_order_relaxed);
    keeper_.followPorts(values);
    uint32_t size = 0;
    const uint8_t* data = keeper_.data(&size);
    if (!data)
        return LV2_STATE_ERR_UNKNOWN;
    return store(handle, urids_.state, data, size, urids_.atomChunk, LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE);
}

LV2_State_Status HRX_LV2_Plugin::restore(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle) {
    if (!messaging_)
        return LV2_STATE_ERR_NO_FEATURE;
    std::lock_guard<std::mutex> guard(stateLock_);
    size_t size = 0;
    uint32_t type = 0;
    uint32_t flags = 0;
    const void* data = retrieve(handle, urids_.state, &size, &type, &flags);
    // Nothing saved under the key (a host's preset holds only port values):
    // the instance stays as it is.
    if (!data)
        return LV2_STATE_SUCCESS;
    if (type != urids_.atomChunk)
        return LV2_STATE_ERR_BAD_TYPE;
    if (!keeper_.restore(static_cast<const uint8_t*>(data), size))
        return LV2_STATE_ERR_UNKNOWN;
    // Older state data from the UI must not overwrite what was restored.
    fromUi_.take();
    for (int32_t i = 0; i < product_.controlCount; ++i)
        heard_[i].store(kUnknown, std::memory_order_relaxed);
    takeKeeperData();
    sendState_ = true;  // an open UI shows the restored state
    return LV2_STATE_SUCCESS;
}
