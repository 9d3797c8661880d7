#pragma once

#include <cstdint>

class HRXPresetManager;
class HRXBaseParametersController;

// Host-neutral controller of one plug-in instance: every value set anywhere
// (editor, preset manager, host automation, restored session) passes here.
class HRXMasterController {
public:
    virtual ~HRXMasterController() = default;
    virtual void setParameter(int32_t index, double value) = 0;
    // Per-user global settings (ids 57 hints, 59 zoom), value unchanged.
    virtual void storeSetting(int32_t id, double value) = 0;
    // *value holds the caller's default on entry and keeps it when nothing valid is stored.
    virtual void loadSetting(int32_t id, double* value) = 0;
    virtual HRXPresetManager* getPresetManager() = 0;
    virtual HRXBaseParametersController* getParametersController() = 0;
};
