#pragma once

#include "CHRXViewContainer.h"
#include "HRXVSTGUIEditorWrapperV2.h"

namespace Brackenworks {

// The editor window as the host shows it: the strip above the editor
// content belongs to the preset bar, and the whole window (strip and
// content alike) is zoomed by one factor.
class HRXVSTGUIEditorWrapperV4_PresetBar : public HRXVSTGUIEditorWrapperV2 {
public:
    explicit HRXVSTGUIEditorWrapperV4_PresetBar(HRXEditorFactory createEditor);

    // Opens at the current zoom factor: the native window is the editor and
    // strip times the zoom, truncated to whole pixels.
    bool open(void* parent, VSTGUI::PlatformType platform) override;
    void close() override;
    void setEditorSize(int32_t width, int32_t height) override;
    double getZoomFactor() override { return zoom; }

    // Zooms the window as the preset bar's zoom controls do: the factor is
    // limited (0.01 or less means 1.0, then 0.7 .. 4.0), the frame scales and
    // the native window follows. Remembered for the next opening while closed.
    void applyZoom(double factor);

    // The strip above the editor content that holds the preset bar.
    CHRXViewContainer* getPresetBarStrip() const { return strip; }

private:
    double zoom;
    CHRXViewContainer* strip = nullptr;
};

}  // namespace Brackenworks
