#include "HRX_AAX_AllChunk.h"

#include "HRXStateChunk.h"

HRX_AAX_AllChunkContent HRX_AAX_ClassifyAllChunk(const uint8_t* data, int32_t size,
                                                 const HRXPresetRecord& templateRecord) {
    if (!data || size < kHRX_AllChunkMinimumSize)
        return HRX_AAX_AllChunkContent::Damaged;
    if (!hasStateChunkPrefix(data, static_cast<size_t>(size)))
        return HRX_AAX_AllChunkContent::Foreign;
    // The state data ends where the trailer begins.
    const int32_t stateSize = size - kHRX_AllChunkTrailerSize;
    const bool fits = stateSize > 0 && isRestorableState(data, static_cast<size_t>(stateSize), templateRecord);
    return fits ? HRX_AAX_AllChunkContent::Restorable : HRX_AAX_AllChunkContent::Damaged;
}
