#include "HRX_HVTN_2210_HRX_AAXWrapper_GUI.h"

#include "AAX_Errors.h"
#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IViewContainer.h"
#include "HRXPresetManager.h"
#include "HRX_AAX_ControllerWrapper.h"
#include "HRX_AAX_EditorWrapper.h"
#include "HRX_AAX_Identifiers.h"
#include "HRX_HVTN_2210_AAX_Parameters_Wrapper.h"
#include "HRXProduct.h"
#include "velvaTonEditor.h"

#include <cstring>

namespace {

// Custom meter taps carry the value plus 0.1, so a tap the render procedure
// never wrote (0.0) or marked as holding no value (1.2345679) stays apart.
constexpr float kMeterOffset = 0.1f;
constexpr float kMeterLowest = 0.1f;
constexpr float kMeterHighest = 1.1f;
constexpr double kNoStoredValue = -1.0;

}  // namespace

AAX_IEffectGUI* HRX_HVTN_2210_HRX_AAXWrapper_GUI::Create() {
    return new HRX_HVTN_2210_HRX_AAXWrapper_GUI();
}

HRX_HVTN_2210_HRX_AAXWrapper_GUI::HRX_HVTN_2210_HRX_AAXWrapper_GUI()
    : wrapper_(new HRX_AAX_EditorWrapper(&createVelvaTonEditor)) {
    std::memcpy(meterList_, product().meterParameterList, sizeof meterList_);
}

HRX_HVTN_2210_HRX_AAXWrapper_GUI::~HRX_HVTN_2210_HRX_AAXWrapper_GUI() {
    HRX_AAX_ControllerWrapper* controller = wrapper_->getController();
    if (controller && controller->getEditor() == wrapper_)
        controller->setEditor(nullptr);
    delete wrapper_;
}

void HRX_HVTN_2210_HRX_AAXWrapper_GUI::CreateViewContainer() {
    AAX_IViewContainer* container = GetViewContainer();
    if (!container)
        return;
    const int32_t type = container->GetType();
    if (type != AAX_eViewContainer_Type_HWND && type != AAX_eViewContainer_Type_NSView)
        return;
    parentWindow_ = container->GetPtr();
    // The parameters object the host handed over is this library's own.
    auto* parameters = dynamic_cast<HRX_HVTN_2210_AAX_Parameters_Wrapper*>(GetEffectParameters());
    HRX_AAX_ControllerWrapper* controller = parameters ? &parameters->getController() : nullptr;
    if (controller) {
        wrapper_->setController(controller);
        wrapper_->setProductController(controller->getParametersController());
        wrapper_->setPresetManager(controller->getPresetManager());
        controller->setEditor(wrapper_);
        // The window opens at this instance's zoom (restored with its state).
        if (HRXPresetManager* manager = controller->getPresetManager())
            wrapper_->applyZoom(manager->zoomPercent * 0.01);
    }
    wrapper_->setViewContainer(container);
    wrapper_->openInHostWindow(parentWindow_);
    if (!controller || controller->getEditor() != wrapper_)
        return;
    // Internal slots and meters the controller already holds a value for.
    for (int32_t slot = 12; slot < kParameterSlots; ++slot) {
        const double value = controller->getValue(slot);
        if (!(value == kNoStoredValue))
            wrapper_->notifyEditor(slot, value);
    }
}

void HRX_HVTN_2210_HRX_AAXWrapper_GUI::DeleteViewContainer() {
    wrapper_->close();
    wrapper_->setViewContainer(nullptr);
}

AAX_Result HRX_HVTN_2210_HRX_AAXWrapper_GUI::GetViewSize(AAX_Point* size) const {
    if (!size)
        return AAX_ERROR_NULL_OBJECT;
    const double* rect = wrapper_->getViewRect();
    double width = rect[2] - rect[0];
    double height = rect[3] - rect[1];
    if (width <= 0.0 || height <= 0.0) {
        const HRXRect frameRect = wrapper_->getFrameRect();
        width = frameRect.width();
        height = frameRect.height();
    }
    size->horz = static_cast<float>(width);
    size->vert = static_cast<float>(height);
    return AAX_SUCCESS;
}

AAX_Result HRX_HVTN_2210_HRX_AAXWrapper_GUI::TimerWakeup() {
    AAX_IController* controller = GetController();
    if (!controller)
        return AAX_SUCCESS;
    // A failed read leaves the previous value in place.
    float value = 0.0f;
    for (int32_t k = 0; k < kMeterListSize && meterList_[k] != -1; ++k) {
        controller->GetCurrentMeterValue(kHRX_MeterIDs[kHRX_FirstCustomMeter + k], &value);
        if (value >= kMeterLowest && value <= kMeterHighest)
            wrapper_->notifyEditor(meterList_[k], static_cast<double>(value + -kMeterOffset));
    }
    return AAX_SUCCESS;
}

AAX_Result HRX_HVTN_2210_HRX_AAXWrapper_GUI::ParameterUpdated(AAX_CParamID id) {
    AAX_IEffectParameters* parameters = GetEffectParameters();
    if (!id || !parameters)
        return AAX_SUCCESS;
    for (int32_t slot = 0; slot < kParameterSlots; ++slot) {
        if (std::strcmp(product().parameterIds[slot], id) != 0)
            continue;
        double value = 0.0;
        if (parameters->GetParameterNormalizedValue(id, &value) == AAX_SUCCESS)
            wrapper_->notifyEditor(slot, value);
    }
    return AAX_SUCCESS;
}
