#include "velvaTonEditorPicture.h"

#include "HRXPresetBarEditor.h"
#include "HRXPresetManager.h"
#include "HRXVSTGUIEditorWrapperV4_PresetBar.h"
#include "PresetBarTags.h"
#include "velvaTonEditor.h"
#include "velvaTonEditorLayout.h"
#include "vstgui/offscreenframe.h"

namespace {

// The window with no host behind it: messages come straight back to the
// window, as the instance's controller returns them.
class PictureWindow : public Brackenworks::HRXVSTGUIEditorWrapperV4_PresetBar {
public:
    PictureWindow() : HRXVSTGUIEditorWrapperV4_PresetBar(&createVelvaTonEditor) { setFormatName("aax"); }
    void editParameter(int32_t index, double value) override {
        if (index >= kParameterSlots)
            notifyEditor(index, value);
    }
};

}  // namespace

velvaTonEditorPicture::velvaTonEditorPicture() {
    for (int32_t i = 0; i < kPresetValues; ++i)
        values[i] = getParameterDefault(i);
}

bool writeEditorPicture(const velvaTonEditorPicture& picture, const std::string& path, std::string& error) {
    if (picture.zoomPercent < kMinimumZoomPercent || picture.zoomPercent > kMaximumZoomPercent) {
        error = "zoom must be 70 to 400 percent";
        return false;
    }
    // The instance's presets; it outlives the window that shows them.
    HRXPresetManager manager(nullptr);
    PictureWindow wrapper;
    auto* bar = new HRXPresetBarEditor(&manager);
    wrapper.setPresetBar(bar);
    if (!wrapper.open(nullptr, VSTGUI::PlatformType::kOffscreen)) {
        error = "the panel could not be drawn";
        return false;
    }
    wrapper.applyZoom(picture.zoomPercent / 100.0);
    // The values arrive as the controller pushes them to a freshly opened
    // editor; the manager records them as edits.
    for (int32_t index = 0; index < kPresetValues; ++index) {
        if (getParameterFlags(index) & kFlagUndoableEdit)
            manager.onParameterEdited(index, picture.values[index]);
        wrapper.notifyEditor(index, picture.values[index]);
    }
    // The needle shows the previous of the two latest values at once; report
    // the same value twice so it rests on it.
    wrapper.notifyEditor(kGainReduction, picture.gainReduction);
    wrapper.notifyEditor(kGainReduction, picture.gainReduction);
    wrapper.getEditor()->idle();
    bar->idle();
    if (picture.aboutBox)
        wrapper.notifyEditor(kMessageShowAbout, 1.0);
    switch (picture.popup) {
    case velvaTonEditorPicture::Popup::None: break;
    case velvaTonEditorPicture::Popup::PresetMenu: bar->controlChanged(kTagName, 1.0); break;
    case velvaTonEditorPicture::Popup::ConfigMenu: bar->controlChanged(kTagConfig, 1.0); break;
    case velvaTonEditorPicture::Popup::SavePanel: bar->controlChanged(kTagSave, 1.0); break;
    }

    VSTGUI::OffscreenPlatformFrame* window = VSTGUI::OffscreenPlatformFrame::of(wrapper.getFrame());
    bool written = false;
    if (!window || !window->render()) {
        error = "the panel could not be drawn";
    } else if (!window->writePNG(path.c_str())) {
        error = "cannot write '" + path + "'";
    } else {
        written = true;
    }
    return written;
}
