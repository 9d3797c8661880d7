#pragma once

#include "vstgui/cviewcontainer.h"

namespace Brackenworks {

// A view container of the editor. Containers of the preset bar are marked
// so the editor wrapper attaches them to the frame itself, above the strip,
// rather than to the editor's content area.
class CHRXViewContainer : public VSTGUI::CViewContainer {
public:
    explicit CHRXViewContainer(const VSTGUI::CRect& size) : VSTGUI::CViewContainer(size) {}

    void setPresetBarContainer(bool isPresetBar) { presetBar_ = isPresetBar; }
    bool isPresetBarContainer() const { return presetBar_; }

private:
    bool presetBar_ = false;
};

}  // namespace Brackenworks
