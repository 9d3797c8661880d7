#include "HRXProduct.h"

#include <cstdlib>

namespace {

const HRXProductDescriptor* gProduct = nullptr;

}  // namespace

void installProduct(const HRXProductDescriptor& descriptor) { gProduct = &descriptor; }

const HRXProductDescriptor& product() {
    if (!gProduct) {
        std::fputs("HRXLIB: no product installed (installProduct must run first)\n", stderr);
        std::abort();
    }
    return *gProduct;
}

void getPresetValues(int32_t slot, double (&values)[kPresetValues]) {
    const HRXProductDescriptor& descriptor = product();
    for (int32_t i = 0; i < kPresetValues; ++i)
        values[i] = descriptor.getParameterDefault(i);
    descriptor.getFactoryPreset(slot, values, nullptr, nullptr);
}
