#pragma once

#include "HRXHoverHelp.h"
#include "HRXMasterGraphicalEngine.h"
#include "vstgui/ccontrol.h"
#include "vstgui/platformframe.h"
#include "vstgui/vstguieditor.h"

namespace VSTGUI {
class CVSTGUITimer;
class CViewContainer;
}  // namespace VSTGUI

namespace Brackenworks {

class HRXFrame;

// Makes the editor content that a wrapper shows (the wrapper owns it).
using HRXEditorFactory = HRXBaseEditor* (*)(HRXMasterGraphicalEngine* engine);

// The graphical engine over the drawing toolkit: owns the editor content,
// builds the frame in a native window (or offscreen) when the window opens,
// hears every control's value changes, and runs the idle work (the content's
// idle, hover help, hints hand-over) on its timer. Its frame and the content
// container both cover the editor's rectangle; the wrappers derived from it
// add a strip above.
class HRXVSTGUIEditorWrapperV1 : public Steinberg::Vst::VSTGUIEditor,
                                 public HRXMasterGraphicalEngine,
                                 public VSTGUI::IControlListener {
public:
    static constexpr uint32_t kInitialTimerPeriod = 100;
    static constexpr int32_t kFrameRefreshTicks = 100;
    static constexpr uint8_t kFrameBackground = 30;

    explicit HRXVSTGUIEditorWrapperV1(HRXEditorFactory createEditor);
    ~HRXVSTGUIEditorWrapperV1() override;
    HRXVSTGUIEditorWrapperV1(const HRXVSTGUIEditorWrapperV1&) = delete;
    HRXVSTGUIEditorWrapperV1& operator=(const HRXVSTGUIEditorWrapperV1&) = delete;

    // Builds the frame in the parent window (an X11 window id for the X11
    // platform, null offscreen) and opens the editor content in it. False
    // without editor content or when the platform window cannot be made.
    virtual bool open(void* parent, VSTGUI::PlatformType platform);
    // Closes the content and releases the frame with every view in it.
    virtual void close();
    bool isOpen() const { return frame_ != nullptr; }

    HRXFrame* getHRXFrame() const;
    VSTGUI::CViewContainer* getContentContainer() const { return content_; }
    const HRXHoverHelp& getHoverHelp() const { return hoverHelp_; }
    // The hints state this editor last acted on (0 or 1).
    int32_t getEngineHints() const { return engineHints_; }
    void setEngineHints(int32_t hints) { engineHints_ = hints; }

    void setBackground(HRXBitmap* bitmap) override;
    void setBackgroundId(uint32_t resourceId) override;
    void addView(HRXViewContainer* container) override;
    void removeView(HRXViewContainer* container) override;
    HRXViewContainer* createViewContainer(const HRXRect& rect) override;
    bool isAttached(HRXViewContainer* container) override;
    HRXBitmap* createBitmap(uint32_t resourceId, int32_t flag) override;
    HRXRect getScaledEditorSize() override;
    uint32_t getMouseButtons() override;
    void setKnobMode(int32_t mode) override;
    // No host behind this wrapper: edits go nowhere.
    void editParameter(int32_t index, double value) override;
    void setEditorSize(int32_t width, int32_t height) override;
    void setResizing(bool resizing) override;
    void refreshFrame() override;
    int64_t getUserValue() override;
    HRXBaseEditor* getEditor() override;
    int32_t controlClicked(int32_t tag, uint32_t buttons) override;
    void idle() override;
    void notifyEditor(int32_t index, double value) override;
    void setPresetBarUserValue(int64_t value) override;
    void setUserValue(int64_t value) override;
    double getZoomFactor() override;

    // IControlListener
    void valueChanged(VSTGUI::CControl* control) override;

protected:
    // Height of the strip above the editor content, in logical units.
    virtual double presetBarHeight() const { return 0.0; }

    HRXBaseEditor* editor_;
    VSTGUI::CVSTGUITimer* timer_;

private:
    void applyEditorSize(int32_t width, int32_t height);

    VSTGUI::CViewContainer* content_ = nullptr;
    HRXHoverHelp hoverHelp_;
    int32_t engineHints_ = 1;
    bool resizing_ = false;
    bool sizePending_ = false;
    int32_t pendingWidth_ = 0;
    int32_t pendingHeight_ = 0;
    int32_t refreshCountdown_ = kFrameRefreshTicks;
    int64_t userValue_ = 0;
};

}  // namespace Brackenworks
