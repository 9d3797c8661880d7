#pragma once

#include "HRXMasterHostParameters.h"
#include "HRX_LV2_Product.h"

#include <lv2/ui/ui.h>

#include <cstdint>
#include <utility>
#include <vector>

class HRXMasterEditorLink;
class HRX_AAX_ControllerWrapper;

// The host parameters as the UI's controller sees them: an edit becomes a
// write of the control's port, inside a ui:touch gesture when the host
// offers one. A value the port already holds is never written, so values
// the host reported (its port events) and state the DSP sent never go back
// to the host. Like a host answering a touched parameter, the next
// answerEdits() shows each written value in the editor and echoes it to
// the controller. UI thread only.
class HRX_LV2_UIParameters : public HRXMasterHostParameters {
public:
    HRX_LV2_UIParameters(const HRX_LV2_Product& product, LV2UI_Write_Function write, LV2UI_Controller host,
                         const LV2UI_Touch* touch);

    void setController(HRX_AAX_ControllerWrapper* instanceController) { controller_ = instanceController; }
    void setEditor(HRXMasterEditorLink* link) { editor_ = link; }
    // While muted nothing is written.
    void setMuted(bool mute) { muted_ = mute; }

    // A control's value as the host reports it: remembered and shown.
    void portChanged(int32_t control, float portValue);
    // Shows every reported value in the editor again.
    void showPorts();
    // The host's side of the edits written since the last call.
    void answerEdits();

    void touchParameter(const char* identifier) override;
    void setParameterNormalizedValue(const char* identifier, double value) override;
    void releaseParameter(const char* identifier) override;

private:
    static constexpr int32_t kMaxControls = 16;

    int32_t controlOf(const char* identifier) const;
    void show(int32_t control);

    const HRX_LV2_Product& product_;
    LV2UI_Write_Function write_;
    LV2UI_Controller host_;
    const LV2UI_Touch* touch_;
    HRX_AAX_ControllerWrapper* controller_ = nullptr;
    HRXMasterEditorLink* editor_ = nullptr;
    bool muted_ = false;

    float portValues_[kMaxControls] = {};
    bool known_[kMaxControls] = {};
    bool touched_[kMaxControls] = {};
    bool grabbed_[kMaxControls] = {};
    // (control, normalised value) of each write, in order.
    std::vector<std::pair<int32_t, double>> edits_;
};
