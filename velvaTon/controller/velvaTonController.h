#pragma once

#include "HRXBaseParametersController.h"
#include "velvaTonProduct.h"

#include <cstdint>

// The product's controller: the instance's whole state as the bytes of the
// host's 'All ' chunk (prefix 00 00 00 02 "NTVH", then the preset manager's
// bank form) and back.
class velvaTonController : public HRXBaseParametersController {
public:
    static constexpr int32_t kChunkPrefixSize = kStateChunkPrefixSize;

    explicit velvaTonController(HRXMasterController* owner) : HRXBaseParametersController(owner) {}

    // Points *data at the manager's chunk scratch (valid until the next
    // call) and answers the byte count, 1225; 0 without a manager.
    int32_t getChunk(uint8_t** data) override;
    // Restores the bank form when bytes 4..7 hold the product code (either
    // byte order) and the container lies within `size`; in every case sends
    // setup A's values 0..11 to the controller again.
    void setChunk(const uint8_t* data, int32_t size, const void* hostChunk) override;
};
