#pragma once

#include "AAX_CEffectGUI.h"
#include "HRXParameterSpace.h"

class HRX_AAX_EditorWrapper;

// The instance's editor object: shows the product's editor window in the
// host's view container, connects it to the instance's controller, pushes
// host parameter values and the gain-reduction meter into it, and tells the
// host its size. Main thread only.
class HRX_HVTN_2210_HRX_AAXWrapper_GUI : public AAX_CEffectGUI {
public:
    // Creation procedure 1 of the description; the host owns the result.
    static AAX_IEffectGUI* Create();

    HRX_HVTN_2210_HRX_AAXWrapper_GUI();
    // Disconnects the window from the controller before it goes, so no value
    // reaches a deleted window.
    ~HRX_HVTN_2210_HRX_AAXWrapper_GUI() override;
    HRX_HVTN_2210_HRX_AAXWrapper_GUI(const HRX_HVTN_2210_HRX_AAXWrapper_GUI&) = delete;
    HRX_HVTN_2210_HRX_AAXWrapper_GUI& operator=(const HRX_HVTN_2210_HRX_AAXWrapper_GUI&) = delete;

    AAX_Result GetViewSize(AAX_Point* size) const override;
    AAX_Result TimerWakeup() override;
    AAX_Result ParameterUpdated(AAX_CParamID id) override;

    HRX_AAX_EditorWrapper* getEditorWrapper() const { return wrapper_; }

protected:
    void CreateViewContainer() override;
    void DeleteViewContainer() override;

private:
    void* parentWindow_ = nullptr;
    HRX_AAX_EditorWrapper* wrapper_ = nullptr;
    int32_t meterList_[kMeterListSize];
};
