#include "HRXProduct.h"

#include "HRXBaseAudioProcessor.h"

#include <cstdlib>
#include <new>

namespace {

const HRXProductDescriptor* gProduct = nullptr;

}  // namespace

void installProduct(const HRXProductDescriptor& descriptor) {
    gProduct = &descriptor;
}

const HRXProductDescriptor& product() {
    if (!gProduct) {
        std::fputs("HRXLIB: no product installed (installProduct must run first)\n", stderr);
        std::abort();
    }
    return *gProduct;
}

namespace {

// Room for any member an engine may have, SIMD vectors included.
constexpr std::align_val_t kEngineAlignment{64};

}  // namespace

HRXOwnedEngine::HRXOwnedEngine()
    : memory_(::operator new(product().engineSize, kEngineAlignment)), engine_(product().constructEngine(memory_)) {}

HRXOwnedEngine::~HRXOwnedEngine() {
    engine_->~HRXBaseAudioProcessor();
    ::operator delete(memory_, kEngineAlignment);
}

void getPresetValues(int32_t slot, double (&values)[kPresetValues]) {
    const HRXProductDescriptor& descriptor = product();
    for (int32_t i = 0; i < kPresetValues; ++i)
        values[i] = descriptor.getParameterDefault(i);
    descriptor.getFactoryPreset(slot, values, nullptr, nullptr);
}
