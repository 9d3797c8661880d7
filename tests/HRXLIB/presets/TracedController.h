#pragma once

#include "HRX_AAX_ControllerWrapper.h"

#include <utility>
#include <vector>

// The instance controller with every setParameter call it receives recorded.
class TracedController : public HRX_AAX_ControllerWrapper {
public:
    using HRX_AAX_ControllerWrapper::HRX_AAX_ControllerWrapper;
    void setParameter(int32_t index, double value) override {
        traced.emplace_back(index, value);
        HRX_AAX_ControllerWrapper::setParameter(index, value);
    }
    std::vector<std::pair<int32_t, double>> traced;
};
