// Hostile bytes into the framework's chunk data parser: a load either fails
// and leaves the parser empty, or succeeds and writes back exactly the bytes
// it read.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "AAX_CChunkDataParser.h"
#include "AAX_CString.h"
#include "AAX_Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 1 << 20)
        return 0;
    // An exact-size copy, so any read past the end is caught.
    std::vector<uint8_t> bytes(data, data + size);
    AAX_CChunkDataParser parser;
    parser.AddDouble("stale", 1.0);
    const AAX_Result result = parser.LoadChunkData(bytes.data(), static_cast<uint32_t>(bytes.size()));
    if (result != AAX_SUCCESS) {
        if (!parser.IsEmpty())
            std::abort();
        return 0;
    }
    std::vector<uint8_t> written(static_cast<size_t>(parser.GetChunkDataSize()));
    if (parser.WriteChunkData(written.data(), static_cast<uint32_t>(written.size())) != AAX_SUCCESS)
        std::abort();
    if (written != bytes)
        std::abort();
    double number = 0.0;
    AAX_CString text;
    parser.FindDouble("Gain", &number);
    parser.FindString("Gain", &text);
    return 0;
}
