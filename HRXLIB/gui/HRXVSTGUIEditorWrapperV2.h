#pragma once

#include "HRXVSTGUIEditorWrapperV1.h"

namespace Brackenworks {

// The editor window with the preset bar's strip above the editor content:
// ticks every 17 ms, joins the library-wide list of open editors while open
// (whose 33 ms idle timer it starts), and keeps the window rectangle it
// reports to the host together with the size limits for host proposals.
class HRXVSTGUIEditorWrapperV2 : public HRXVSTGUIEditorWrapperV1 {
public:
    static constexpr int32_t kPresetBarHeight = 52;
    static constexpr uint32_t kTimerPeriod = 17;

    explicit HRXVSTGUIEditorWrapperV2(HRXEditorFactory createEditor);
    ~HRXVSTGUIEditorWrapperV2() override;

    bool open(void* parent, VSTGUI::PlatformType platform) override;
    void close() override;
    void setEditorSize(int32_t width, int32_t height) override;

    // The window rectangle in pixels: (0, 0, 400, 327) until the window
    // opens, then the native window's extent.
    HRXRect getFrameRect() const;
    double getMinimumWidth() const { return minimumWidth_; }
    double getMinimumHeight() const { return minimumHeight_; }
    double getMaximumWidth() const { return maximumWidth_; }
    double getMaximumHeight() const { return maximumHeight_; }

protected:
    double presetBarHeight() const override { return kPresetBarHeight; }

private:
    void updateFrameRect();

    int32_t frameLeft_ = 0;
    int32_t frameTop_ = 0;
    int32_t frameRight_ = 0;
    int32_t frameBottom_ = 0;
    double minimumWidth_ = 0.0;
    double minimumHeight_ = 0.0;
    double maximumWidth_ = 0.0;
    double maximumHeight_ = 0.0;
};

}  // namespace Brackenworks
