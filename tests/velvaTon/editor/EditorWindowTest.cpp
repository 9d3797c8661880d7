// The panel in the editor window: the strip above it, the zoom and its
// stored setting, and hover help.
#include <gtest/gtest.h>

#include "HRXGlobalSettings.h"
#include "HRXVSTGUIEditorWrapperV4_PresetBar.h"
#include "PresetTestSupport.h"
#include "velvaTonEditor.h"
#include "vstgui/cbuttonstate.h"
#include "vstgui/cviewcontainer.h"
#include "vstgui/offscreenframe.h"

namespace {

using Brackenworks::HRXVSTGUIEditorWrapperV4_PresetBar;

VSTGUI::CRect windowSize(const HRXVSTGUIEditorWrapperV4_PresetBar& window) {
    VSTGUI::CRect size;
    VSTGUI::OffscreenPlatformFrame::of(window.getFrame())->getSize(size);
    return size;
}

TEST(EditorWindow, ZoomScalesStripAndPanelToWholePixels) {
    HRXVSTGUIEditorWrapperV4_PresetBar window(&createVelvaTonEditor);
    ASSERT_TRUE(window.open(nullptr, VSTGUI::PlatformType::kOffscreen));
    EXPECT_EQ(VSTGUI::CRect(0, 0, 400, 327), windowSize(window));
    window.applyZoom(1.5);
    EXPECT_EQ(VSTGUI::CRect(0, 0, 600, 490), windowSize(window));
    EXPECT_DOUBLE_EQ(490.0, window.getFrameRect().bottom);
    // The content keeps its logical place below the strip.
    EXPECT_EQ(VSTGUI::CRect(0, 52, 400, 327), window.getContentContainer()->getViewSize());
    window.applyZoom(9.0);
    EXPECT_EQ(VSTGUI::CRect(0, 0, 1600, 1308), windowSize(window));
    window.applyZoom(0.001);  // unset: back to 100 %
    EXPECT_EQ(VSTGUI::CRect(0, 0, 400, 327), windowSize(window));
}

TEST(EditorWindow, StoredZoomOpensTheWindowAtItsLimitedPercent) {
    TemporaryUserHome home;
    const struct {
        double stored;
        int32_t percent;
        VSTGUI::CRect size;
    } cases[] = {{0.0, 100, {0, 0, 400, 327}}, {0.05, 70, {0, 0, 280, 228}}, {0.5, 400, {0, 0, 1600, 1308}}};
    for (const auto& c : cases) {
        HRXGlobalSettings::write(HRXGlobalSettings::kZoom, c.stored);
        HRXGlobalSettings::load();
        EXPECT_EQ(c.percent, HRXGlobalSettings::zoomPercent()) << c.stored;
        HRXVSTGUIEditorWrapperV4_PresetBar window(&createVelvaTonEditor);
        ASSERT_TRUE(window.open(nullptr, VSTGUI::PlatformType::kOffscreen));
        EXPECT_EQ(c.size, windowSize(window)) << c.stored;
    }
    HRXGlobalSettings::setZoomPercent(100);  // process-wide
}

class HoverHelpTest : public ::testing::Test {
protected:
    HoverHelpTest() {
        window_.open(nullptr, VSTGUI::PlatformType::kOffscreen);
        window_.applyZoom(1.0);  // window pixels are logical units
    }

    VSTGUI::OffscreenPlatformFrame& platform() { return *VSTGUI::OffscreenPlatformFrame::of(window_.getFrame()); }
    // A point of the panel, in window pixels below the strip.
    void moveTo(double x, double y, int32_t buttons = 0) { platform().mouseMove({x, y + 52}, buttons); }
    void ticks(int32_t count) {
        for (int32_t i = 0; i < count; ++i)
            window_.idle();
    }

    HRXVSTGUIEditorWrapperV4_PresetBar window_{&createVelvaTonEditor};
};

TEST_F(HoverHelpTest, RestingOnAKnobShowsItsTooltipAfterTheDelay) {
    moveTo(85, 200);  // Time knob
    ticks(1);         // arriving on a view starts the count
    ticks(46);
    EXPECT_FALSE(platform().isTooltipShown());
    ticks(1);
    ASSERT_TRUE(platform().isTooltipShown());
    EXPECT_EQ("Sets up the combined attack and release time", platform().getTooltipText());

    // One unit of jitter keeps it; two units hide it and restart the count.
    moveTo(86, 201);
    ticks(1);
    EXPECT_TRUE(platform().isTooltipShown());
    moveTo(88, 201);
    ticks(1);
    EXPECT_FALSE(platform().isTooltipShown());
    ticks(46);
    EXPECT_FALSE(platform().isTooltipShown());
    ticks(1);
    EXPECT_TRUE(platform().isTooltipShown());

    platform().mouseExit({500, 500});
    ticks(1);
    EXPECT_FALSE(platform().isTooltipShown());
}

TEST_F(HoverHelpTest, HeldButtonOrHintsOffNeverShowIt) {
    moveTo(85, 200, VSTGUI::kLButton);
    ticks(200);
    EXPECT_FALSE(platform().isTooltipShown());
    moveTo(85, 200);
    window_.setEngineHints(0);
    ticks(200);
    EXPECT_FALSE(platform().isTooltipShown());
}

}  // namespace
