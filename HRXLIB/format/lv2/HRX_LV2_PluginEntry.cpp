// The DSP library's one export: the descriptors of the mono and the stereo
// plug-in. Everything else stays inside the library.
#include "HRX_LV2_Plugin.h"

#include <lv2/core/lv2.h>
#include <lv2/core/lv2_util.h>
#include <lv2/state/state.h>
#include <lv2/urid/urid.h>

#include <cstring>
#include <new>
#include <string>

namespace {

HRX_LV2_Plugin* pluginOf(LV2_Handle instance) {
    return static_cast<HRX_LV2_Plugin*>(instance);
}

template <int32_t Channels>
LV2_Handle instantiate(const LV2_Descriptor*, double sampleRate, const char*, const LV2_Feature* const* features) {
    const LV2_URID_Map* map = nullptr;
    lv2_features_query(features, LV2_URID__map, &map, false, nullptr);
    return new (std::nothrow) HRX_LV2_Plugin(HRX_LV2_GetProduct(), Channels, sampleRate, map);
}

void connectPort(LV2_Handle instance, uint32_t port, void* data) {
    pluginOf(instance)->connectPort(port, data);
}
void activate(LV2_Handle instance) {
    pluginOf(instance)->activate();
}
void run(LV2_Handle instance, uint32_t frames) {
    pluginOf(instance)->run(frames);
}
void deactivate(LV2_Handle) {}
void cleanup(LV2_Handle instance) {
    delete pluginOf(instance);
}

LV2_State_Status save(LV2_Handle instance, LV2_State_Store_Function store, LV2_State_Handle handle, uint32_t,
                      const LV2_Feature* const*) {
    return pluginOf(instance)->save(store, handle);
}

LV2_State_Status restore(LV2_Handle instance, LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle, uint32_t,
                         const LV2_Feature* const*) {
    return pluginOf(instance)->restore(retrieve, handle);
}

const void* extensionData(const char* uri) {
    static const LV2_State_Interface state = {save, restore};
    return std::strcmp(uri, LV2_STATE__interface) == 0 ? &state : nullptr;
}

template <int32_t Channels>
const LV2_Descriptor* descriptor() {
    static const std::string uri = HRX_LV2_PluginUri(HRX_LV2_GetProduct(), Channels);
    static const LV2_Descriptor result = {uri.c_str(), instantiate<Channels>, connectPort, activate, run, deactivate,
                                          cleanup,     extensionData};
    return &result;
}

}  // namespace

LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index) {
    HRX_LV2_InstallProduct();
    switch (index) {
    case 0: return descriptor<1>();
    case 1: return descriptor<2>();
    default: return nullptr;
    }
}
