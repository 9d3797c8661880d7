#pragma once

// A small LV2 host on lilv: loads the build tree's bundle, instantiates the
// mono or stereo plug-in at a rate, holds its port buffers, runs blocks of
// any length, passes messages in and out, saves and restores state (the
// whole snapshot through lilv, or the plug-in's state data alone).

#include <lilv/lilv.h>
#include <lv2/atom/atom.h>
#include <lv2/state/state.h>
#include <lv2/urid/urid.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using Channels = std::vector<std::vector<float>>;

// A deterministic programme: tone bursts with noise, loud enough to make the
// compressor work, a different one on each channel.
Channels testProgramme(int channels, int rate, double seconds);

// The settings a render uses, as port symbol and value.
using PortSettings = std::vector<std::pair<std::string, float>>;

class LV2TestWorld {
public:
    static LV2TestWorld& get();
    const LilvPlugin* plugin(int channels) const;
    LilvWorld* world() const { return world_; }
    LV2_URID_Map* map() { return &map_; }
    LV2_URID_Unmap* unmap() { return &unmap_; }
    LV2_URID urid(const char* uri) { return map_.map(map_.handle, uri); }
    // The plug-in URI and the bundle's folder.
    static std::string pluginUri(int channels);
    static std::string bundlePath();

private:
    LV2TestWorld();
    static LV2_URID mapUri(LV2_URID_Map_Handle handle, const char* uri);
    static const char* unmapUrid(LV2_URID_Unmap_Handle handle, LV2_URID urid);

    LilvWorld* world_;
    std::vector<std::string> uris_;
    LV2_URID_Map map_;
    LV2_URID_Unmap unmap_;
};

class LV2TestInstance {
public:
    static constexpr uint32_t kMaxBlock = 4096;
    static constexpr uint32_t kAtomCapacity = 8192;

    LV2TestInstance(int channels, double rate);
    ~LV2TestInstance();
    LV2TestInstance(const LV2TestInstance&) = delete;
    LV2TestInstance& operator=(const LV2TestInstance&) = delete;

    void set(const std::string& symbol, float value);
    void set(const PortSettings& settings);
    float get(const std::string& symbol) const;

    // Runs `input` through the plug-in in blocks whose lengths cycle through
    // `blocks` (0 allowed).
    Channels render(const Channels& input, const std::vector<uint32_t>& blocks);
    // One run of `frames` frames of the input buffers (at most kMaxBlock);
    // unless told not to, the messages the plug-in sent are kept (which
    // allocates, in the host).
    void run(uint32_t frames, bool keepMessages = true);

    // A message for the next run; the messages the last run sent.
    void send(const LV2_Atom* atom);
    const std::vector<std::vector<uint8_t>>& received() const { return received_; }

    // The plug-in's state data as its save() stores it; empty on failure.
    std::vector<uint8_t> saveData();
    // Hands `bytes` to restore() under the plug-in's state key.
    LV2_State_Status restoreData(const std::vector<uint8_t>& bytes, LV2_URID type);
    // The whole snapshot: state data and the control ports' values.
    LilvState* saveState();
    void restoreState(const LilvState* state);

    LilvInstance* lilv() const { return instance_; }

private:
    static const void* portValue(const char* symbol, void* self, uint32_t* size, uint32_t* type);
    static void setPortValue(const char* symbol, void* self, const void* value, uint32_t size, uint32_t type);
    const LV2_State_Interface* stateInterface() const;
    uint32_t indexOf(const std::string& symbol) const;

    int channels_;
    const LilvPlugin* plugin_;
    LilvInstance* instance_ = nullptr;
    std::vector<float> controls_;  // one per port; only control ports are connected to theirs
    std::vector<std::vector<float>> in_, out_;
    std::vector<uint64_t> controlIn_, notify_;  // 8-byte aligned atom buffers
    std::vector<std::vector<uint8_t>> pending_, received_;
};
