#include "velvaTonDescriptor.h"

#include "velvaTonController.h"
#include "velvaTonEffect.h"
#include "velvaTonFactoryPresets.h"
#include "velvaTonParameters.h"
#include "velvaTonProduct.h"

#include <new>

namespace {

HRXBaseAudioProcessor* constructEngine(void* memory) {
    return new (memory) velvaTonEffect();
}

HRXBaseParametersController* createController(HRXMasterController* owner) {
    return new velvaTonController(owner);
}

const HRXProductDescriptor kDescriptor = {
    getParameterName,
    getParameterDisplay,
    getParameterSteps,
    getParameterCoarseSteps,
    getParameterDefault,
    getParameterFlags,
    findParameterIndex,
    parameterIdTable,
    meterParameterList,
    presetValueFlags,
    kFactoryCategoryCount,
    getFactoryCategoryName,
    getFactoryPreset,
    storeFactoryName,
    buildFactoryBank,
    kMakerName,
    kProductName,
    kProductDescription,
    kEffectId,
    kPackageVersion,
    kPageTableFileName,
    kProductVersion,
    kFrameworkVersion,
    kBuildStamp,
    kMakerWebAddress,
    kMakerDocumentsFolder,
    kUserPresetsFolder,
    kProductFolder,
    kPresetFileExtension,
    kGlobalSettingsKey,
    kGlobalSettingNamePattern,
    kSharedSettingsKey,
    kClipboardValueName,
    kManualPathValueName,
    {kProductCode[0], kProductCode[1], kProductCode[2], kProductCode[3], '\0'},
    kStateChunkPrefixSize,
    sizeof(velvaTonEffect),
    constructEngine,
    createController,
};

}  // namespace

const HRXProductDescriptor& velvaTonDescriptor() {
    return kDescriptor;
}

void installVelvaTon() {
    installProduct(kDescriptor);
}
