#pragma once

#include "HRXMasterController.h"
#include "HRXPresetManager.h"
#include "velvaTonParameters.h"

#include <utility>
#include <vector>

// A parameter sink that behaves like the controller toward the manager:
// every value it receives for an undoable slot is reported straight back
// through onParameterEdited. It records what it received.
class RecordingSink : public HRXMasterController {
public:
    void setParameter(int32_t index, double value) override {
        received.emplace_back(index, value);
        if (manager && index >= 0 && index <= 12 && (getParameterFlags(index) & kFlagUndoableEdit))
            manager->onParameterEdited(index, value);
    }
    void storeSetting(int32_t, double) override {}
    void loadSetting(int32_t, double*) override {}
    HRXPresetManager* getPresetManager() override { return manager; }
    HRXBaseParametersController* getParametersController() override { return nullptr; }

    // The values of slots 0..11 last received.
    double last(int32_t index) const {
        for (auto it = received.rbegin(); it != received.rend(); ++it)
            if (it->first == index)
                return it->second;
        return -1.0;
    }

    HRXPresetManager* manager = nullptr;
    std::vector<std::pair<int32_t, double>> received;
};
