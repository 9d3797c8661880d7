#include "velvaTonEditorPicture.h"

#include "HRXVSTGUIEditorWrapperV4_PresetBar.h"
#include "velvaTonEditor.h"
#include "velvaTonEditorLayout.h"
#include "vstgui/offscreenframe.h"

velvaTonEditorPicture::velvaTonEditorPicture()
{
    for (int32_t i = 0; i < kPresetValues; ++i)
        values[i] = getParameterDefault(i);
}

bool writeEditorPicture(const velvaTonEditorPicture& picture, const std::string& path, std::string& error)
{
    if (picture.zoomPercent < kMinimumZoomPercent || picture.zoomPercent > kMaximumZoomPercent) {
        error = "zoom must be 70 to 400 percent";
        return false;
    }
    Brackenworks::HRXVSTGUIEditorWrapperV4_PresetBar wrapper(&createVelvaTonEditor);
    if (!wrapper.open(nullptr, VSTGUI::PlatformType::kOffscreen)) {
        error = "the panel could not be drawn";
        return false;
    }
    wrapper.applyZoom(picture.zoomPercent / 100.0);
    // The values arrive as the controller pushes them to a freshly opened
    // editor.
    for (int32_t index = 0; index < kPresetValues; ++index)
        wrapper.notifyEditor(index, picture.values[index]);
    // The needle shows the previous of the two latest values at once; report
    // the same value twice so it rests on it.
    wrapper.notifyEditor(kGainReduction, picture.gainReduction);
    wrapper.notifyEditor(kGainReduction, picture.gainReduction);
    wrapper.getEditor()->idle();
    if (picture.aboutBox)
        wrapper.notifyEditor(kMessageShowAbout, 1.0);

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
