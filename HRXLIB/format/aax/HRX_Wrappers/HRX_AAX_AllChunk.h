#pragma once

#include "HRXPresetRecord.h"

#include <cstdint>

// Layout of the 'All ' chunk data: the product's state chunk data (a prefix
// with the product code, then the preset manager's bank-form container; see
// HRXStateChunk.h) and a trailer of two words 0x00300000.
constexpr int32_t kHRX_AllChunkTrailerSize = 8;
constexpr uint32_t kHRX_AllChunkTrailerWord = 0x00300000u;
// Shortest chunk the restore looks at: the prefix and one word.
constexpr int32_t kHRX_AllChunkMinimumSize = 12;

enum class HRX_AAX_AllChunkContent {
    Restorable,  // the product code and a bank form that lies within the chunk
    Foreign,     // another product's code: accepted, restores nothing
    Damaged,     // the product code, but the bank form claims more than the chunk holds
};

// Classifies `size` bytes of 'All ' chunk data (at least the minimum size)
// by reading the bank form into a scratch copy of the bank, exactly as the
// restore will; the instance's state is not touched.
HRX_AAX_AllChunkContent HRX_AAX_ClassifyAllChunk(const uint8_t* data, int32_t size,
                                                 const HRXPresetRecord& templateRecord);
