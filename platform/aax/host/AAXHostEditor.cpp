#include "AAXHostEditor.h"

#include "AAX_Errors.h"
#include "AAX_IEffectGUI.h"
#include "HRXTickCount.h"

AAXHostEditor::AAXHostEditor(AAX_IEffectGUI* gui) : mGUI(gui), mMouseDownResult(AAX_ERROR_UNIMPLEMENTED) {}

AAXHostEditor::~AAXHostEditor() {
    detach();
    mGUI->Uninitialize();
    delete mGUI;
}

AAX_Result AAXHostEditor::attach(uintptr_t window) {
    if (mAttached) detach();
    mWindow = window;
    mAttached = true;
    mLastTimer = getTickCount();
    return mGUI->SetViewContainer(this);
}

AAX_Result AAXHostEditor::detach() {
    if (!mAttached) return AAX_SUCCESS;
    mAttached = false;
    const AAX_Result result = mGUI->SetViewContainer(nullptr);
    mWindow = 0;
    return result;
}

AAX_Result AAXHostEditor::viewSize(AAX_Point* size) const {
    if (!size) return AAX_ERROR_NULL_OBJECT;
    return mGUI->GetViewSize(size);
}

void AAXHostEditor::idle() {
    if (!mAttached) return;
    mGUI->Idle();
    const uint32_t now = getTickCount();
    if (mAttached && now - mLastTimer >= kTimerPeriodMs) {
        mLastTimer = now;
        mGUI->TimerWakeup();
    }
}

AAX_Result AAXHostEditor::timerWakeup() { return mGUI->TimerWakeup(); }

AAX_Result AAXHostEditor::parameterUpdated(const std::string& id) { return mGUI->ParameterUpdated(id.c_str()); }

AAX_Result AAXHostEditor::SetViewSize(AAX_Point& size) {
    mRequestedSize = size;
    if (onViewSizeRequest) onViewSizeRequest(size);
    return AAX_SUCCESS;
}

AAX_Result AAXHostEditor::HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) {
    mMouseDowns.push_back(AAXHostMouseDown{id ? id : "", modifiers});
    return mMouseDownResult;
}
