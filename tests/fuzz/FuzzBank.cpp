// The state chunk's bank-form reader: bounded by the bytes given, all or
// nothing, values clamped, the current program inside the bank.
#include "HRXPresetContainer.h"
#include "velvaTonFactoryPresets.h"

#include <cstring>

namespace {

struct FactoryBank {
    FactoryBank() { buildFactoryBank(records, clipboard); }
    HRXPresetRecord records[kBankRecords];
    HRXPresetRecord clipboard;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FactoryBank factory;
    HRXPresetRecord bank[kBankRecords];
    std::memcpy(bank, factory.records, sizeof bank);
    HRXBankRestore result;
    result.currentProgram = -1;
    if (!restoreBank(data, size, bank, factory.records[0], result)) {
        if (std::memcmp(bank, factory.records, sizeof bank) != 0 || result.currentProgram != -1)
            __builtin_trap();
        return 0;
    }
    if (result.currentProgram < 0 || result.currentProgram >= kBankRecords || result.zoomPercent < 0)
        __builtin_trap();
    for (const HRXPresetRecord& record : bank) {
        if (record.name[kPresetNameLength] != '\0')
            __builtin_trap();
        for (const float v : record.values) {
            if (!(v >= 0.0f && v <= 1.0f))
                __builtin_trap();
        }
    }
    return 0;
}
