#pragma once

#include "CHRXViewContainer.h"
#include "HRXMasterPresetBar.h"
#include "HRXVSTGUIEditorWrapperV2.h"

namespace Brackenworks {

// The editor window as the host shows it: the strip above the editor
// content belongs to the preset bar, and the whole window (strip and
// content alike) is zoomed by one factor. It hosts the preset bar: builds it
// when the window opens, lays it out with the editor's size, passes it every
// notification and idle tick, and carries its controls' changes to it.
class HRXVSTGUIEditorWrapperV4_PresetBar : public HRXVSTGUIEditorWrapperV2, public HRXPresetBarHost {
public:
    explicit HRXVSTGUIEditorWrapperV4_PresetBar(HRXEditorFactory createEditor);
    ~HRXVSTGUIEditorWrapperV4_PresetBar() override;

    // Opens at the current zoom factor: the native window is the editor and
    // strip times the zoom, truncated to whole pixels.
    bool open(void* parent, VSTGUI::PlatformType platform) override;
    void close() override;
    void setEditorSize(int32_t width, int32_t height) override;
    double getZoomFactor() override { return zoom_; }
    void notifyEditor(int32_t index, double value) override;
    void idle() override;

    // Zooms the window as the preset bar's zoom controls do: the factor is
    // limited (0.01 or less means 1.0, then 0.7 .. 4.0), the frame scales and
    // the native window follows. Remembered for the next opening while closed.
    void applyZoom(double factor);

    // The strip above the editor content that holds the preset bar.
    CHRXViewContainer* getPresetBarStrip() const { return strip_; }

    // Takes ownership of the bar (null: an empty strip). A window already
    // open rebuilds its bar at once.
    void setPresetBar(HRXMasterPresetBar* bar);
    HRXMasterPresetBar* getPresetBar() const { return presetBar_; }
    // The format named by the configuration menu's version line ("aax").
    void setFormatName(const char* name) { formatName_ = name ? name : ""; }

    // HRXPresetBarHost
    HRXMasterGraphicalEngine* getEngine() override { return this; }
    HRXViewContainer* createPresetBarContainer(const HRXRect& rect) override;
    void setModalContainer(HRXViewContainer* container) override;
    void zoomEditor(double factor) override { applyZoom(factor); }
    void showHints(int32_t hints) override { setEngineHints(hints); }
    const char* getFormatName() override { return formatName_; }

private:
    // Hears the controls of the bar's containers while the bar is open.
    class BarListener : public VSTGUI::IControlListener {
    public:
        explicit BarListener(HRXVSTGUIEditorWrapperV4_PresetBar& owner) : owner_(owner) {}
        void valueChanged(VSTGUI::CControl* control) override;

    private:
        HRXVSTGUIEditorWrapperV4_PresetBar& owner_;
    };

    void openPresetBar();
    void closePresetBar();

    double zoom_;
    CHRXViewContainer* strip_ = nullptr;
    HRXMasterPresetBar* presetBar_ = nullptr;
    bool presetBarOpen_ = false;
    BarListener barListener_{*this};
    const char* formatName_ = "";
};

}  // namespace Brackenworks
