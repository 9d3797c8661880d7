#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "AAX.h"
#include "AAX_GUITypes.h"
#include "AAX_IViewContainer.h"

class AAX_IEffectGUI;

// A mouse-down the plug-in handed to the host for a parameter's control.
struct AAXHostMouseDown {
    std::string id;
    uint32_t modifiers;
};

// The plug-in's editor object of one instance as the host holds it, with the
// view container over the host's window. Main thread only; made and deleted
// by AAXHostInstance (before the instance's parameters object goes).
class AAXHostEditor final : public AAX_IViewContainer {
public:
    // The rate of TimerWakeup while the view is attached.
    static constexpr uint32_t kTimerPeriodMs = 30;

    AAXHostEditor(AAX_IEffectGUI* gui);
    ~AAXHostEditor();
    AAXHostEditor(const AAXHostEditor&) = delete;
    AAXHostEditor& operator=(const AAXHostEditor&) = delete;

    // Puts the plug-in's view into a native window (an X11 window id).
    AAX_Result attach(uintptr_t window);
    // Takes the view out of the window; the editor object stays.
    AAX_Result detach();
    bool isAttached() const { return attached_; }

    AAX_Result viewSize(AAX_Point* size) const;
    // The host's idle while the view is attached: the plug-in's own window
    // events and timers (Idle), and TimerWakeup every kTimerPeriodMs of the
    // platform tick count.
    void idle();
    AAX_Result timerWakeup();
    AAX_Result parameterUpdated(const std::string& id);

    // The plug-in's requests through the view container.
    std::function<void(const AAX_Point& size)> onViewSizeRequest;
    const AAX_Point& requestedViewSize() const { return requestedSize_; }
    const std::vector<AAXHostMouseDown>& mouseDowns() const { return mouseDowns_; }
    // What the host answers a parameter mouse-down (default: not handled).
    void setMouseDownResult(AAX_Result result) { mouseDownResult_ = result; }

    AAX_IEffectGUI* gui() const { return gUI_; }

    // AAX_IViewContainer
    int32_t GetType() override { return AAX_eViewContainer_Type_HWND; }
    void* GetPtr() override { return reinterpret_cast<void*>(window_); }
    AAX_Result SetViewSize(AAX_Point& size) override;
    AAX_Result HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) override;

private:
    AAX_IEffectGUI* gUI_;
    uintptr_t window_ = 0;
    bool attached_ = false;
    uint32_t lastTimer_ = 0;
    AAX_Point requestedSize_;
    std::vector<AAXHostMouseDown> mouseDowns_;
    AAX_Result mouseDownResult_;
};
