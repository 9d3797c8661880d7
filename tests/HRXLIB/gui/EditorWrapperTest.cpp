// The editor wrappers without a product: the library-wide idle timer, the
// toolkit timer, and sizes requested while a resize is in progress.
#include <gtest/gtest.h>

#include "HRXBaseEditor.h"
#include "HRXRunLoop.h"
#include "HRXTickCount.h"
#include "HRXVSTGUIEditorWrapperV4_PresetBar.h"
#include "vstgui/cframe.h"
#include "vstgui/cvstguitimer.h"

namespace {

using Brackenworks::HRXVSTGUIEditorWrapperV4_PresetBar;

class CountingEditor : public HRXBaseEditor {
public:
    explicit CountingEditor(HRXMasterGraphicalEngine* engine) : HRXBaseEditor(engine, {0, 0, 400, 275}) {}
    void open() override {}
    void close() override {}
    void parameterChanged(int32_t, double) override {}
    void controlChanged(int32_t, double) override {}
    void idle() override { ++idles; }
    int idles = 0;
};

HRXBaseEditor* makeCountingEditor(HRXMasterGraphicalEngine* engine) {
    return new CountingEditor(engine);
}

int idlesOf(HRXVSTGUIEditorWrapperV4_PresetBar& window) {
    return static_cast<CountingEditor*>(window.getEditor())->idles;
}

class SteppedClock : public HRXTickSource {
public:
    uint32_t tickCount() override { return now; }
    uint32_t now = 1000;
};

// The library-wide timer is made with the first window, on the clock then
// installed: each test runs in a process of its own.
TEST(EditorWrapper, OneLibraryTimerRunsTheIdleOfEveryOpenWindow) {
    SteppedClock clock;
    setTickSource(&clock);
    {
        HRXVSTGUIEditorWrapperV4_PresetBar first(&makeCountingEditor);
        HRXVSTGUIEditorWrapperV4_PresetBar second(&makeCountingEditor);
        HRXVSTGUIEditorWrapperV4_PresetBar closed(&makeCountingEditor);
        ASSERT_TRUE(first.open(nullptr, VSTGUI::PlatformType::kOffscreen));
        ASSERT_TRUE(second.open(nullptr, VSTGUI::PlatformType::kOffscreen));
        clock.now += 32;
        HRXRunLoop::pump();
        EXPECT_EQ(0, idlesOf(first));
        clock.now += 1;
        HRXRunLoop::pump();
        EXPECT_EQ(1, idlesOf(first));
        EXPECT_EQ(1, idlesOf(second));
        EXPECT_EQ(0, idlesOf(closed)) << "a window that is not open has no idle work";
        second.close();
        clock.now += 33;
        HRXRunLoop::pump();
        EXPECT_EQ(2, idlesOf(first));
        EXPECT_EQ(1, idlesOf(second));
    }
    setTickSource(nullptr);
}

TEST(EditorWrapper, EachWindowAlsoIdlesOnItsOwn17MillisecondTimer) {
    HRXVSTGUIEditorWrapperV4_PresetBar window(&makeCountingEditor);
    ASSERT_TRUE(window.open(nullptr, VSTGUI::PlatformType::kOffscreen));
    VSTGUI::TimerPump::advanceBy(16);
    EXPECT_EQ(0, idlesOf(window));
    VSTGUI::TimerPump::advanceBy(1);
    EXPECT_EQ(1, idlesOf(window));
    VSTGUI::TimerPump::advanceBy(34);
    EXPECT_EQ(3, idlesOf(window));
}

TEST(EditorWrapper, SizeAskedDuringAResizeIsAppliedWhenItEnds) {
    HRXVSTGUIEditorWrapperV4_PresetBar window(&makeCountingEditor);
    ASSERT_TRUE(window.open(nullptr, VSTGUI::PlatformType::kOffscreen));
    window.applyZoom(1.0);
    window.setResizing(true);
    window.setEditorSize(420, 415);
    EXPECT_EQ(327.0, window.getFrame()->getViewSize().getHeight());
    window.setResizing(false);
    EXPECT_EQ(420.0, window.getFrame()->getViewSize().getWidth());
    EXPECT_EQ(467.0, window.getFrame()->getViewSize().getHeight());
    EXPECT_EQ((HRXRect{0, 0, 420, 467}.bottom), window.getFrameRect().bottom);
}

}  // namespace
