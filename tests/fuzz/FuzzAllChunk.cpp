// SetChunk('All ') of the parameters object with hostile chunk data. A chunk
// the object refuses must leave the instance's state as it was; one it takes
// must leave a state that saves to the full 1233 bytes again.
#include "AAX_Errors.h"
#include "HRX_AAX_Identifiers.h"
#include "HRX_HVTN_2210_AAX_Parameters_Wrapper.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

std::vector<uint64_t> recordFor(const uint8_t* data, size_t size) {
    std::vector<uint64_t> storage(AAX_ChunkRecordSize(static_cast<uint32_t>(size)) / 8 + 1, 0);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*>(storage.data());
    chunk->fSize = static_cast<int32_t>(size);
    chunk->fChunkID = kHRX_ChunkID_All;
    if (size > 0)
        std::memcpy(chunk->fData, data, size);
    return storage;
}

std::vector<uint8_t> savedState(HRX_HVTN_2210_AAX_Parameters_Wrapper& parameters) {
    uint32_t size = 0;
    if (parameters.GetChunkSize(kHRX_ChunkID_All, &size) != AAX_SUCCESS || size != 1233)
        __builtin_trap();
    std::vector<uint64_t> storage(AAX_ChunkRecordSize(size) / 8 + 1, 0);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*>(storage.data());
    chunk->fSize = static_cast<int32_t>(size);
    if (parameters.GetChunk(kHRX_ChunkID_All, chunk) != AAX_SUCCESS || chunk->fSize != 1233)
        __builtin_trap();
    const auto* bytes = reinterpret_cast<const uint8_t*>(chunk->fData);
    return std::vector<uint8_t>(bytes, bytes + chunk->fSize);
}

HRX_HVTN_2210_AAX_Parameters_Wrapper& instance() {
    static HRX_HVTN_2210_AAX_Parameters_Wrapper parameters;
    return parameters;
}

}  // namespace

// The instance reads and writes per-user settings: keep them in a private home.
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
    HRX_HVTN_2210_AAX_Parameters_Wrapper& parameters = instance();
    const std::vector<uint8_t> before = savedState(parameters);
    std::vector<uint64_t> storage = recordFor(data, size);
    const AAX_Result result =
        parameters.SetChunk(kHRX_ChunkID_All, reinterpret_cast<const AAX_SPlugInChunk*>(storage.data()));
    const std::vector<uint8_t> after = savedState(parameters);
    if (result != AAX_SUCCESS && before != after)
        __builtin_trap();
    return 0;
}
