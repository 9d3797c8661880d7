#include "HRX_AAX_ControllerWrapper.h"

#include "HRXBaseParametersController.h"
#include "HRXMasterEditorLink.h"
#include "HRXMasterHostParameters.h"
#include "HRXPresetLibrary.h"
#include "HRXPresetManager.h"
#include "HRXProduct.h"

HRX_AAX_ControllerWrapper::HRX_AAX_ControllerWrapper(HRXMasterHostParameters* hostParameters)
    : hostParameters(hostParameters) {
    // Slots 0..11 start at the "Default" factory preset (spare slots 0.0),
    // the internal slots at their table defaults.
    double presetValues[kPresetValues] = {};
    product().getFactoryPreset(0, presetValues, nullptr, nullptr);
    for (int32_t i = 0; i < kSlots; ++i) {
        values[i] = i < kPresetValues ? presetValues[i] : product().getParameterDefault(i);
        mailbox[i] = kMailboxEmpty;
    }
}

HRX_AAX_ControllerWrapper::~HRX_AAX_ControllerWrapper() {
    delete productController;
    productController = nullptr;
    delete presetManager;  // stores the hints and zoom settings
    presetManager = nullptr;
}

void HRX_AAX_ControllerWrapper::attach(HRXBaseParametersController* product) {
    delete productController;
    productController = product;
    if (!presetManager)
        presetManager = new HRXPresetManager(this);
}

void HRX_AAX_ControllerWrapper::runChangeHook(int32_t index, double value) {
    if (!productController || inChangeHook)
        return;
    inChangeHook = true;
    productController->parameterChanged(index, value);
    inChangeHook = false;
}

void HRX_AAX_ControllerWrapper::forwardToHost(int32_t index, double value) {
    if (index < 0 || index >= kForwardedSlots)
        return;
    if (hostParameters) {
        const char* identifier = product().parameterIds[index];
        const double clamped = value < 0.0 ? 0.0 : (value > 1.0 ? 1.0 : value);
        hostParameters->touchParameter(identifier);
        hostParameters->setParameterNormalizedValue(identifier, clamped);
        hostParameters->releaseParameter(identifier);
    }
    if (presetManager && !suppressEditRecording && (product().getParameterFlags(index) & kFlagUndoableEdit))
        presetManager->onParameterEdited(index, value);
}

void HRX_AAX_ControllerWrapper::notifyEditor(int32_t index, double value) {
    if (editor)
        editor->notifyEditor(index, value);
}

void HRX_AAX_ControllerWrapper::setParameter(int32_t index, double value) {
    runChangeHook(index, value);
    forwardToHost(index, value);
    if (index >= 12) {
        if (editor) {
            if (index == kMessageZoom)
                return;  // the zoom factor reaches neither the editor nor the stored values
            notifyEditor(index, value);
        }
        if (index < kSlots) {
            mailbox[index] = value;
            mailboxPending = true;
        }
    }
    if (index >= 0 && index < kSlots)
        values[index] = value;
}

void HRX_AAX_ControllerWrapper::editParameter(int32_t index, double value) {
    if (grouping)
        ++groupCount;
    if (index == kMessageGroupBegin) {
        suppressEditRecording = true;
        grouping = true;
        groupCount = 0;
        echoCount = 0;
    } else if (index == kMessageGroupEnd) {
        groupSize = groupCount - 2;
        grouping = false;
        groupCount = -1;
        // A group of fewer than two value changes is never replayed as a
        // group, so nothing would end the suppression: end it here, or the
        // undo history would silently stop recording.
        if (groupSize < 1) {
            groupSize = 0;
            suppressEditRecording = false;
        }
    } else if (index >= 0 && index < kPresetValues) {
        forwardToHost(index, value);  // stored when the host echoes it
        return;
    }
    runChangeHook(index, value);
    if (index >= 12) {
        notifyEditor(index, value);
        if (index < kSlots) {
            mailbox[index] = value;
            mailboxPending = true;
        }
    }
    if (index >= 0 && index < kSlots)
        values[index] = value;
}

void HRX_AAX_ControllerWrapper::hostEcho(int32_t index, double value) {
    if (groupSize < 1) {
        setParameter(index, value);
    } else if (echoCount == 0) {
        setParameter(kMessageGroupBegin, 1.0);
        setParameter(index, value);
        echoCount = 1;
    } else if (echoCount < groupSize) {
        setParameter(index, value);
        ++echoCount;
    } else {
        setParameter(index, value);
        setParameter(kMessageGroupEnd, 1.0);
        groupSize = 0;
        suppressEditRecording = false;
    }
}

void HRX_AAX_ControllerWrapper::storeSetting(int32_t id, double value) {
    HRXPresetLibrary::writeGlobalSetting(id, value);
}

void HRX_AAX_ControllerWrapper::loadSetting(int32_t id, double* value) {
    HRXPresetLibrary::readGlobalSetting(id, value);
}

double HRX_AAX_ControllerWrapper::getValue(int32_t slot) const {
    return slot >= 0 && slot < kSlots ? values[slot] : 0.0;
}

double HRX_AAX_ControllerWrapper::getMailboxValue(int32_t slot) const {
    return slot >= 0 && slot < kSlots ? mailbox[slot] : kMailboxEmpty;
}

void HRX_AAX_ControllerWrapper::takeMailbox(double out[kSlots]) {
    for (int32_t i = 0; i < kSlots; ++i)
        out[i] = mailbox[i];
    for (int32_t i = 12; i < kSlots; ++i)
        mailbox[i] = kMailboxEmpty;
    mailboxPending = false;
}
