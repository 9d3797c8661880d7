// Cost per frame of LV2 plug-ins in one lilv host: each plug-in URI named on
// the command line runs at 48 kHz in 256-frame blocks on drum-like material,
// every control at its default, and reports "per_frame" (CPU time per frame)
// and "channels" (its audio inputs). Run through bench/lv2-compare.sh, which
// installs Debian's compressors to compare with.
#include "BenchmarkSignals.h"

#include <benchmark/benchmark.h>
#include <lilv/lilv.h>
#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/core/lv2.h>
#include <lv2/log/log.h>
#include <lv2/options/options.h>
#include <lv2/parameters/parameters.h>
#include <lv2/urid/urid.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kBlock = 256;
constexpr size_t kSignalFrames = 48000 * 2;
constexpr uint32_t kAtomCapacity = 8192;

// What third-party plug-ins commonly require of a host.
class HostFeatures {
public:
    HostFeatures() {
        uris_.emplace_back();
        const float rate = static_cast<float>(kBenchRate);
        options_ = {
            {LV2_OPTIONS_INSTANCE, 0, urid(LV2_BUF_SIZE__minBlockLength), sizeof(int32_t), urid(LV2_ATOM__Int),
             &block_},
            {LV2_OPTIONS_INSTANCE, 0, urid(LV2_BUF_SIZE__maxBlockLength), sizeof(int32_t), urid(LV2_ATOM__Int),
             &block_},
            {LV2_OPTIONS_INSTANCE, 0, urid(LV2_BUF_SIZE__nominalBlockLength), sizeof(int32_t), urid(LV2_ATOM__Int),
             &block_},
            {LV2_OPTIONS_INSTANCE, 0, urid(LV2_PARAMETERS__sampleRate), sizeof(float), urid(LV2_ATOM__Float), &rate_},
            {LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr}};
        rate_ = rate;
        features_ = {{LV2_URID__map, &map_},
                     {LV2_URID__unmap, &unmap_},
                     {LV2_OPTIONS__options, options_.data()},
                     {LV2_BUF_SIZE__boundedBlockLength, nullptr},
                     {LV2_LOG__log, &log_}};
        for (LV2_Feature& feature : features_)
            list_.push_back(&feature);
        list_.push_back(nullptr);
    }
    const LV2_Feature* const* list() const { return list_.data(); }
    LV2_URID urid(const char* uri) { return map_.map(map_.handle, uri); }

private:
    static LV2_URID mapUri(LV2_URID_Map_Handle handle, const char* uri) {
        auto& uris = static_cast<HostFeatures*>(handle)->uris_;
        for (size_t i = 1; i < uris.size(); ++i) {
            if (uris[i] == uri)
                return static_cast<LV2_URID>(i);
        }
        uris.emplace_back(uri);
        return static_cast<LV2_URID>(uris.size() - 1);
    }
    static const char* unmapUrid(LV2_URID_Unmap_Handle handle, LV2_URID urid) {
        auto& uris = static_cast<HostFeatures*>(handle)->uris_;
        return urid < uris.size() ? uris[urid].c_str() : nullptr;
    }
    static int print(LV2_Log_Handle, LV2_URID, const char*, ...) { return 0; }
    static int vprint(LV2_Log_Handle, LV2_URID, const char*, va_list) { return 0; }

    std::vector<std::string> uris_;
    LV2_URID_Map map_{this, mapUri};
    LV2_URID_Unmap unmap_{this, unmapUrid};
    LV2_Log_Log log_{this, print, vprint};
    int32_t block_ = static_cast<int32_t>(kBlock);
    float rate_ = 0.0f;
    std::vector<LV2_Options_Option> options_;
    std::vector<LV2_Feature> features_;
    std::vector<const LV2_Feature*> list_;
};

struct World {
    LilvWorld* world = lilv_world_new();
    HostFeatures features;
    World() { lilv_world_load_all(world); }
    ~World() { lilv_world_free(world); }
};

World& world() {
    static World instance;
    return instance;
}

void runPlugin(benchmark::State& state, const std::string& uri) {
    World& w = world();
    LilvNode* node = lilv_new_uri(w.world, uri.c_str());
    const LilvPlugin* plugin = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(w.world), node);
    lilv_node_free(node);
    LilvInstance* instance = plugin ? lilv_plugin_instantiate(plugin, kBenchRate, w.features.list()) : nullptr;
    if (!instance) {
        state.SkipWithError("not installed, or it did not instantiate");
        return;
    }
    const uint32_t ports = lilv_plugin_get_num_ports(plugin);
    std::vector<float> controls(ports, 0.0f), minimum(ports), maximum(ports), defaults(ports);
    lilv_plugin_get_port_ranges_float(plugin, minimum.data(), maximum.data(), defaults.data());
    LilvNode* audio = lilv_new_uri(w.world, LV2_CORE__AudioPort);
    LilvNode* control = lilv_new_uri(w.world, LV2_CORE__ControlPort);
    LilvNode* cv = lilv_new_uri(w.world, LV2_CORE__CVPort);
    LilvNode* input = lilv_new_uri(w.world, LV2_CORE__InputPort);
    std::vector<std::vector<float>> inputs, buffers;
    std::vector<std::vector<uint64_t>> atoms;
    std::vector<LV2_Atom_Sequence*> outputSequences;
    const LV2_URID sequenceType = w.features.urid(LV2_ATOM__Sequence);
    for (uint32_t i = 0; i < ports; ++i) {
        const LilvPort* port = lilv_plugin_get_port_by_index(plugin, i);
        const bool isInput = lilv_port_is_a(plugin, port, input);
        if (lilv_port_is_a(plugin, port, control)) {
            controls[i] = std::isnan(defaults[i]) ? (std::isnan(minimum[i]) ? 0.0f : minimum[i]) : defaults[i];
            lilv_instance_connect_port(instance, i, &controls[i]);
        } else if (lilv_port_is_a(plugin, port, audio) || lilv_port_is_a(plugin, port, cv)) {
            auto& list = isInput && lilv_port_is_a(plugin, port, audio) ? inputs : buffers;
            list.emplace_back(kBlock, 0.0f);
            lilv_instance_connect_port(instance, i, list.back().data());
        } else {
            atoms.emplace_back(kAtomCapacity / 8, 0);
            auto* sequence = reinterpret_cast<LV2_Atom_Sequence*>(atoms.back().data());
            sequence->atom.type = sequenceType;
            sequence->atom.size = isInput ? sizeof(LV2_Atom_Sequence_Body) : kAtomCapacity - sizeof(LV2_Atom);
            if (!isInput)
                outputSequences.push_back(sequence);
            lilv_instance_connect_port(instance, i, sequence);
        }
    }
    for (LilvNode* n : {audio, control, cv, input})
        lilv_node_free(n);

    const std::vector<double> left = drumSignal(kSignalFrames, 1);
    const std::vector<double> right = drumSignal(kSignalFrames, 2);
    lilv_instance_activate(instance);
    size_t position = 0;
    int64_t frames = 0;
    for (auto _ : state) {
        for (size_t c = 0; c < inputs.size(); ++c) {
            const std::vector<double>& source = c % 2 ? right : left;
            for (uint32_t i = 0; i < kBlock; ++i)
                inputs[c][i] = static_cast<float>(source[position + i]);
        }
        for (LV2_Atom_Sequence* sequence : outputSequences)
            sequence->atom.size = kAtomCapacity - sizeof(LV2_Atom);
        lilv_instance_run(instance, kBlock);
        benchmark::ClobberMemory();
        position = position + 2 * kBlock <= kSignalFrames ? position + kBlock : 0;
        frames += kBlock;
    }
    lilv_instance_deactivate(instance);
    lilv_instance_free(instance);
    state.counters["per_frame"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["channels"] = static_cast<double>(inputs.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> benchmarkArgs;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::strncmp(argv[i], "--", 2) != 0)
            benchmark::RegisterBenchmark(argv[i], runPlugin, std::string(argv[i]))->Unit(benchmark::kMicrosecond);
        else
            benchmarkArgs.push_back(argv[i]);
    }
    int count = static_cast<int>(benchmarkArgs.size());
    benchmark::Initialize(&count, benchmarkArgs.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
