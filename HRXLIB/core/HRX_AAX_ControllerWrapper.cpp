#include "HRX_AAX_ControllerWrapper.h"

#include "HRXBaseParametersController.h"
#include "HRXMasterEditorLink.h"
#include "HRXMasterHostParameters.h"
#include "HRXPresetLibrary.h"
#include "HRXPresetManager.h"
#include "HRXProduct.h"

HRX_AAX_ControllerWrapper::HRX_AAX_ControllerWrapper(HRXMasterHostParameters* hostParameters)
    : hostParameters_(hostParameters) {
    // Slots 0..11 start at the "Default" factory preset (spare slots 0.0),
    // the internal slots at their table defaults.
    double presetValues[kPresetValues] = {};
    product().getFactoryPreset(0, presetValues, nullptr, nullptr);
    for (int32_t i = 0; i < kSlots; ++i) {
        values_[i] = i < kPresetValues ? presetValues[i] : product().getParameterDefault(i);
        mailbox_[i] = kMailboxEmpty;
    }
}

HRX_AAX_ControllerWrapper::~HRX_AAX_ControllerWrapper() {
    delete productController_;
    productController_ = nullptr;
    delete presetManager_;  // stores the hints and zoom settings
    presetManager_ = nullptr;
}

void HRX_AAX_ControllerWrapper::attach(HRXBaseParametersController* product) {
    delete productController_;
    productController_ = product;
    if (!presetManager_)
        presetManager_ = new HRXPresetManager(this);
}

void HRX_AAX_ControllerWrapper::runChangeHook(int32_t index, double value) {
    if (!productController_ || inChangeHook_)
        return;
    inChangeHook_ = true;
    productController_->parameterChanged(index, value);
    inChangeHook_ = false;
}

void HRX_AAX_ControllerWrapper::forwardToHost(int32_t index, double value) {
    if (index < 0 || index >= kForwardedSlots)
        return;
    if (hostParameters_) {
        const char* identifier = product().parameterIds[index];
        const double clamped = value < 0.0 ? 0.0 : (value > 1.0 ? 1.0 : value);
        hostParameters_->touchParameter(identifier);
        hostParameters_->setParameterNormalizedValue(identifier, clamped);
        hostParameters_->releaseParameter(identifier);
    }
    if (presetManager_ && !suppressEditRecording_ && (product().getParameterFlags(index) & kFlagUndoableEdit))
        presetManager_->onParameterEdited(index, value);
}

void HRX_AAX_ControllerWrapper::notifyEditor(int32_t index, double value) {
    if (editor_)
        editor_->notifyEditor(index, value);
}

void HRX_AAX_ControllerWrapper::setParameter(int32_t index, double value) {
    runChangeHook(index, value);
    forwardToHost(index, value);
    if (index >= 12) {
        if (editor_) {
            if (index == kMessageZoom)
                return;  // the zoom factor reaches neither the editor nor the stored values
            notifyEditor(index, value);
        }
        if (index < kSlots) {
            mailbox_[index] = value;
            mailboxPending_ = true;
        }
    }
    if (index >= 0 && index < kSlots)
        values_[index] = value;
}

void HRX_AAX_ControllerWrapper::editParameter(int32_t index, double value) {
    if (grouping_)
        ++groupCount_;
    if (index == kMessageGroupBegin) {
        suppressEditRecording_ = true;
        grouping_ = true;
        groupCount_ = 0;
        echoCount_ = 0;
    } else if (index == kMessageGroupEnd) {
        groupSize_ = groupCount_ - 2;
        grouping_ = false;
        groupCount_ = -1;
        // A group of fewer than two value changes is never replayed as a
        // group, so nothing would end the suppression: end it here, or the
        // undo history would silently stop recording.
        if (groupSize_ < 1) {
            groupSize_ = 0;
            suppressEditRecording_ = false;
        }
    } else if (index >= 0 && index < kPresetValues) {
        forwardToHost(index, value);  // stored when the host echoes it
        return;
    }
    runChangeHook(index, value);
    if (index >= 12) {
        notifyEditor(index, value);
        if (index < kSlots) {
            mailbox_[index] = value;
            mailboxPending_ = true;
        }
    }
    if (index >= 0 && index < kSlots)
        values_[index] = value;
}

void HRX_AAX_ControllerWrapper::hostEcho(int32_t index, double value) {
    if (groupSize_ < 1) {
        setParameter(index, value);
    } else if (echoCount_ == 0) {
        setParameter(kMessageGroupBegin, 1.0);
        setParameter(index, value);
        echoCount_ = 1;
    } else if (echoCount_ < groupSize_) {
        setParameter(index, value);
        ++echoCount_;
    } else {
        setParameter(index, value);
        setParameter(kMessageGroupEnd, 1.0);
        groupSize_ = 0;
        suppressEditRecording_ = false;
    }
}

void HRX_AAX_ControllerWrapper::storeSetting(int32_t id, double value) {
    HRXPresetLibrary::writeGlobalSetting(id, value);
}

void HRX_AAX_ControllerWrapper::loadSetting(int32_t id, double* value) {
    HRXPresetLibrary::readGlobalSetting(id, value);
}

double HRX_AAX_ControllerWrapper::getValue(int32_t slot) const {
    return slot >= 0 && slot < kSlots ? values_[slot] : 0.0;
}

double HRX_AAX_ControllerWrapper::getMailboxValue(int32_t slot) const {
    return slot >= 0 && slot < kSlots ? mailbox_[slot] : kMailboxEmpty;
}

void HRX_AAX_ControllerWrapper::takeMailbox(double out[kSlots]) {
    for (int32_t i = 0; i < kSlots; ++i)
        out[i] = mailbox_[i];
    for (int32_t i = 12; i < kSlots; ++i)
        mailbox_[i] = kMailboxEmpty;
    mailboxPending_ = false;
}
