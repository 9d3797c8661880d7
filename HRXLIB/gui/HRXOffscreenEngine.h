#pragma once

#include "HRXMasterGraphicalEngine.h"
#include "vstgui/ccontrol.h"

namespace VSTGUI {
class CFrame;
class OffscreenPlatformFrame;
}

namespace Brackenworks {

// A graphical engine over a frame without a window: the editor's views are
// drawn into an image at any zoom, and mouse, wheel and key input is injected
// through the platform frame. Used to draw the panel to a file and to drive
// it in tests. It is the control listener of every control it creates, and
// passes their changes to the editor's controlChanged.
class HRXOffscreenEngine : public HRXMasterGraphicalEngine, public VSTGUI::IControlListener {
public:
    explicit HRXOffscreenEngine(const HRXRect& editorRect);
    ~HRXOffscreenEngine() override;
    HRXOffscreenEngine(const HRXOffscreenEngine&) = delete;
    HRXOffscreenEngine& operator=(const HRXOffscreenEngine&) = delete;

    // The editor content this engine serves (not owned; close it before the
    // engine goes).
    void setEditor(HRXBaseEditor* editor) { editor_ = editor; }
    VSTGUI::CFrame* getFrame() const { return frame; }
    // The frame's offscreen window: render, read pixels, inject input.
    VSTGUI::OffscreenPlatformFrame* getWindow() const;
    // Clamps to 0.7..4.0 like the editor window; false for 0 or below.
    bool setZoom(double zoom);

    void setBackground(HRXBitmap* bitmap) override;
    void setBackgroundId(uint32_t resourceId) override;
    // Attaching an attached container, or detaching a detached one, does
    // nothing.
    void addView(HRXViewContainer* container) override;
    void removeView(HRXViewContainer* container) override;
    HRXViewContainer* createViewContainer(const HRXRect& rect) override;
    bool isAttached(HRXViewContainer* container) override;
    HRXBitmap* createBitmap(uint32_t resourceId, int32_t flag) override;
    HRXRect getScaledEditorSize() override;
    uint32_t getMouseButtons() override;
    void setKnobMode(int32_t mode) override;
    // No host behind this engine: edits go nowhere.
    void editParameter(int32_t index, double value) override;
    void setEditorSize(int32_t width, int32_t height) override;
    void setResizing(bool resizing) override;
    void refreshFrame() override;
    int64_t getUserValue() override;
    HRXBaseEditor* getEditor() override;
    void controlClicked(int32_t tag, uint32_t buttons) override;
    void idle() override;
    void notifyEditor(int32_t index, double value) override;
    void setPresetBarUserValue(int64_t value) override;
    void setUserValue(int64_t value) override;
    double getZoomFactor() override;

    // IControlListener
    void valueChanged(VSTGUI::CControl* control) override;

private:
    HRXRect editorRect;
    VSTGUI::CFrame* frame;
    HRXBaseEditor* editor_ = nullptr;
    int64_t userValue = 0;
};

}  // namespace Brackenworks
