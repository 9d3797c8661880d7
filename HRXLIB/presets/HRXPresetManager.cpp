#include "HRXPresetManager.h"

#include "HRXGlobalSettings.h"
#include "HRXMasterController.h"
#include "HRXPresetContainer.h"
#include "HRXPresetLibrary.h"
#include "HRXProduct.h"

#include <cstring>

HRXPresetManager::HRXPresetManager(HRXMasterController* parameterSink) : parameterSink_(parameterSink) {
    std::memset(undoRing, 0, sizeof undoRing);
    HRXPresetLibrary::acquire();
    zoomPercent = HRXGlobalSettings::zoomPercent();

    std::memset(&setupA, 0, sizeof setupA);
    for (float& value : setupA.current.values)
        value = 0.5f;
    HRXPresetLibrary::loadPresetInto(HRXPresetLibrary::kFactoryGroup, 0, 0, setupA.current, false);
    setupA.reference = setupA.current;
    setupB = setupA;
    selectActive(setupA);

    chunkScratch = new uint8_t[kChunkScratchSize]();
    workingBank = new HRXPresetRecord[kBankRecords]();
    product().buildFactoryBank(workingBank, clipboardRecord);
    templateRecord = workingBank[0];
}

HRXPresetManager::~HRXPresetManager() {
    delete[] workingBank;
    delete[] chunkScratch;
    HRXGlobalSettings::store();  // hints and zoom outlive the instance
    HRXPresetLibrary::release();
}

void HRXPresetManager::selectActive(HRXPresetSetup& setup) {
    activeCurrent_ = &setup.current;
    activeReference_ = &setup.reference;
    activeModified_ = &setup.modified;
}

void HRXPresetManager::applySetup(const HRXPresetRecord* record) {
    if (!parameterSink_ || !record)
        return;
    applying = true;
    parameterSink_->setParameter(kMessageGroupBegin, 1.0);
    for (int32_t index = 0; index < kPresetValues; ++index) {
        if (product().getParameterFlags(index) & kFlagHostParameter)
            parameterSink_->setParameter(index, static_cast<double>(record->values[index]));
    }
    parameterSink_->setParameter(kMessageGroupEnd, 1.0);
    applying = false;
}

void HRXPresetManager::selectSetup(double value) {
    selectActive(value < 0.5 ? setupA : setupB);
    applySetup(activeCurrent_);
}

void HRXPresetManager::copySetup() {
    if (isSetupBActive())
        setupA = setupB;
    else
        setupB = setupA;
}

std::vector<uint8_t> HRXPresetManager::writeBankForm() {
    workingBank[0] = *activeCurrent_;
    return serializeBank(workingBank, auxWord, zoomPercent);
}

bool HRXPresetManager::restoreBankForm(const uint8_t* data, size_t size) {
    HRXBankRestore restored;
    if (!restoreBank(data, size, workingBank, templateRecord, restored))
        return false;
    auxWord = restored.auxWord;
    if (restored.zoomPercent > 0)
        zoomPercent = restored.zoomPercent;
    setupA.current = workingBank[restored.currentProgram];
    setupA.reference = setupA.current;
    setupA.modified = 0;
    setupB = setupA;
    presetIndex = -1;
    selectActive(setupA);
    return true;
}
