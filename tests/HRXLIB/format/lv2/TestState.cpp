#include "TestState.h"

#include "HRXPresetManager.h"
#include "HRX_LV2_Messages.h"
#include "HRX_LV2_StateKeeper.h"

#include <lv2/atom/forge.h>

#include <cstring>

const PortSettings kCustomStatePorts = {{"ratio", 1.0f}, {"time", 8.0f}};

std::vector<uint8_t> customState() {
    HRX_LV2_StateKeeper keeper(HRX_LV2_GetProduct());
    HRXPresetManager* manager = keeper.getController().getPresetManager();
    HRXPresetRecord* current = manager->getActiveCurrent();
    std::strncpy(current->name, "Session setting", sizeof current->name - 1);
    current->values[2] = 0.1667f;
    current->values[4] = 0.8f;
    manager->zoomPercent = 150;
    manager->auxWord = 7;
    uint32_t size = 0;
    const uint8_t* data = keeper.data(&size);
    return std::vector<uint8_t>(data, data + size);
}

namespace {
std::vector<uint8_t> message(bool request, const std::vector<uint8_t>& state) {
    LV2TestWorld& world = LV2TestWorld::get();
    const HRX_LV2_URIDs urids(world.map(), HRX_LV2_GetProduct());
    std::vector<uint8_t> buffer(state.size() + 256);
    LV2_Atom_Forge forge;
    lv2_atom_forge_init(&forge, world.map());
    lv2_atom_forge_set_buffer(&forge, buffer.data(), buffer.size());
    if (request)
        HRX_LV2_WriteRequest(forge, urids);
    else
        HRX_LV2_WriteState(forge, urids, state.data(), static_cast<uint32_t>(state.size()));
    return buffer;
}
}  // namespace

std::vector<uint8_t> stateMessage(const std::vector<uint8_t>& state) {
    return message(false, state);
}
std::vector<uint8_t> requestMessage() {
    return message(true, {});
}
