#include "HRX_AAX_AllChunk.h"

#include "HRXPresetContainer.h"
#include "HRXProduct.h"
#include "HRXStateChunk.h"

#include <cstring>

HRX_AAX_AllChunkContent HRX_AAX_ClassifyAllChunk(const uint8_t* data, int32_t size,
                                                 const HRXPresetRecord& templateRecord) {
    if (!data || size < kHRX_AllChunkMinimumSize)
        return HRX_AAX_AllChunkContent::Damaged;
    if (!hasStateChunkPrefix(data, static_cast<size_t>(size)))
        return HRX_AAX_AllChunkContent::Foreign;
    // The container lies between the prefix and the trailer.
    const int32_t prefixSize = product().stateChunkPrefixSize;
    const int32_t containerSize = size - prefixSize - kHRX_AllChunkTrailerSize;
    if (containerSize <= 0)
        return HRX_AAX_AllChunkContent::Damaged;
    HRXPresetRecord scratch[kBankRecords];
    std::memset(scratch, 0, sizeof scratch);
    HRXBankRestore restored;
    const bool fits = restoreBank(data + prefixSize, static_cast<size_t>(containerSize), scratch,
                                  templateRecord, restored);
    return fits ? HRX_AAX_AllChunkContent::Restorable : HRX_AAX_AllChunkContent::Damaged;
}
