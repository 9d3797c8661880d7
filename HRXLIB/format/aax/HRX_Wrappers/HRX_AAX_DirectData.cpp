#include "HRX_AAX_DirectData.h"

#include "AAX_Errors.h"
#include "AAX_IController.h"
#include "AAX_IPrivateDataAccess.h"
#include "HRX_AAX_RenderState.h"
#include "HRX_HVTN_2210_AAX_Parameters_Wrapper.h"

namespace {
constexpr double kEmpty = HRX_AAX_ControllerWrapper::kMailboxEmpty;
}

AAX_IEffectDirectData* HRX_AAX_DirectData::Create() {
    return new HRX_AAX_DirectData();
}

HRX_AAX_DirectData::HRX_AAX_DirectData() {
    for (double& value : pending_)
        value = kEmpty;
}

AAX_Result HRX_AAX_DirectData::TimerWakeup_PrivateDataAccess(AAX_IPrivateDataAccess* access) {
    if (Controller()) {
        const AAX_Result result = reportLatency(*access);
        if (result != AAX_SUCCESS)
            return result;
    }
    auto* parameters = dynamic_cast<HRX_HVTN_2210_AAX_Parameters_Wrapper*>(EffectParameters());
    if (parameters && parameters->getController().isMailboxPending())
        return deliverMailbox(*access, parameters->getController());
    return AAX_SUCCESS;
}

AAX_Result HRX_AAX_DirectData::reportLatency(AAX_IPrivateDataAccess& access) {
    int32_t hostLatency = 0;
    Controller()->GetSignalLatency(&hostLatency);
    const AAX_Result result = access.ReadPortDirect(kField_Latency, 0, sizeof latency_, &latency_);
    if (result != AAX_SUCCESS)
        return result;
    if (latency_ >= 0 && latency_ != hostLatency)
        Controller()->SetSignalLatency(latency_);
    return AAX_SUCCESS;
}

AAX_Result HRX_AAX_DirectData::deliverMailbox(AAX_IPrivateDataAccess& access, HRX_AAX_ControllerWrapper& controller) {
    controller.takeMailbox(pending_);

    // Each waiting value is written into its own mailbox entry and nothing
    // else: the entries of slots 0..11 and the time information belong to
    // the render procedure, which also empties the mailbox entries it takes,
    // so writing back a copy read earlier would undo its work. The host
    // delivers the writes between two render calls.
    const uint32_t valuesOffset = HRX_AAX_RenderCache::valuesOffset();
    AAX_Result result = AAX_SUCCESS;
    for (int32_t slot = kPresetValues; slot < kParameterSlots; ++slot) {
        if (pending_[slot] == kEmpty)
            continue;
        const float value = static_cast<float>(pending_[slot]);
        const auto offset = static_cast<uint32_t>(valuesOffset + sizeof(float) * static_cast<uint32_t>(slot));
        pending_[slot] = kEmpty;
        const AAX_Result written = access.WritePortDirect(kField_RenderCache, offset, sizeof value, &value);
        if (written != AAX_SUCCESS && result == AAX_SUCCESS)
            result = written;
    }
    return result;
}
