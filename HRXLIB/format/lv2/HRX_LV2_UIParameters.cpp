#include "HRXProduct.h"
#include "HRX_LV2_UIParameters.h"

#include "HRXMasterEditorLink.h"
#include "HRX_AAX_ControllerWrapper.h"
#include "HRX_LV2_Ports.h"

HRX_LV2_UIParameters::HRX_LV2_UIParameters(const HRX_LV2_Product& product, LV2UI_Write_Function write,
                                           LV2UI_Controller host, const LV2UI_Touch* touch)
    : product(product), write(write), host(host), touch(touch) {}

int32_t HRX_LV2_UIParameters::controlOf(const char* identifier) const {
    if (!identifier)
        return -1;
    const int32_t control = HRX_LV2_ControlOfSlot(product, ::product().findParameterIndex(identifier));
    return control < kMaxControls ? control : -1;
}

void HRX_LV2_UIParameters::show(int32_t control) {
    if (editor && known[control])
        editor->notifyEditor(product.controls[control].slot,
                             static_cast<double>(HRX_LV2_Normalised(product.controls[control], portValues[control])));
}

void HRX_LV2_UIParameters::portChanged(int32_t control, float portValue) {
    if (control < 0 || control >= product.controlCount || control >= kMaxControls)
        return;
    portValues[control] = portValue;
    known[control] = true;
    show(control);
}

void HRX_LV2_UIParameters::showPorts() {
    for (int32_t control = 0; control < product.controlCount && control < kMaxControls; ++control)
        show(control);
}

void HRX_LV2_UIParameters::touchParameter(const char* identifier) {
    const int32_t control = controlOf(identifier);
    if (control >= 0)
        touched[control] = true;  // the gesture reaches the host with its first write
}

void HRX_LV2_UIParameters::setParameterNormalizedValue(const char* identifier, double value) {
    const int32_t control = controlOf(identifier);
    if (control < 0 || muted || !write)
        return;
    const float portValue = HRX_LV2_PortValue(product.controls[control], value);
    if (known[control] && portValues[control] == portValue)
        return;
    if (touched[control] && !grabbed[control] && touch) {
        touch->touch(touch->handle, static_cast<uint32_t>(control), true);
        grabbed[control] = true;
    }
    write(host, static_cast<uint32_t>(control), sizeof portValue, 0, &portValue);
    portValues[control] = portValue;
    known[control] = true;
    edits.emplace_back(control, value);
}

void HRX_LV2_UIParameters::releaseParameter(const char* identifier) {
    const int32_t control = controlOf(identifier);
    if (control < 0)
        return;
    if (grabbed[control] && touch)
        touch->touch(touch->handle, static_cast<uint32_t>(control), false);
    grabbed[control] = false;
    touched[control] = false;
}

void HRX_LV2_UIParameters::answerEdits() {
    std::vector<std::pair<int32_t, double>> answered;
    answered.swap(edits);
    for (const auto& [control, value] : answered) {
        show(control);
        if (controller)
            controller->hostEcho(product.controls[control].slot, value);
    }
}
