#include "velvaTonEditorPicture.h"

#include "HRXOffscreenEngine.h"
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
    Brackenworks::HRXOffscreenEngine engine(kEditorRect);
    engine.setZoom(picture.zoomPercent / 100.0);
    velvaTonEditor editor(&engine, kEditorRect);
    engine.setEditor(&editor);
    editor.open();
    // The values arrive as the controller pushes them to a freshly opened
    // editor.
    for (int32_t index = 0; index < kPresetValues; ++index)
        editor.parameterChanged(index, picture.values[index]);
    // The needle shows the previous of the two latest values at once; report
    // the same value twice so it rests on it.
    editor.parameterChanged(kGainReduction, picture.gainReduction);
    editor.parameterChanged(kGainReduction, picture.gainReduction);
    editor.idle();
    if (picture.aboutBox)
        editor.parameterChanged(kMessageShowAbout, 1.0);

    VSTGUI::OffscreenPlatformFrame* window = engine.getWindow();
    bool written = false;
    if (!window || !window->render()) {
        error = "the panel could not be drawn";
    } else if (!window->writePNG(path.c_str())) {
        error = "cannot write '" + path + "'";
    } else {
        written = true;
    }
    editor.close();
    engine.setEditor(nullptr);
    return written;
}
