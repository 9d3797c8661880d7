// The product the LV2 binding carries: the only file of the binding's
// libraries that names the product.
#include "HRX_LV2_Product.h"
#include "velvaTonDescriptor.h"
#include "velvaTonParameters.h"

namespace {

using Kind = HRX_LV2_Control::Kind;

// The seven host parameters in the units the editor shows.
const HRX_LV2_Control kControls[] = {
    {kProcess, Kind::Enumeration, 0.0f, 2.0f, nullptr},     {kRatio, Kind::Enumeration, 0.0f, 6.0f, nullptr},
    {kAttackRatio, Kind::Enumeration, 0.0f, 6.0f, nullptr}, {kTime, Kind::Number, 0.0f, 10.0f, nullptr},
    {kCompression, Kind::Number, 0.0f, 10.0f, nullptr},     {kOutput, Kind::Number, 0.0f, 30.0f, "db"},
    {kValveLevel, Kind::Enumeration, -3.0f, 3.0f, nullptr},
};

const HRX_LV2_Product kProduct = {
    "http://bracken-works.example/lv2/velvaTon",
    "velvaTon_dsp.so",
    "velvaTon_ui.so",
    kControls,
    static_cast<int32_t>(sizeof kControls / sizeof kControls[0]),
};

}  // namespace

void HRX_LV2_InstallProduct() {
    installVelvaTon();
}

const HRX_LV2_Product& HRX_LV2_GetProduct() {
    return kProduct;
}
