#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "HRXOffscreenEngine.h"
#include "HRXTickCount.h"
#include "velvaTonEditor.h"
#include "velvaTonEditorLayout.h"
#include "vstgui/cbuttonstate.h"
#include "vstgui/cframe.h"
#include "vstgui/offscreenframe.h"

// A graphical engine over the offscreen frame that records what the editor
// sends toward the host.
class RecordingEngine : public Brackenworks::HRXOffscreenEngine {
public:
    RecordingEngine() : HRXOffscreenEngine(kEditorRect) {}
    void editParameter(int32_t index, double value) override { edits.emplace_back(index, value); }
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
    EditorTest() : editor(&engine, kEditorRect)
    {
        setTickSource(&clock);
        engine.setEditor(&editor);
        editor.open();
    }

    ~EditorTest() override
    {
        editor.close();
        engine.setEditor(nullptr);
        setTickSource(nullptr);
    }

    VSTGUI::OffscreenPlatformFrame& window() { return *engine.getWindow(); }
    void click(double x, double y, int32_t buttons = VSTGUI::kLButton)
    {
        window().mouseDown({x, y}, buttons);
        window().mouseUp({x, y}, 0);
    }

    ManualClock clock;
    RecordingEngine engine;
    velvaTonEditor editor;
};
