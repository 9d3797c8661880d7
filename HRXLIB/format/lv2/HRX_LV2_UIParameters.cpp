#include "HRXProduct.h"
#include "HRX_LV2_UIParameters.h"

#include "HRXMasterEditorLink.h"
#include "HRX_AAX_ControllerWrapper.h"
#include "HRX_LV2_Ports.h"

HRX_LV2_UIParameters::HRX_LV2_UIParameters(const HRX_LV2_Product& product, LV2UI_Write_Function write,
                                           LV2UI_Controller host, const LV2UI_Touch* touch)
    : product_(product), write_(write), host_(host), touch_(touch) {}

int32_t HRX_LV2_UIParameters::controlOf(const char* identifier) const {
    if (!identifier)
        return -1;
    const int32_t control = HRX_LV2_ControlOfSlot(product_, ::product().findParameterIndex(identifier));
    return control < kMaxControls ? control : -1;
}

void HRX_LV2_UIParameters::show(int32_t control) {
    if (editor_ && known_[control])
        editor_->notifyEditor(product_.controls[control].slot, static_cast<double>(HRX_LV2_Normalised(
                                                                   product_.controls[control], portValues_[control])));
}

void HRX_LV2_UIParameters::portChanged(int32_t control, float portValue) {
    if (control < 0 || control >= product_.controlCount || control >= kMaxControls)
        return;
    portValues_[control] = portValue;
    known_[control] = true;
    show(control);
}

void HRX_LV2_UIParameters::showPorts() {
    for (int32_t control = 0; control < product_.controlCount && control < kMaxControls; ++control)
        show(control);
}

void HRX_LV2_UIParameters::touchParameter(const char* identifier) {
    const int32_t control = controlOf(identifier);
    if (control >= 0)
        touched_[control] = true;  // the gesture reaches the host with its first write
}

void HRX_LV2_UIParameters::setParameterNormalizedValue(const char* identifier, double value) {
    const int32_t control = controlOf(identifier);
    if (control < 0 || muted_ || !write_)
        return;
    const float portValue = HRX_LV2_PortValue(product_.controls[control], value);
    if (known_[control] && portValues_[control] == portValue)
        return;
    if (touched_[control] && !grabbed_[control] && touch_) {
        touch_->touch(touch_->handle, static_cast<uint32_t>(control), true);
        grabbed_[control] = true;
    }
    write_(host_, static_cast<uint32_t>(control), sizeof portValue, 0, &portValue);
    portValues_[control] = portValue;
    known_[control] = true;
    edits_.emplace_back(control, value);
}

void HRX_LV2_UIParameters::releaseParameter(const char* identifier) {
    const int32_t control = controlOf(identifier);
    if (control < 0)
        return;
    if (grabbed_[control] && touch_)
        touch_->touch(touch_->handle, static_cast<uint32_t>(control), false);
    grabbed_[control] = false;
    touched_[control] = false;
}

void HRX_LV2_UIParameters::answerEdits() {
    std::vector<std::pair<int32_t, double>> answered;
    answered.swap(edits_);
    for (const auto& [control, value] : answered) {
        show(control);
        if (controller_)
            controller_->hostEcho(product_.controls[control].slot, value);
    }
}
