#pragma once

#include "HRX_LV2_Product.h"

#include <cstddef>
#include <cstdint>

struct HRXPresetRecord;

// Whether `size` bytes are state data of this product that a restore takes
// whole: the product code (either byte order) at offset 4 and a bank form
// that lies entirely within the bytes. Reads nothing outside them and
// changes nothing.
bool HRX_LV2_IsRestorable(const HRX_LV2_Product& product, const uint8_t* data, size_t size,
                          const HRXPresetRecord& templateRecord);
