#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "HRXBaseEditor.h"
#include "HRXVSTGUIEditorWrapperV1.h"
#include "HRXViewContainer.h"
#include "vstgui/cbuttonstate.h"
#include "vstgui/offscreenframe.h"

// Controls on an offscreen frame at zoom 1 (window coordinates = logical
// units), driven by injected mouse and wheel events. Every value a control
// reports to the toolkit listener is recorded as (tag, value).
class ControlKitTest : public ::testing::Test {
protected:
    class RecordingEditor : public HRXBaseEditor {
    public:
        explicit RecordingEditor(HRXMasterGraphicalEngine* engine) : HRXBaseEditor(engine, {0, 0, 400, 275}) {}
        void open() override {}
        void close() override {}
        void parameterChanged(int32_t, double) override {}
        void controlChanged(int32_t tag, double value) override { reports.emplace_back(tag, value); }
        void idle() override {}
        std::vector<std::pair<int32_t, double>> reports;
    };

    // The window, recording the clicks it would hand to a host.
    class Engine : public Brackenworks::HRXVSTGUIEditorWrapperV1 {
    public:
        Engine()
            : HRXVSTGUIEditorWrapperV1(
                  [](HRXMasterGraphicalEngine* owner) -> HRXBaseEditor* { return new RecordingEditor(owner); }) {}
        int32_t controlClicked(int32_t tag, uint32_t buttons) override {
            clicks.emplace_back(tag, buttons);
            return 0;
        }
        std::vector<std::pair<int32_t, uint32_t>> clicks;
    };

    ControlKitTest() : engine_(), editor_(*static_cast<RecordingEditor*>(engine_.getEditor())) {
        engine_.open(nullptr, VSTGUI::PlatformType::kOffscreen);
        container_ = engine_.createViewContainer({0, 0, 400, 275});
        engine_.addView(container_);
    }

    ~ControlKitTest() override {
        engine_.removeView(container_);
        delete container_;       // releases the companions and their controls
        engine_.setKnobMode(0);  // the mode is library-wide
    }

    template <class Control>
    Control* add(Control* control) {
        EXPECT_TRUE(container_->addControl(control));
        return control;
    }

    VSTGUI::OffscreenPlatformFrame& window() { return *VSTGUI::OffscreenPlatformFrame::of(engine_.getFrame()); }
    void down(double x, double y, int32_t buttons = VSTGUI::kLButton) { window().mouseDown({x, y}, buttons); }
    void move(double x, double y, int32_t buttons = VSTGUI::kLButton) { window().mouseMove({x, y}, buttons); }
    void up(double x, double y, int32_t buttons = 0) { window().mouseUp({x, y}, buttons); }
    void wheel(double x, double y, float distance, int32_t buttons = 0) { window().wheel({x, y}, distance, buttons); }

    const std::vector<std::pair<int32_t, double>>& reports() const { return editor_.reports; }
    double lastReport() const { return editor_.reports.empty() ? -1.0 : editor_.reports.back().second; }

    Engine engine_;
    RecordingEditor& editor_;
    HRXViewContainer* container_ = nullptr;
};
