// Extra exports of the probe build of the plug-in library: the controller
// entries that the editor and the preset system use inside the library,
// reachable from a test that only holds the host's parameters object.
#include "HRXPresetManager.h"
#include "HRX_HVTN_2210_AAX_Parameters_Wrapper.h"

#define PROBE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
HRX_AAX_ControllerWrapper* controllerOf(AAX_IEffectParameters* parameters) {
    auto* wrapper = dynamic_cast<HRX_HVTN_2210_AAX_Parameters_Wrapper*>(parameters);
    return wrapper ? &wrapper->getController() : nullptr;
}
}  // namespace

PROBE_EXPORT void velvaTonProbe_editParameter(AAX_IEffectParameters* parameters, int32_t index, double value) {
    if (HRX_AAX_ControllerWrapper* controller = controllerOf(parameters))
        controller->editParameter(index, value);
}

PROBE_EXPORT void velvaTonProbe_setParameter(AAX_IEffectParameters* parameters, int32_t index, double value) {
    if (HRX_AAX_ControllerWrapper* controller = controllerOf(parameters))
        controller->setParameter(index, value);
}

PROBE_EXPORT double velvaTonProbe_value(AAX_IEffectParameters* parameters, int32_t index) {
    HRX_AAX_ControllerWrapper* controller = controllerOf(parameters);
    return controller ? controller->getValue(index) : -2.0;
}

PROBE_EXPORT int32_t velvaTonProbe_mailboxPending(AAX_IEffectParameters* parameters) {
    HRX_AAX_ControllerWrapper* controller = controllerOf(parameters);
    return controller ? (controller->isMailboxPending() ? 1 : 0) : -1;
}

// Steps in the undo history.
PROBE_EXPORT int32_t velvaTonProbe_historySteps(AAX_IEffectParameters* parameters) {
    HRX_AAX_ControllerWrapper* controller = controllerOf(parameters);
    const HRXPresetManager* manager = controller ? controller->getPresetManager() : nullptr;
    if (!manager)
        return -1;
    return (manager->head - manager->tail + HRXPresetManager::kUndoSteps) % HRXPresetManager::kUndoSteps;
}

// The preset bar's preset menu and A/B switch (value 0 A, 1 B).
PROBE_EXPORT void velvaTonProbe_selectPreset(AAX_IEffectParameters* parameters, int32_t index) {
    HRX_AAX_ControllerWrapper* controller = controllerOf(parameters);
    if (HRXPresetManager* manager = controller ? controller->getPresetManager() : nullptr)
        manager->selectPreset(index);
}

PROBE_EXPORT void velvaTonProbe_selectSetup(AAX_IEffectParameters* parameters, double value) {
    HRX_AAX_ControllerWrapper* controller = controllerOf(parameters);
    if (HRXPresetManager* manager = controller ? controller->getPresetManager() : nullptr)
        manager->selectSetup(value);
}
