#pragma once

#include "HRXMasterController.h"
#include "HRXParameterSpace.h"

#include <cstdint>

class HRXMasterHostParameters;
class HRXMasterEditorLink;

// The controller of one instance inside the host-facing parameters object.
// Host parameter values leave as touch/set/release gestures and come back as
// host echoes; internal slots 12..28 wait in a mailbox for the render thread.
// Main thread only.
class HRX_AAX_ControllerWrapper : public HRXMasterController {
public:
    static constexpr int32_t kSlots = kParameterSlots;
    static constexpr int32_t kForwardedSlots = 13;  // 0..12 have (or may have) a host parameter
    static constexpr double kMailboxEmpty = -1.0;

    explicit HRX_AAX_ControllerWrapper(HRXMasterHostParameters* hostParameters);
    ~HRX_AAX_ControllerWrapper() override;
    HRX_AAX_ControllerWrapper(const HRX_AAX_ControllerWrapper&) = delete;
    HRX_AAX_ControllerWrapper& operator=(const HRX_AAX_ControllerWrapper&) = delete;

    // Takes ownership of the product controller, then builds the preset
    // manager with this controller as its parameter sink.
    void attach(HRXBaseParametersController* productController);

    void setParameter(int32_t index, double value) override;
    void storeSetting(int32_t id, double value) override;
    void loadSetting(int32_t id, double* value) override;
    HRXPresetManager* getPresetManager() override { return presetManager_; }
    HRXBaseParametersController* getParametersController() override { return productController_; }

    // The editor's parameter output; counts the group commands 70 and 71.
    void editParameter(int32_t index, double value);
    // A host-reported value of a touched parameter 0..11, replayed as a group
    // when it answers an editor group.
    void hostEcho(int32_t index, double value);

    // Null disconnects the editor (before the editor object goes away).
    void setEditor(HRXMasterEditorLink* link) { editor_ = link; }
    HRXMasterEditorLink* getEditor() const { return editor_; }
    void notifyEditor(int32_t index, double value);

    // Last value set for slot 0..28 (0.0 outside).
    double getValue(int32_t slot) const;

    // Mailbox of internal slots, drained by the direct-data timer: copies all
    // 29 entries to out, empties 12..28 and clears the pending flag.
    bool isMailboxPending() const { return mailboxPending_; }
    double getMailboxValue(int32_t slot) const;
    void takeMailbox(double out[kSlots]);

    bool isEditRecordingSuppressed() const { return suppressEditRecording_; }
    bool isGrouping() const { return grouping_; }
    int32_t getGroupSize() const { return groupSize_; }
    int32_t getGroupCount() const { return groupCount_; }

private:
    void runChangeHook(int32_t index, double value);
    void forwardToHost(int32_t index, double value);

    HRXMasterHostParameters* hostParameters_;
    HRXBaseParametersController* productController_ = nullptr;
    bool inChangeHook_ = false;
    HRXPresetManager* presetManager_ = nullptr;
    bool suppressEditRecording_ = false;
    bool grouping_ = false;
    int32_t groupSize_ = 0;
    int32_t groupCount_ = 0;
    int32_t echoCount_ = 0;
    HRXMasterEditorLink* editor_ = nullptr;
    double values_[kSlots];
    double mailbox_[kSlots];
    bool mailboxPending_ = false;
};
