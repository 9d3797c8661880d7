#include "velvaTonController.h"

#include "HRXGlobalSettings.h"
#include "HRXMasterController.h"
#include "HRXPresetManager.h"
#include "HRXStateChunk.h"
#include "velvaTonParameters.h"

#include <cstring>

int32_t velvaTonController::getChunk(uint8_t** data) {
    HRXPresetManager* manager = owner_ ? owner_->getPresetManager() : nullptr;
    if (!manager)
        return 0;
    uint8_t* scratch = manager->chunkScratch;
    std::memset(scratch, 0, static_cast<size_t>(manager->chunkScratchSize));
    writeStateChunkPrefix(scratch);
    const std::vector<uint8_t> container = manager->writeBankForm();
    if (container.empty() || container.size() > static_cast<size_t>(manager->chunkScratchSize - kChunkPrefixSize))
        return 0;
    std::memcpy(scratch + kChunkPrefixSize, container.data(), container.size());
    *data = scratch;
    return static_cast<int32_t>(container.size()) + kChunkPrefixSize;
}

void velvaTonController::setChunk(const uint8_t* data, int32_t size, const void*) {
    HRXPresetManager* manager = owner_ ? owner_->getPresetManager() : nullptr;
    if (!manager)
        return;
    if (data && size >= kChunkPrefixSize) {
        if (hasStateChunkPrefix(data, static_cast<size_t>(size)) &&
            manager->restoreBankForm(data + kChunkPrefixSize, static_cast<size_t>(size - kChunkPrefixSize))) {
            owner_->setParameter(kMessageAuxWord, static_cast<double>(manager->auxWord));
            owner_->setParameter(kMessageZoom, HRXGlobalSettings::limitZoomFactor(manager->zoomPercent * 0.01));
        }
    }
    const HRXPresetRecord& setupA = manager->setupA.current;
    for (int32_t index = 0; index < kPresetValues; ++index)
        owner_->setParameter(index, static_cast<double>(setupA.values[index]));
}
