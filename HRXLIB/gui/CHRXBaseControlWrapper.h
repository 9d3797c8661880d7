#pragma once

#include "CHRXCompanion.h"
#include "HRXEngineView.h"
#include "vstgui/ccontrol.h"

class HRXBaseControl;
class HRXMasterGraphicalEngine;

namespace Brackenworks {

// The toolkit companion of an engine-neutral control: a toolkit control that
// draws it, hands it the mouse and wheel, and relays its value changes to the
// toolkit listener. The companion owns the control: destroying the companion
// (with its container or the frame) deletes the control.
class CHRXBaseControlWrapper : public VSTGUI::CControl, public CHRXCompanion {
public:
    // Links itself to the control and takes its tag, value and tooltip.
    // engine (may be null) hears of every mouse-down the control reports.
    CHRXBaseControlWrapper(HRXBaseControl* control, VSTGUI::IControlListener* listener,
                           HRXMasterGraphicalEngine* engine);
    ~CHRXBaseControlWrapper() override;

    HRXBaseControl* getControl() const override { return control_; }

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    bool onWheel(const VSTGUI::CPoint& where, const float& distance, const VSTGUI::CButtonState& buttons) override;

private:
    // The companion as the control sees it.
    class EngineView : public HRXEngineView {
    public:
        explicit EngineView(CHRXBaseControlWrapper& owner) : owner_(owner) {}
        void redraw() override;
        void reportValue() override;
        void setTooltipText(const char* text) override;
        void setValue(double value) override;
        void setViewSize(const HRXRect& rect) override;
        void setTag(int32_t tag) override;

    private:
        CHRXBaseControlWrapper& owner_;
    };

    HRXBaseControl* control_;
    HRXMasterGraphicalEngine* engine_;
    EngineView engineView_;
};

}  // namespace Brackenworks
