#pragma once

#include "HRXViewContainer.h"
#include "CHRXViewContainer.h"

class HRXMasterGraphicalEngine;

namespace VSTGUI {
class IControlListener;
}

namespace Brackenworks {

// The engine-neutral handle of a toolkit view container. It holds one
// reference to the container; adding a control creates the control's
// companion, which the container then owns.
class CHRXViewContainerWrapper : public HRXViewContainer {
public:
    // listener hears every value change of the controls added here; engine
    // hears their clicks.
    CHRXViewContainerWrapper(const HRXRect& rect, VSTGUI::IControlListener* listener, HRXMasterGraphicalEngine* engine);
    ~CHRXViewContainerWrapper() override;
    CHRXViewContainerWrapper(const CHRXViewContainerWrapper&) = delete;
    CHRXViewContainerWrapper& operator=(const CHRXViewContainerWrapper&) = delete;

    CHRXViewContainer* getContainer() const { return container_; }

    void setViewSize(const HRXRect& rect) override;
    HRXRect getRect() const override;
    void setBackground(HRXBitmap* bitmap) override;
    void setBackgroundId(uint32_t resourceId) override;
    void setBackgroundColour(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) override;
    bool addControl(HRXBaseControl* control) override;
    void removeControl(HRXBaseControl* control) override;

private:
    CHRXViewContainer* container_;
    VSTGUI::IControlListener* listener_;
    HRXMasterGraphicalEngine* engine_;
};

}  // namespace Brackenworks
