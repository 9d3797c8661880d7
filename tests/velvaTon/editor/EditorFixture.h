#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "HRXFrame.h"
#include "HRXVSTGUIEditorWrapperV1.h"
#include "HRXTickCount.h"
#include "velvaTonEditor.h"
#include "velvaTonEditorLayout.h"
#include "vstgui/cbuttonstate.h"
#include "vstgui/cframe.h"
#include "vstgui/offscreenframe.h"

// The editor window without a strip or a host, offscreen, recording what
// the editor sends toward the host.
class RecordingEngine : public Brackenworks::HRXVSTGUIEditorWrapperV1 {
public:
    RecordingEngine() : HRXVSTGUIEditorWrapperV1(&createVelvaTonEditor) {}
    void editParameter(int32_t index, double value) override { edits.emplace_back(index, value); }
    bool setZoom(double zoom) { return getHRXFrame()->setZoomFactor(zoom); }
    VSTGUI::OffscreenPlatformFrame* getWindow() const { return VSTGUI::OffscreenPlatformFrame::of(getFrame()); }
    std::vector<std::pair<int32_t, double>> edits;
};

// A clock the test steps by hand.
class ManualClock : public HRXTickSource {
public:
    uint32_t tickCount() override { return now; }
    uint32_t now = 0;
};

// The panel opened on the offscreen frame at zoom 1.
class EditorTest : public ::testing::Test {
protected:
    EditorTest()
        : opened_((setTickSource(&clock_), engine_.open(nullptr, VSTGUI::PlatformType::kOffscreen))),
          editor_(*static_cast<velvaTonEditor*>(engine_.getEditor())) {}

    ~EditorTest() override {
        engine_.close();
        setTickSource(nullptr);
    }

    VSTGUI::OffscreenPlatformFrame& window() { return *engine_.getWindow(); }
    void click(double x, double y, int32_t buttons = VSTGUI::kLButton) {
        window().mouseDown({x, y}, buttons);
        window().mouseUp({x, y}, 0);
    }

    ManualClock clock_;
    RecordingEngine engine_;
    bool opened_;
    velvaTonEditor& editor_;
};
