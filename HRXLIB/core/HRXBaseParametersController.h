#pragma once

#include <cstdint>

class HRXMasterController;

// Product part of the controller: turns the whole instance state into the
// bytes of the host's state chunk and back.
class HRXBaseParametersController {
public:
    explicit HRXBaseParametersController(HRXMasterController* owner) : owner_(owner) {}
    virtual ~HRXBaseParametersController() = default;
    HRXBaseParametersController(const HRXBaseParametersController&) = delete;
    HRXBaseParametersController& operator=(const HRXBaseParametersController&) = delete;

    // Notification of every value set through the controller; no reaction by default.
    virtual void parameterChanged(int32_t index, double value);
    // Points *data at the chunk bytes and answers their count; 0 (data untouched) when none.
    virtual int32_t getChunk(uint8_t** data) = 0;
    virtual void setChunk(const uint8_t* data, int32_t size, const void* hostChunk) = 0;

protected:
    HRXMasterController* owner_;
};
