#include "HRX_AAX_AllChunk.h"

#include "HRXPresetContainer.h"

#include <cstring>

HRX_AAX_AllChunkContent HRX_AAX_ClassifyAllChunk(const uint8_t* data, int32_t size,
                                                 const HRXPresetRecord& templateRecord) {
    if (!data || size < kHRX_AllChunkMinimumSize)
        return HRX_AAX_AllChunkContent::Damaged;
    if (std::memcmp(data + 4, "NTVH", 4) != 0 && std::memcmp(data + 4, "HVTN", 4) != 0)
        return HRX_AAX_AllChunkContent::Foreign;
    // The container lies between the prefix and the trailer.
    const int32_t containerSize = size - kHRX_AllChunkPrefixSize - kHRX_AllChunkTrailerSize;
    if (containerSize <= 0)
        return HRX_AAX_AllChunkContent::Damaged;
    HRXPresetRecord scratch[kBankRecords];
    std::memset(scratch, 0, sizeof scratch);
    HRXBankRestore restored;
    const bool fits = restoreBank(data + kHRX_AllChunkPrefixSize, static_cast<size_t>(containerSize), scratch,
                                  templateRecord, restored);
    return fits ? HRX_AAX_AllChunkContent::Restorable : HRX_AAX_AllChunkContent::Damaged;
}
