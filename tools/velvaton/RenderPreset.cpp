#include "RenderPreset.h"

#include "PresetLookup.h"
#include "velvaTonParameters.h"

bool applyRenderPreset(const std::string& presetName, const std::string& presetFile, double* values,
                       std::string& error) {
    HRXPresetRecord record;
    if (!presetFile.empty()) {
        bool present[kPresetValues];
        if (!readPresetFileStrict(presetFile, record, present, error))
            return false;
    } else if (!presetName.empty()) {
        PresetLibrarySession session;
        if (!findPresetByName(presetName, record, error))
            return false;
    } else {
        return true;
    }
    // What loading the preset in the plug-in sets: the undoable stored parameters.
    for (int32_t index = 0; index < kPresetValues; ++index) {
        if (getParameterFlags(index) & kFlagUndoableEdit)
            values[index] = record.values[index];
    }
    return true;
}
