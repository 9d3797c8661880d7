// The editor object and its window wrapper, driven directly against a fake
// host without a display: sizes, meters, control clicks and teardown.
#include "velvaTonParameters.h"
#include "AAX_IViewContainer.h"
#include "FakeHost.h"
#include "HRXKeyState.h"
#include "HRX_AAX_EditorWrapper.h"
#include "HRX_HVTN_2210_AAX_Parameters_Wrapper.h"
#include "HRX_HVTN_2210_HRX_AAXWrapper_GUI.h"
#include "PresetTestSupport.h"
#include "velvaTonEditor.h"
#include "vstgui/cbuttonstate.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

class FakeViewContainer : public AAX_IViewContainer {
public:
    int32_t GetType() override { return AAX_eViewContainer_Type_HWND; }
    void* GetPtr() override { return nullptr; }
    AAX_Result SetViewSize(AAX_Point& size) override {
        sizes.push_back(size);
        return AAX_SUCCESS;
    }
    AAX_Result HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) override {
        clicks.emplace_back(id, modifiers);
        return 0;
    }
    std::vector<AAX_Point> sizes;
    std::vector<std::pair<std::string, uint32_t>> clicks;
};

class HeldKeys : public HRXKeyStateSource {
public:
    bool isKeyDown(HRXKey) override { return true; }
};

class EditorBridgeTest : public ::testing::Test {
protected:
    EditorBridgeTest() {
        unsetenv("DISPLAY");  // the window cannot open: only the bridge is under test
        host_.parameters = &parameters_;
        parameters_.Initialize(&host_);
        gui_->Initialize(&host_);
    }
    ~EditorBridgeTest() override {
        gui_.reset();
        parameters_.Uninitialize();
    }

    HRX_AAX_EditorWrapper& wrapper() { return *gui_->getEditorWrapper(); }
    double needleTarget() { return static_cast<velvaTonEditor*>(wrapper().getEditor())->getNeedle().getTargetValue(); }

    TemporaryUserHome home_;
    FakeHost host_;
    HRX_HVTN_2210_AAX_Parameters_Wrapper parameters_;
    std::unique_ptr<HRX_HVTN_2210_HRX_AAXWrapper_GUI> gui_ = std::make_unique<HRX_HVTN_2210_HRX_AAXWrapper_GUI>();
    FakeViewContainer container_;
};

TEST_F(EditorBridgeTest, ViewSizeBeforeTheFirstOpeningIsTheWindowsOwn) {
    AAX_Point size;
    ASSERT_EQ(AAX_SUCCESS, gui_->GetViewSize(&size));
    EXPECT_EQ(400.0f, size.horz);
    EXPECT_EQ(327.0f, size.vert);
}

TEST_F(EditorBridgeTest, CustomMeterFeedsTheNeedleOnlyInsideItsRange) {
    gui_->SetViewContainer(&container_);
    const struct {
        float tap;
        double target;
    } cases[] = {{0.1f, 0.0}, {1.1f, 1.0}, {1.2345679f, 1.0}, {0.0f, 1.0}, {0.6f, static_cast<double>(0.6f - 0.1f)}};
    for (const auto& c : cases) {
        host_.controller.meterValue = c.tap;
        gui_->TimerWakeup();
        EXPECT_EQ(c.target, needleTarget()) << c.tap;
    }
}

TEST_F(EditorBridgeTest, ControlClicksGoToTheHostWithItsModifiers) {
    gui_->SetViewContainer(&container_);
    EXPECT_EQ(0, wrapper().controlClicked(kRatio, VSTGUI::kLButton | VSTGUI::kAlt | VSTGUI::kShift));
    EXPECT_EQ(2, wrapper().controlClicked(kGainReduction, VSTGUI::kLButton)) << "the meter's flags";
    EXPECT_EQ(0, wrapper().controlClicked(kTime, VSTGUI::kRButton | VSTGUI::kControl));
    HeldKeys keys;
    setKeyStateSource(&keys);
    EXPECT_EQ(0, wrapper().controlClicked(kRatio, VSTGUI::kLButton));
    setKeyStateSource(nullptr);
    const std::vector<std::pair<std::string, uint32_t>> expected = {
        {parameterIdTable[kRatio], 4}, {parameterIdTable[kTime], 8 | 16}, {parameterIdTable[kRatio], 14}};
    EXPECT_EQ(expected, container_.clicks);
}

TEST_F(EditorBridgeTest, SizeChangesAreReportedToTheHost) {
    gui_->SetViewContainer(&container_);
    wrapper().setEditorSize(400, 275);
    ASSERT_FALSE(container_.sizes.empty());
    EXPECT_EQ(400.0f, container_.sizes.back().horz);
    EXPECT_EQ(327.0f, container_.sizes.back().vert);
    EXPECT_EQ(0.0, wrapper().getViewRect()[0]);
    EXPECT_EQ(327.0, wrapper().getViewRect()[3]);

    VSTGUI::CRect proposal(10, 10, 900, 20);
    wrapper().constrainSize(proposal);
    EXPECT_EQ(VSTGUI::CRect(10, 10, 410, 337), proposal);
    VSTGUI::CRect within(0, 0, 400, 327);
    wrapper().constrainSize(within);
    EXPECT_EQ(VSTGUI::CRect(0, 0, 400, 327), within);
}

// Values keep coming after the editor object is gone: none reaches it.
TEST_F(EditorBridgeTest, DestroyedEditorIsDisconnectedFromTheController) {
    gui_->SetViewContainer(&container_);
    HRX_AAX_ControllerWrapper& controller = parameters_.getController();
    ASSERT_EQ(static_cast<HRXMasterEditorLink*>(&wrapper()), controller.getEditor());
    gui_.reset();
    EXPECT_EQ(nullptr, controller.getEditor());
    controller.setParameter(kGainReduction, 0.5);
    controller.editParameter(kMessageShowAbout, 1.0);
    controller.hostEcho(kTime, 0.25);
}

}  // namespace
