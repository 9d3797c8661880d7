#include "HRX_LV2_StateKeeper.h"

#include "HRXBaseParametersController.h"
#include "HRXPresetManager.h"
#include "HRX_LV2_Ports.h"
#include "HRXProduct.h"
#include "HRXStateChunk.h"

#include <cmath>

HRX_LV2_StateKeeper::HRX_LV2_StateKeeper(const HRX_LV2_Product& product) : product_(product), controller_(this) {
    controller_.attach(::product().createController(&controller_));
}

bool HRX_LV2_StateKeeper::restore(const uint8_t* data, size_t size) {
    HRXPresetManager* manager = controller_.getPresetManager();
    HRXBaseParametersController* productController = controller_.getParametersController();
    if (!manager || !productController || size > static_cast<size_t>(INT32_MAX) ||
        !isRestorableState(data, size, manager->templateRecord))
        return false;
    productController->setChunk(data, static_cast<int32_t>(size), nullptr);
    return true;
}

void HRX_LV2_StateKeeper::followPorts(const float* engineValues) {
    HRXPresetManager* manager = controller_.getPresetManager();
    if (!manager)
        return;
    for (int32_t i = 0; i < product_.controlCount; ++i) {
        const HRX_LV2_Control& control = product_.controls[i];
        const float value = engineValues[i];
        const float stored = manager->getActiveCurrent()->values[control.slot];
        if (std::isnan(value) || HRX_LV2_Normalised(control, HRX_LV2_PortValue(control, stored)) == value)
            continue;
        controller_.setParameter(control.slot, static_cast<double>(value));
    }
}

const uint8_t* HRX_LV2_StateKeeper::data(uint32_t* size) {
    uint8_t* bytes = nullptr;
    HRXBaseParametersController* productController = controller_.getParametersController();
    const int32_t count = productController ? productController->getChunk(&bytes) : 0;
    *size = count > 0 && bytes ? static_cast<uint32_t>(count) : 0;
    return *size > 0 ? bytes : nullptr;
}
