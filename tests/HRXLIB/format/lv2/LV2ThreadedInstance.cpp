#include "LV2ThreadedInstance.h"

#include <lv2/atom/util.h>
#include <lv2/core/lv2.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <functional>
#include <stdexcept>

namespace {

// The main thread's waits for the render thread; a render thread that has
// not answered in this long has stopped, and the test fails instead of
// hanging.
void waitUntil(const std::function<bool()>& condition, const char* what) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error(std::string("the render thread never ") + what);
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
}

}  // namespace

// Holds the render thread between blocks for a restore the plug-in does not
// declare safe beside run().
class LV2ThreadedInstance::Pause {
public:
    explicit Pause(LV2ThreadedInstance& host)
        : host_(host), pausing_(!host.threadSafeRestore_ && host.thread_.joinable()) {
        if (!pausing_)
            return;
        host_.runState_.store(PauseRequested, std::memory_order_release);
        waitUntil([this] { return host_.runState_.load(std::memory_order_acquire) == Paused; }, "paused");
    }
    ~Pause() {
        if (pausing_)
            host_.runState_.store(Running, std::memory_order_release);
    }
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;

private:
    LV2ThreadedInstance& host_;
    const bool pausing_;
};

LV2ThreadedInstance::LV2ThreadedInstance(int channels, double rate, const Channels& programme)
    : in_(static_cast<size_t>(channels), std::vector<float>(LV2TestInstance::kMaxBlock)),
      out_(static_cast<size_t>(channels), std::vector<float>(LV2TestInstance::kMaxBlock)),
      controlIn_(LV2TestInstance::kAtomCapacity / 8),
      notify_(LV2TestInstance::kAtomCapacity / 8),
      programme_(programme),
      instance_(channels, rate),
      descriptor_(lilv_instance_get_descriptor(instance_.lilv())),
      handle_(lilv_instance_get_handle(instance_.lilv())),
      sequenceType_(LV2TestWorld::get().urid(LV2_ATOM__Sequence)),
      blockPeriodSeconds_(kBlockFrames / rate) {
    LV2TestWorld& world = LV2TestWorld::get();
    const LilvPlugin* plugin = world.plugin(channels);
    const uint32_t count = lilv_plugin_get_num_ports(plugin);
    ports_.assign(count, 0.0f);
    requested_.reset(new std::atomic<float>[count]);
    std::vector<float> minimum(count), maximum(count);
    lilv_plugin_get_port_ranges_float(plugin, minimum.data(), maximum.data(), nullptr);

    LilvNode* audio = lilv_new_uri(world.world(), LV2_CORE__AudioPort);
    LilvNode* control = lilv_new_uri(world.world(), LV2_CORE__ControlPort);
    LilvNode* input = lilv_new_uri(world.world(), LV2_CORE__InputPort);
    LilvNode* threadSafeRestore = lilv_new_uri(world.world(), LV2_STATE__threadSafeRestore);
    size_t audioIn = 0, audioOut = 0;
    // The plug-in moves from the instance's buffers to the render side's.
    for (uint32_t index = 0; index < count; ++index) {
        const LilvPort* port = lilv_plugin_get_port_by_index(plugin, index);
        const bool isInput = lilv_port_is_a(plugin, port, input);
        void* buffer = nullptr;
        if (lilv_port_is_a(plugin, port, control)) {
            const std::string symbol = lilv_node_as_string(lilv_port_get_symbol(plugin, port));
            ports_[index] = instance_.get(symbol);
            requested_[index].store(ports_[index], std::memory_order_relaxed);
            if (isInput)
                controls_.push_back({symbol, index, minimum[index], maximum[index]});
            buffer = &ports_[index];
        } else if (lilv_port_is_a(plugin, port, audio)) {
            buffer = isInput ? in_[audioIn++].data() : out_[audioOut++].data();
        } else {
            buffer = isInput ? controlIn_.data() : notify_.data();
        }
        lilv_instance_connect_port(instance_.lilv(), index, buffer);
    }
    threadSafeRestore_ = lilv_plugin_has_feature(plugin, threadSafeRestore);
    for (LilvNode* node : {audio, control, input, threadSafeRestore})
        lilv_node_free(node);
}

LV2ThreadedInstance::~LV2ThreadedInstance() {
    stop();
}

void LV2ThreadedInstance::start() {
    if (thread_.joinable())
        return;
    stopping_.store(false, std::memory_order_relaxed);
    thread_ = std::thread(&LV2ThreadedInstance::renderLoop, this);
}

void LV2ThreadedInstance::stop() {
    if (!thread_.joinable())
        return;
    stopping_.store(true, std::memory_order_release);
    thread_.join();
}

const LV2ThreadedInstance::Control& LV2ThreadedInstance::control(const std::string& symbol) const {
    for (const Control& c : controls_) {
        if (c.symbol == symbol)
            return c;
    }
    throw std::runtime_error("no input control " + symbol);
}

void LV2ThreadedInstance::handOver() {
    posted_.store(posted_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

void LV2ThreadedInstance::set(const std::string& symbol, float value) {
    instance_.set(symbol, value);
    requested_[control(symbol).index].store(value, std::memory_order_relaxed);
    handOver();
}

void LV2ThreadedInstance::publishControls() {
    for (const Control& c : controls_)
        requested_[c.index].store(instance_.get(c.symbol), std::memory_order_relaxed);
    handOver();
}

void LV2ThreadedInstance::send(const std::vector<uint8_t>& atom) {
    const uint32_t size = lv2_atom_total_size(reinterpret_cast<const LV2_Atom*>(atom.data()));
    if (size > LV2TestRing::kSlotBytes || size > atom.size())
        throw std::runtime_error("a message the host cannot pass");
    waitUntil([&] { return toPlugin_.push(atom.data(), size); }, "made room for a message");
    handOver();
}

std::vector<std::vector<uint8_t>> LV2ThreadedInstance::takeReceived() {
    std::vector<std::vector<uint8_t>> received;
    uint32_t size = 0;
    while (const uint8_t* message = fromPlugin_.front(&size)) {
        received.emplace_back(message, message + size);
        fromPlugin_.pop();
    }
    return received;
}

void LV2ThreadedInstance::waitForDelivery(uint64_t ticket) const {
    waitUntil([&] { return delivered_.load(std::memory_order_acquire) >= ticket; }, "took what was handed over");
}

LV2_State_Status LV2ThreadedInstance::restoreData(const std::vector<uint8_t>& bytes, LV2_URID type) {
    Pause pause(*this);
    return instance_.restoreData(bytes, type);
}

void LV2ThreadedInstance::restoreState(const LilvState* state) {
    Pause pause(*this);
    instance_.restoreState(state);
    // The snapshot's port values reach the first block after the pause,
    // together with the restored state.
    publishControls();
}

void LV2ThreadedInstance::renderLoop() {
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(blockPeriodSeconds_));
    auto deadline = Clock::now();
    while (!stopping_.load(std::memory_order_acquire)) {
        const int state = runState_.load(std::memory_order_acquire);
        if (state == PauseRequested)
            runState_.store(Paused, std::memory_order_release);
        else if (state == Running)
            renderBlock();
        // A fixed schedule; after a stall of the machine, no burst of blocks.
        deadline += period;
        const auto now = Clock::now();
        if (now - deadline > std::chrono::milliseconds(500))
            deadline = now;
        std::this_thread::sleep_until(deadline);
    }
}

void LV2ThreadedInstance::resetSequences() {
    auto* sequence = reinterpret_cast<LV2_Atom_Sequence*>(controlIn_.data());
    sequence->atom.type = sequenceType_;
    sequence->atom.size = sizeof(LV2_Atom_Sequence_Body);
    sequence->body.unit = 0;
    sequence->body.pad = 0;
    auto* notify = reinterpret_cast<LV2_Atom_Sequence*>(notify_.data());
    notify->atom.type = 0;
    notify->atom.size = LV2TestInstance::kAtomCapacity - sizeof(LV2_Atom);
}

void LV2ThreadedInstance::takeMessages(bool* allTaken) {
    auto* sequence = reinterpret_cast<LV2_Atom_Sequence*>(controlIn_.data());
    uint32_t size = 0;
    while (const uint8_t* message = toPlugin_.front(&size)) {
        const uint32_t eventSize = lv2_atom_pad_size(static_cast<uint32_t>(sizeof(LV2_Atom_Event::time)) + size);
        if (sizeof(LV2_Atom) + sequence->atom.size + eventSize > LV2TestInstance::kAtomCapacity) {
            *allTaken = false;  // the rest in the next block
            return;
        }
        LV2_Atom_Event* event = lv2_atom_sequence_end(&sequence->body, sequence->atom.size);
        event->time.frames = 0;
        std::memcpy(&event->body, message, size);
        sequence->atom.size += eventSize;
        toPlugin_.pop();
    }
}

void LV2ThreadedInstance::passNotifications() {
    auto* notify = reinterpret_cast<const LV2_Atom_Sequence*>(notify_.data());
    if (notify->atom.type != sequenceType_)
        return;
    LV2_ATOM_SEQUENCE_FOREACH(notify, event)
    fromPlugin_.push(&event->body, lv2_atom_total_size(&event->body));
}

void LV2ThreadedInstance::renderBlock() {
    // Everything handed over before this ticket is visible from here on.
    const uint64_t ticket = posted_.load(std::memory_order_acquire);
    for (const Control& c : controls_)
        ports_[c.index] = requested_[c.index].load(std::memory_order_relaxed);
    resetSequences();
    bool allTaken = true;
    takeMessages(&allTaken);
    const size_t length = programme_[0].size();
    for (size_t c = 0; c < in_.size(); ++c) {
        for (uint32_t i = 0; i < kBlockFrames; ++i)
            in_[c][i] = programme_[c][(position_ + i) % length];
    }
    position_ = (position_ + kBlockFrames) % length;

    descriptor_->run(handle_, kBlockFrames);

    passNotifications();
    for (const std::vector<float>& channel : out_) {
        for (uint32_t i = 0; i < kBlockFrames; ++i)
            finite_ = finite_ && std::isfinite(channel[i]);
    }
    if (allTaken)
        delivered_.store(ticket, std::memory_order_release);
}

Channels LV2ThreadedInstance::restartAndRender(const Channels& input) {
    lilv_instance_deactivate(instance_.lilv());
    lilv_instance_activate(instance_.lilv());
    const size_t frames = input[0].size();
    Channels output(in_.size(), std::vector<float>(frames));
    for (size_t position = 0; position < frames; position += kBlockFrames) {
        const uint32_t length = static_cast<uint32_t>(std::min<size_t>(kBlockFrames, frames - position));
        for (size_t c = 0; c < in_.size(); ++c)
            std::copy_n(input[c].begin() + static_cast<std::ptrdiff_t>(position), length, in_[c].begin());
        resetSequences();
        descriptor_->run(handle_, length);
        for (size_t c = 0; c < in_.size(); ++c)
            std::copy_n(out_[c].begin(), length, output[c].begin() + static_cast<std::ptrdiff_t>(position));
    }
    return output;
}
