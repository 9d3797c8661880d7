// What an LV2 host hands the plug-in: the same bytes as state data to
// restore and as a message on the UI's port. State data the plug-in refuses
// must leave its state as it was; data it takes must save whole again. A
// message is read within its atom only.
#include "HRX_LV2_Messages.h"
#include "HRX_LV2_StateKeeper.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

LV2_URID mapUri(LV2_URID_Map_Handle, const char* uri) {
    static std::vector<std::string> uris;
    for (size_t i = 0; i < uris.size(); ++i) {
        if (uris[i] == uri)
            return static_cast<LV2_URID>(i + 1);
    }
    uris.emplace_back(uri);
    return static_cast<LV2_URID>(uris.size());
}

std::vector<uint8_t> saved(HRX_LV2_StateKeeper& keeper) {
    uint32_t size = 0;
    const uint8_t* data = keeper.data(&size);
    if (!data || size != 1225)
        __builtin_trap();
    return std::vector<uint8_t>(data, data + size);
}

}  // namespace

// The keeper reads and writes per-user settings: keep them in a private home.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static std::string home = "/tmp/velvaton-fuzz-home-XXXXXX";
    if (mkdtemp(&home[0])) {
        setenv("HOME", home.c_str(), 1);
        setenv("USERPROFILE", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 1u << 16)
        return 0;
    static HRX_LV2_StateKeeper keeper(HRX_LV2_GetProduct());
    const std::vector<uint8_t> before = saved(keeper);
    if (!keeper.restore(data, size) && saved(keeper) != before)
        __builtin_trap();
    saved(keeper);

    // The message: an atom that the host says fits its buffer.
    static LV2_URID_Map map = {nullptr, mapUri};
    static const HRX_LV2_URIDs urids(&map, HRX_LV2_GetProduct());
    std::vector<uint64_t> aligned(size / 8 + 1, 0);
    std::memcpy(aligned.data(), data, size);
    const auto* atom = reinterpret_cast<const LV2_Atom*>(aligned.data());
    if (size < sizeof(LV2_Atom) || sizeof(LV2_Atom) + atom->size > size)
        return 0;
    const HRX_LV2_Message message = HRX_LV2_ReadMessage(urids, atom);
    const auto* begin = reinterpret_cast<const uint8_t*>(aligned.data());
    if (message.kind == HRX_LV2_Message::Kind::State &&
        (message.bytes < begin || message.bytes + message.size > begin + size))
        __builtin_trap();
    return 0;
}
