#pragma once

// One plug-in instance with its editor window open offscreen: the binding's
// parameters object and editor object in this process, a host that answers
// the plug-in's parameter gestures at idle() as a real host does, and input
// injected into the window at points given in logical units.

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "AAX_IAutomationDelegate.h"
#include "AAX_IViewContainer.h"
#include "FakeHost.h"
#include "HRXGlobalSettings.h"
#include "HRXPresetBarEditor.h"
#include "HRXPresetManager.h"
#include "PresetBarNameControl.h"
#include "HRX_AAX_EditorWrapper.h"
#include "HRX_HVTN_2210_AAX_Parameters_Wrapper.h"
#include "HRX_HVTN_2210_HRX_AAXWrapper_GUI.h"
#include "PresetTestSupport.h"
#include "velvaTonParameters.h"
#include "vstgui/cbuttonstate.h"
#include "vstgui/offscreenframe.h"

// Touches are counted and values reported back while touched, in order,
// when the host gets to them.
class AnsweringAutomation : public AAX_IAutomationDelegate {
public:
    AAX_Result RegisterParameter(AAX_CParamID) override { return AAX_SUCCESS; }
    AAX_Result UnregisterParameter(AAX_CParamID) override { return AAX_SUCCESS; }
    AAX_Result PostSetValueRequest(AAX_CParamID id, double value) override { return post('s', id, value); }
    AAX_Result PostTouchRequest(AAX_CParamID id) override { return post('t', id, 0.0); }
    AAX_Result PostReleaseRequest(AAX_CParamID id) override { return post('r', id, 0.0); }
    AAX_Result GetTouchState(AAX_CParamID id, AAX_CBoolean* touched) override {
        *touched = touches_[id] > 0;
        return AAX_SUCCESS;
    }
    // Answers what waits; the identifiers of values reported land in `updated`.
    void answer(AAX_IEffectParameters& parameters, std::vector<std::string>& updated) {
        std::vector<Request> requests;
        requests.swap(pending_);
        for (const Request& request : requests) {
            if (request.kind == 't') {
                ++touches_[request.id];
            } else if (request.kind == 'r') {
                --touches_[request.id];
            } else {
                parameters.UpdateParameterNormalizedValue(request.id.c_str(), request.value,
                                                          AAX_eUpdateSource_Unspecified);
                updated.push_back(request.id);
            }
        }
    }

private:
    struct Request {
        char kind;
        std::string id;
        double value;
    };
    AAX_Result post(char kind, AAX_CParamID id, double value) {
        pending_.push_back({kind, id, value});
        return AAX_SUCCESS;
    }
    std::vector<Request> pending_;
    std::map<std::string, int> touches_;
};

using BarTestHost = BasicFakeHost<AnsweringAutomation>;

class OffscreenViewContainer : public AAX_IViewContainer {
public:
    int32_t GetType() override { return AAX_eViewContainer_Type_HWND; }
    void* GetPtr() override { return nullptr; }
    AAX_Result SetViewSize(AAX_Point&) override { return AAX_SUCCESS; }
    AAX_Result HandleParameterMouseDown(AAX_CParamID, uint32_t) override { return AAX_SUCCESS; }
};

class BarInstance {
public:
    BarInstance() {
        unsetenv("DISPLAY");  // the host's window is offscreen
        host.parameters = &parameters;
        parameters.Initialize(&host);
        gui->Initialize(&host);
        gui->SetViewContainer(&container);
        EXPECT_TRUE(window().open(nullptr, VSTGUI::PlatformType::kOffscreen));
        for (int32_t slot = 0; slot < kPresetValues; ++slot)
            gui->ParameterUpdated(parameterIdTable[slot]);
    }
    ~BarInstance() {
        gui.reset();
        parameters.Uninitialize();
    }

    HRX_AAX_EditorWrapper& window() { return *gui->getEditorWrapper(); }
    HRXPresetBarEditor& bar() { return *static_cast<HRXPresetBarEditor*>(window().getPresetBar()); }
    HRXPresetManager& manager() { return *parameters.getController().getPresetManager(); }
    VSTGUI::OffscreenPlatformFrame& screen() { return *VSTGUI::OffscreenPlatformFrame::of(window().getFrame()); }
    double hostValue(int32_t slot) {
        double value = -1.0;
        parameters.GetParameterNormalizedValue(parameterIdTable[slot], &value);
        return value;
    }
    std::string shownName() { return bar().getNameControl()->getDisplayText(); }

    // The host's main thread: answers, tells the editor, runs its idle.
    void idle() {
        std::vector<std::string> updated;
        host.automation.answer(parameters, updated);
        for (const std::string& id : updated)
            gui->ParameterUpdated(id.c_str());
        window().idle();
    }

    // Input at logical points of the window.
    VSTGUI::CPoint at(const HRXPoint& point) {
        const double zoom = window().getZoomFactor();
        return {point.x * zoom, point.y * zoom};
    }
    void click(const HRXPoint& point, int32_t buttons = VSTGUI::kLButton) {
        screen().click(at(point), buttons);
        idle();
    }
    void doubleClick(const HRXPoint& point) {
        screen().doubleClick(at(point), VSTGUI::kLButton);
        idle();
    }
    void wheel(const HRXPoint& point, float distance, int32_t buttons = 0) {
        screen().mouseMove(at(point), 0);
        screen().wheel(at(point), distance, buttons);
        idle();
    }
    void key(uint8_t virt, int32_t character = 0) {
        VSTGUI::VstKeyCode code;
        code.virt = virt;
        code.character = character;
        screen().keyDown(code);
        idle();
    }
    void type(const std::string& text) {
        for (char c : text)
            key(0, c);
    }
    // The middle of a rectangle given in the coordinates of a container at `origin`.
    static HRXPoint middle(const HRXRect& rect, const HRXPoint& origin = {}) {
        return {origin.x + (rect.left + rect.right) * 0.5, origin.y + (rect.top + rect.bottom) * 0.5};
    }
    // Points of the preset menu (it lies below the strip).
    static HRXPoint inMenu(const HRXRect& rect) { return middle(rect, {0.0, 52.0}); }

    BarTestHost host;
    HRX_HVTN_2210_AAX_Parameters_Wrapper parameters;
    std::unique_ptr<HRX_HVTN_2210_HRX_AAXWrapper_GUI> gui = std::make_unique<HRX_HVTN_2210_HRX_AAXWrapper_GUI>();
    OffscreenViewContainer container;
};

// The strip's controls, by where the bar puts them.
namespace BarPoint {
constexpr HRXPoint kZoom{30.0, 13.0};
constexpr HRXPoint kPrevious{79.0, 13.0};
constexpr HRXPoint kNext{105.0, 13.0};
constexpr HRXPoint kName{247.0, 13.0};
constexpr HRXPoint kSave{30.0, 39.0};
constexpr HRXPoint kCopy{92.0, 39.0};
constexpr HRXPoint kPaste{154.0, 39.0};
constexpr HRXPoint kSetupA{203.0, 39.0};
constexpr HRXPoint kSetupB{229.0, 39.0};
constexpr HRXPoint kCopySetup{278.0, 39.0};
constexpr HRXPoint kUndo{327.0, 39.0};
constexpr HRXPoint kRedo{353.0, 39.0};
}  // namespace BarPoint

// Every test with its own home, clock and process-wide settings.
class PresetBarTest : public ::testing::Test {
protected:
    PresetBarTest() { HRXGlobalSettings::load(); }
    ~PresetBarTest() override {
        HRXGlobalSettings::setHintsFlag(1);
        HRXGlobalSettings::setZoomPercent(100);
    }

    TemporaryUserHome home_;
    ManualClock clock_;
};
