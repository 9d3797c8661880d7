// The product the LV2 binding carries: the only file of the binding that
// names the product's classes, tables and constants.
#include "HRX_AAX_ControllerWrapper.h"
#include "HRX_LV2_Product.h"
#include "velvaTonController.h"
#include "velvaTonEffect.h"
#include "velvaTonFactoryPresets.h"
#include "velvaTonParameters.h"
#include "velvaTonProduct.h"

namespace {

using Kind = HRX_LV2_Control::Kind;

// The seven host parameters in the units the editor shows.
const HRX_LV2_Control kControls[] = {
    {kProcess, Kind::Enumeration, 0.0f, 2.0f, nullptr},
    {kRatio, Kind::Enumeration, 0.0f, 6.0f, nullptr},
    {kAttackRatio, Kind::Enumeration, 0.0f, 6.0f, nullptr},
    {kTime, Kind::Number, 0.0f, 10.0f, nullptr},
    {kCompression, Kind::Number, 0.0f, 10.0f, nullptr},
    {kOutput, Kind::Number, 0.0f, 30.0f, "db"},
    {kValveLevel, Kind::Enumeration, -3.0f, 3.0f, nullptr},
};

HRXBaseAudioProcessor* createEngine() { return new velvaTonEffect(); }

void attachProductController(HRX_AAX_ControllerWrapper& controller) {
    controller.attach(new velvaTonController(&controller));
}

const char* parameterIdentifier(int32_t slot) {
    return slot >= 0 && slot < kParameterSlots ? parameterIdTable[slot] : "";
}

void factoryPreset(int32_t slot, double* values, char* name, int32_t* category) {
    HRXPresetPlacement placement{-1, 0};
    getFactoryPreset(slot, values, name, &placement);
    if (category)
        *category = placement.category;
}

const HRX_LV2_Product kProduct = {
    kProductName,
    kMakerName,
    kMakerWebAddress,
    "http://bracken-works.example/lv2/velvaTon",
    "velvaTon_dsp.so",
    "velvaTon_ui.so",
    {'N', 'T', 'V', 'H'},
    kControls,
    static_cast<int32_t>(sizeof kControls / sizeof kControls[0]),
    kGainReduction,
    kFactoryPresetSlots,
    kPresetValues,
    createEngine,
    attachProductController,
    getParameterName,
    getParameterDisplay,
    parameterIdentifier,
    findParameterIndex,
    factoryPreset,
    getFactoryCategoryName,
};

}  // namespace

const HRX_LV2_Product& HRX_LV2_GetProduct() { return kProduct; }
