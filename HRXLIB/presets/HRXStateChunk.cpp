#include "HRXStateChunk.h"

#include "HRXPresetContainer.h"
#include "HRXProduct.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kCodeOffset = 4;
constexpr size_t kCodeSize = 4;

}  // namespace

void writeStateChunkPrefix(uint8_t* data) {
    const HRXProductDescriptor& descriptor = product();
    std::memset(data, 0, static_cast<size_t>(descriptor.stateChunkPrefixSize));
    data[3] = 0x02;
    std::memcpy(data + kCodeOffset, descriptor.productCode, kCodeSize);
}

bool hasStateChunkPrefix(const uint8_t* data, size_t size) {
    const HRXProductDescriptor& descriptor = product();
    if (!data || size < static_cast<size_t>(descriptor.stateChunkPrefixSize))
        return false;
    char reversed[kCodeSize];
    std::reverse_copy(descriptor.productCode, descriptor.productCode + kCodeSize, reversed);
    return std::memcmp(data + kCodeOffset, descriptor.productCode, kCodeSize) == 0 ||
           std::memcmp(data + kCodeOffset, reversed, kCodeSize) == 0;
}

bool isRestorableState(const uint8_t* data, size_t size, const HRXPresetRecord& templateRecord) {
    const auto prefixSize = static_cast<size_t>(product().stateChunkPrefixSize);
    if (!hasStateChunkPrefix(data, size) || size <= prefixSize)
        return false;
    HRXPresetRecord scratch[kBankRecords] = {};
    HRXBankRestore restored;
    return restoreBank(data + prefixSize, size - prefixSize, scratch, templateRecord, restored);
}
