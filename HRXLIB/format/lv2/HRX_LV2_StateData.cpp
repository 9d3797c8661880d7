#include "HRX_LV2_StateData.h"

#include "HRXPresetContainer.h"

#include <cstring>

namespace {
// The word 0x02000000 and the product code come before the bank form.
constexpr size_t kPrefixSize = 8;
}  // namespace

bool HRX_LV2_IsRestorable(const HRX_LV2_Product& product, const uint8_t* data, size_t size,
                          const HRXPresetRecord& templateRecord) {
    if (!data || size <= kPrefixSize)
        return false;
    const uint8_t* code = product.chunkCode;
    const uint8_t reversed[4] = {code[3], code[2], code[1], code[0]};
    if (std::memcmp(data + 4, code, 4) != 0 && std::memcmp(data + 4, reversed, 4) != 0)
        return false;
    HRXPresetRecord scratch[kBankRecords] = {};
    HRXBankRestore restored;
    return restoreBank(data + kPrefixSize, size - kPrefixSize, scratch, templateRecord, restored);
}
