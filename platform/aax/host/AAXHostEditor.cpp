#include "AAXHostEditor.h"

#include "AAX_Errors.h"
#include "AAX_IEffectGUI.h"
#include "HRXTickCount.h"

AAXHostEditor::AAXHostEditor(AAX_IEffectGUI* gui) : gUI_(gui), mouseDownResult_(AAX_ERROR_UNIMPLEMENTED) {}

AAXHostEditor::~AAXHostEditor() {
    detach();
    gUI_->Uninitialize();
    delete gUI_;
}

AAX_Result AAXHostEditor::attach(uintptr_t window) {
    if (attached_)
        detach();
    window_ = window;
    attached_ = true;
    lastTimer_ = getTickCount();
    return gUI_->SetViewContainer(this);
}

AAX_Result AAXHostEditor::detach() {
    if (!attached_)
        return AAX_SUCCESS;
    attached_ = false;
    const AAX_Result result = gUI_->SetViewContainer(nullptr);
    window_ = 0;
    return result;
}

AAX_Result AAXHostEditor::viewSize(AAX_Point* size) const {
    if (!size)
        return AAX_ERROR_NULL_OBJECT;
    return gUI_->GetViewSize(size);
}

void AAXHostEditor::idle() {
    if (!attached_)
        return;
    gUI_->Idle();
    const uint32_t now = getTickCount();
    if (attached_ && now - lastTimer_ >= kTimerPeriodMs) {
        lastTimer_ = now;
        gUI_->TimerWakeup();
    }
}

AAX_Result AAXHostEditor::timerWakeup() {
    return gUI_->TimerWakeup();
}

AAX_Result AAXHostEditor::parameterUpdated(const std::string& id) {
    return gUI_->ParameterUpdated(id.c_str());
}

AAX_Result AAXHostEditor::SetViewSize(AAX_Point& size) {
    requestedSize_ = size;
    if (onViewSizeRequest)
        onViewSizeRequest(size);
    return AAX_SUCCESS;
}

AAX_Result AAXHostEditor::HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) {
    mouseDowns_.push_back(AAXHostMouseDown{id ? id : "", modifiers});
    return mouseDownResult_;
}
