// The preset clipboard of HRXPresetManager: one record shared by every
// instance of the user, kept in the per-user settings as "MemoA".
#include "HRXPresetManager.h"

#include "HRXPresetContainer.h"
#include "HRXSettingsStore.h"
#include "HRXProduct.h"

#include <ctime>

void HRXPresetManager::copyToClipboard() {
    clipboardRecord = *activeCurrent_;
    char name[32] = "clipboard ";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local))
        std::strftime(name + 10, sizeof name - 10, "%H:%M:%S", &local);
    setPresetRecordName(clipboardRecord, name);
    const std::vector<uint8_t> container = serializePreset(clipboardRecord, auxWord, zoomPercent);
    getSettingsStore().writeBinary(product().sharedSettingsKey, product().clipboardValueName, container.data(),
                                   container.size());
}

void HRXPresetManager::pasteFromClipboard() {
    std::vector<uint8_t> value;
    if (!getSettingsStore().readBinary(product().sharedSettingsKey, product().clipboardValueName, value))
        return;
    if (readClipboardContainer(value.data(), value.size(), clipboardRecord) != HRXClipboardRead::Accepted)
        return;
    *activeCurrent_ = clipboardRecord;
    *activeReference_ = clipboardRecord;
    *activeModified_ = 0;
    applySetup(activeCurrent_);
    presetIndex = -1;
}
