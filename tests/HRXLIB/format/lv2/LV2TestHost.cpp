#include "LV2TestHost.h"

#include <lv2/atom/util.h>
#include <lv2/core/lv2.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

Channels testProgramme(int channels, int rate, double seconds) {
    const size_t frames = static_cast<size_t>(seconds * rate);
    Channels programme(static_cast<size_t>(channels), std::vector<float>(frames));
    uint32_t noise = 12345;
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double envelope = static_cast<int>(t * 8.0) % 2 == 0 ? 0.9 : 0.12;
        for (int c = 0; c < channels; ++c) {
            noise = noise * 1664525u + 1013904223u;
            const double hiss = (static_cast<double>(noise >> 8) / 16777216.0 - 0.5) * 0.3;
            programme[static_cast<size_t>(c)][i] =
                static_cast<float>(envelope * (0.7 * std::sin(6.283185307179586 * (110.0 + 55.0 * c) * t) + hiss));
        }
    }
    return programme;
}

LV2TestWorld& LV2TestWorld::get() {
    static LV2TestWorld world;
    return world;
}

std::string LV2TestWorld::bundlePath() {
    const char* binaryDir = std::getenv("VELVATON_TEST_BINARY_DIR");
    return std::string(binaryDir ? binaryDir : ".") + "/lv2/velvaTon.lv2/";
}

std::string LV2TestWorld::pluginUri(int channels) {
    return std::string("http://bracken-works.example/lv2/velvaTon/") + (channels == 1 ? "mono" : "stereo");
}

LV2TestWorld::LV2TestWorld() : world_(lilv_world_new()) {
    uris_.emplace_back();  // URID 0 means none
    map_ = {this, mapUri};
    unmap_ = {this, unmapUrid};
    LilvNode* bundle = lilv_new_file_uri(world_, nullptr, bundlePath().c_str());
    lilv_world_load_bundle(world_, bundle);
    lilv_node_free(bundle);
}

LV2_URID LV2TestWorld::mapUri(LV2_URID_Map_Handle handle, const char* uri) {
    auto& uris = static_cast<LV2TestWorld*>(handle)->uris_;
    const auto found = std::find(uris.begin(), uris.end(), uri);
    if (found != uris.end())
        return static_cast<LV2_URID>(found - uris.begin());
    uris.emplace_back(uri);
    return static_cast<LV2_URID>(uris.size() - 1);
}

const char* LV2TestWorld::unmapUrid(LV2_URID_Unmap_Handle handle, LV2_URID urid) {
    auto& uris = static_cast<LV2TestWorld*>(handle)->uris_;
    return urid > 0 && urid < uris.size() ? uris[urid].c_str() : nullptr;
}

const LilvPlugin* LV2TestWorld::plugin(int channels) const {
    LilvNode* uri = lilv_new_uri(world_, pluginUri(channels).c_str());
    const LilvPlugin* found = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(world_), uri);
    lilv_node_free(uri);
    return found;
}

LV2TestInstance::LV2TestInstance(int channels, double rate)
    : channels_(channels), plugin_(LV2TestWorld::get().plugin(channels)) {
    if (!plugin_)
        throw std::runtime_error("the plug-in is not in the bundle " + LV2TestWorld::bundlePath());
    LV2TestWorld& world = LV2TestWorld::get();
    const LV2_Feature mapFeature = {LV2_URID__map, world.map()};
    const LV2_Feature unmapFeature = {LV2_URID__unmap, world.unmap()};
    const LV2_Feature* features[] = {&mapFeature, &unmapFeature, nullptr};
    instance_ = lilv_plugin_instantiate(plugin_, rate, features);
    if (!instance_)
        throw std::runtime_error("the plug-in did not instantiate");

    const uint32_t ports = lilv_plugin_get_num_ports(plugin_);
    controls_.assign(ports, 0.0f);
    std::vector<float> defaults(ports, 0.0f);
    lilv_plugin_get_port_ranges_float(plugin_, nullptr, nullptr, defaults.data());
    in_.assign(static_cast<size_t>(channels), std::vector<float>(kMaxBlock));
    out_.assign(static_cast<size_t>(channels), std::vector<float>(kMaxBlock));
    controlIn_.assign(kAtomCapacity / 8, 0);
    notify_.assign(kAtomCapacity / 8, 0);

    LilvWorld* lilvWorld = world.world();
    LilvNode* audio = lilv_new_uri(lilvWorld, LV2_CORE__AudioPort);
    LilvNode* control = lilv_new_uri(lilvWorld, LV2_CORE__ControlPort);
    LilvNode* input = lilv_new_uri(lilvWorld, LV2_CORE__InputPort);
    uint32_t audioIn = 0, audioOut = 0;
    for (uint32_t index = 0; index < ports; ++index) {
        const LilvPort* port = lilv_plugin_get_port_by_index(plugin_, index);
        const bool isInput = lilv_port_is_a(plugin_, port, input);
        void* buffer = nullptr;
        if (lilv_port_is_a(plugin_, port, control)) {
            controls_[index] = std::isnan(defaults[index]) ? 0.0f : defaults[index];
            buffer = &controls_[index];
        } else if (lilv_port_is_a(plugin_, port, audio)) {
            buffer = isInput ? in_[audioIn++].data() : out_[audioOut++].data();
        } else {
            buffer = isInput ? controlIn_.data() : notify_.data();
        }
        lilv_instance_connect_port(instance_, index, buffer);
    }
    lilv_node_free(audio);
    lilv_node_free(control);
    lilv_node_free(input);
    lilv_instance_activate(instance_);
}

LV2TestInstance::~LV2TestInstance() {
    lilv_instance_deactivate(instance_);
    lilv_instance_free(instance_);
}

uint32_t LV2TestInstance::indexOf(const std::string& symbol) const {
    LilvNode* node = lilv_new_string(LV2TestWorld::get().world(), symbol.c_str());
    const LilvPort* port = lilv_plugin_get_port_by_symbol(plugin_, node);
    lilv_node_free(node);
    if (!port)
        throw std::runtime_error("no port " + symbol);
    return lilv_port_get_index(plugin_, port);
}

void LV2TestInstance::set(const std::string& symbol, float value) {
    controls_[indexOf(symbol)] = value;
}
void LV2TestInstance::set(const PortSettings& settings) {
    for (const auto& [symbol, value] : settings)
        set(symbol, value);
}
float LV2TestInstance::get(const std::string& symbol) const {
    return controls_[indexOf(symbol)];
}

void LV2TestInstance::send(const LV2_Atom* atom) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(atom);
    pending_.emplace_back(bytes, bytes + lv2_atom_total_size(atom));
}

void LV2TestInstance::run(uint32_t frames, bool keepMessages) {
    LV2TestWorld& world = LV2TestWorld::get();
    auto* sequence = reinterpret_cast<LV2_Atom_Sequence*>(controlIn_.data());
    sequence->atom.type = world.urid(LV2_ATOM__Sequence);
    sequence->atom.size = sizeof(LV2_Atom_Sequence_Body);
    sequence->body.unit = 0;
    sequence->body.pad = 0;
    for (const std::vector<uint8_t>& message : pending_) {
        LV2_Atom_Event* event = lv2_atom_sequence_end(&sequence->body, sequence->atom.size);
        event->time.frames = 0;
        std::memcpy(&event->body, message.data(), message.size());
        sequence->atom.size += lv2_atom_pad_size(static_cast<uint32_t>(sizeof event->time + message.size()));
    }
    pending_.clear();
    auto* notify = reinterpret_cast<LV2_Atom_Sequence*>(notify_.data());
    notify->atom.type = 0;
    notify->atom.size = kAtomCapacity - sizeof(LV2_Atom);
    lilv_instance_run(instance_, frames);
    if (!keepMessages)
        return;
    received_.clear();
    LV2_ATOM_SEQUENCE_FOREACH(notify, event) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(&event->body);
        received_.emplace_back(bytes, bytes + lv2_atom_total_size(&event->body));
    }
}

Channels LV2TestInstance::render(const Channels& input, const std::vector<uint32_t>& blocks) {
    const size_t frames = input[0].size();
    Channels output(static_cast<size_t>(channels_), std::vector<float>(frames));
    size_t position = 0;
    for (size_t block = 0; position < frames; ++block) {
        const uint32_t length = static_cast<uint32_t>(
            std::min<size_t>(std::min(blocks[block % blocks.size()], kMaxBlock), frames - position));
        for (int c = 0; c < channels_; ++c)
            std::copy_n(input[static_cast<size_t>(c)].begin() + static_cast<std::ptrdiff_t>(position), length,
                        in_[static_cast<size_t>(c)].begin());
        run(length);
        for (int c = 0; c < channels_; ++c)
            std::copy_n(out_[static_cast<size_t>(c)].begin(), length,
                        output[static_cast<size_t>(c)].begin() + static_cast<std::ptrdiff_t>(position));
        position += length;
    }
    return output;
}

const LV2_State_Interface* LV2TestInstance::stateInterface() const {
    return static_cast<const LV2_State_Interface*>(lilv_instance_get_extension_data(instance_, LV2_STATE__interface));
}

namespace {

struct Stored {
    LV2_URID key;
    std::vector<uint8_t> bytes;
    LV2_URID type;
};

LV2_State_Status storeValue(LV2_State_Handle handle, uint32_t key, const void* value, size_t size, uint32_t type,
                            uint32_t) {
    auto* stored = static_cast<Stored*>(handle);
    const auto* bytes = static_cast<const uint8_t*>(value);
    if (key == stored->key) {
        stored->bytes.assign(bytes, bytes + size);
        stored->type = type;
    }
    return LV2_STATE_SUCCESS;
}

const void* retrieveValue(LV2_State_Handle handle, uint32_t key, size_t* size, uint32_t* type, uint32_t* flags) {
    const auto* stored = static_cast<const Stored*>(handle);
    if (key != stored->key)
        return nullptr;
    *size = stored->bytes.size();
    *type = stored->type;
    *flags = LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE;
    return stored->bytes.data();
}

LV2_URID stateKey() {
    return LV2TestWorld::get().urid("http://bracken-works.example/lv2/velvaTon#state");
}

}  // namespace

std::vector<uint8_t> LV2TestInstance::saveData() {
    Stored stored{stateKey(), {}, 0};
    const LV2_State_Interface* state = stateInterface();
    if (!state ||
        state->save(lilv_instance_get_handle(instance_), storeValue, &stored, 0, nullptr) != LV2_STATE_SUCCESS)
        return {};
    return stored.bytes;
}

LV2_State_Status LV2TestInstance::restoreData(const std::vector<uint8_t>& bytes, LV2_URID type) {
    Stored stored{stateKey(), bytes, type};
    const LV2_State_Interface* state = stateInterface();
    return state ? state->restore(lilv_instance_get_handle(instance_), retrieveValue, &stored, 0, nullptr)
                 : LV2_STATE_ERR_NO_FEATURE;
}

const void* LV2TestInstance::portValue(const char* symbol, void* self, uint32_t* size, uint32_t* type) {
    auto* instance = static_cast<LV2TestInstance*>(self);
    *size = sizeof(float);
    *type = LV2TestWorld::get().urid(LV2_ATOM__Float);
    return &instance->controls_[instance->indexOf(symbol)];
}

void LV2TestInstance::setPortValue(const char* symbol, void* self, const void* value, uint32_t size, uint32_t type) {
    auto* instance = static_cast<LV2TestInstance*>(self);
    if (size == sizeof(float) && type == LV2TestWorld::get().urid(LV2_ATOM__Float))
        std::memcpy(&instance->controls_[instance->indexOf(symbol)], value, sizeof(float));
}

LilvState* LV2TestInstance::saveState() {
    LV2TestWorld& world = LV2TestWorld::get();
    return lilv_state_new_from_instance(plugin_, instance_, world.map(), nullptr, nullptr, nullptr, nullptr, portValue,
                                        this, LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE, nullptr);
}

void LV2TestInstance::restoreState(const LilvState* state) {
    lilv_state_restore(state, instance_, setPortValue, this, 0, nullptr);
}
