#pragma once

#include "cframe.h"

namespace Steinberg {
namespace Vst {

// The toolkit's editor base: the object that owns a frame while its window
// is open and that the frame reports to.
class VSTGUIEditor : public VSTGUI::VSTGUIEditorInterface {
public:
    VSTGUI::CFrame* getFrame() const override { return frame_; }

protected:
    VSTGUI::CFrame* frame_ = nullptr;
};

}  // namespace Vst
}  // namespace Steinberg
