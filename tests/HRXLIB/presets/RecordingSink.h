#pragma once

#include "HRXMasterController.h"
#include "HRXPresetManager.h"
#include "PresetTestSupport.h"
#include "velvaTonParameters.h"

#include <memory>
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

    // The value of a slot last received, -1 if none.
    double last(int32_t index) const {
        for (auto it = received.rbegin(); it != received.rend(); ++it)
            if (it->first == index)
                return it->second;
        return -1.0;
    }

    HRXPresetManager* manager = nullptr;
    std::vector<std::pair<int32_t, double>> received;
};

// One manager on a recording sink, in a private home with a steppable clock.
class ManagerTest : public ::testing::Test {
protected:
    ManagerTest() : manager_(new HRXPresetManager(&sink_)) { sink_.manager = manager_.get(); }
    // A user edit as the controller reports it.
    void edit(int32_t index, double value) { sink_.setParameter(index, value); }
    float current(int32_t index) { return manager_->getActiveCurrent()->values[index]; }

    TemporaryUserHome home_;
    ManualClock clock_;
    RecordingSink sink_;
    std::unique_ptr<HRXPresetManager> manager_;
};
