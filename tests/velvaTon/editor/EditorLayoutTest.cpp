#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "CInfo.h"
#include "CVelvaVuMeter2.h"
#include "EditorFixture.h"
#include "HRXAnimKnob.h"
#include "HRXHorizontalSwitch.h"
#include "HRXKickButton.h"
#include "HRXShell.h"
#include "velvaTonEffect.h"
#include "velvaTonParameters.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace {

using Edit = std::pair<int32_t, double>;

std::array<double, 4> corners(const HRXRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

TEST_F(EditorTest, BuildsEveryControlAtItsPlaceWithItsTooltipAndReset) {
    struct Expected {
        int32_t tag;
        std::array<double, 4> rect;
        double reset;
        const char* tooltip;
    };
    const Expected knobs[] = {
        {kTime, {28, 143, 142, 257}, 0.5, "Sets up the combined attack and release time"},
        {kCompression,
         {143, 143, 257, 257},
         0.5,
         "Controls the amount of gain reduction by adjusting the threshold point"},
        {kOutput, {258, 143, 372, 257}, 0.0, "Controls the level of the processed signal"},
        {kRatio, {50, 50, 120, 120}, 0.5, "Controls current compression ratio"},
        {kAttackRatio, {31, 123, 62, 154}, 0.5, "Controls the ratio between the attack and release"},
        {kValveLevel, {267, 92, 298, 123}, 0.5, "Sets up a valve processing reference level"},
    };
    for (const Expected& e : knobs) {
        HRXAnimKnob* knob = editor_.getKnob(e.tag);
        ASSERT_NE(knob, nullptr) << e.tag;
        EXPECT_EQ(corners(knob->getViewSize()), e.rect) << e.tag;
        EXPECT_DOUBLE_EQ(knob->getDefaultValue(), e.reset) << e.tag;
        EXPECT_STREQ(knob->getTooltip(), e.tooltip);
    }
    ASSERT_NE(editor_.getProcessSwitch(), nullptr);
    EXPECT_EQ(corners(editor_.getProcessSwitch()->getViewSize()), (std::array<double, 4>{262, 46, 368, 124}));
    EXPECT_STREQ(editor_.getProcessSwitch()->getTooltip(),
                 "Engages compression (Valve / Clear) or disengages (Off) plug-in's processing");
    // Before the controller speaks, the switch shows the first factory
    // preset's mode, Valve, on the left.
    EXPECT_EQ(editor_.getProcessSwitch()->getPosition(), 0);
    ASSERT_NE(editor_.getMeter(), nullptr);
    EXPECT_DOUBLE_EQ(editor_.getMeter()->getValue(), 0.0);
    ASSERT_NE(editor_.getNameButton(), nullptr);
    EXPECT_STREQ(editor_.getNameButton()->getTooltip(), "Click on the plug-in's name to open the about box");
    ASSERT_NE(editor_.getAboutBox(), nullptr);
    EXPECT_STREQ(editor_.getAboutBox()->getVersionText(), "v.2.2.1");
    EXPECT_FALSE(engine_.isAttached(editor_.getAboutContainer()));
}

// Host automation can send any value, the boundaries 0.25 and 0.75 exactly
// among them: the switch, the meter lamp and the display text show the mode
// the engine runs on the value the host parameter passes it.
TEST_F(EditorTest, SwitchLampAndDisplayShowTheEnginesProcessMode) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        int32_t mode;  // 0 Off, 1 Clear, 2 Valve
    } cases[] = {
        {0.0, 0},
        {0.5, 1},
        {1.0, 2},
        {0.25, 1},
        {0.75, 2},
        {std::nextafter(0.25f, 0.0f), 0},
        {std::nextafter(0.25f, 1.0f), 1},
        {std::nextafter(0.75f, 0.0f), 1},
        {std::nextafter(0.75f, 1.0f), 2},
        {nan, 0},
        {-0.1, 0},
        {-0.8, 0},
        {-inf, 0},
        {1.1, 2},
        {2.0, 2},
        {inf, 2},
    };
    const char* const names[] = {"Off", "Clear", "Valve"};
    AAX_CParameter<float> hostParameter(parameterIdTable[kProcess], parameterIdTable[kProcess], 1.0f,
                                        AAX_CLinearTaperDelegate<float, 0>(0.0f, 1.0f),
                                        AAX_CNumberDisplayDelegate<float, 2, 0>(), true);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        hostParameter.SetNormalizedValue(c.value);
        velvaTonEffect effect;
        effect.setParameter(kProcess, hostParameter.GetNormalizedValue());
        // The engine bypasses in mode 0, adds the valve stage in mode 2 and
        // compresses clean in any other.
        const int32_t processMode = effect.snapshot().processMode;
        const int32_t engineMode = processMode == 0 ? 0 : (processMode == 2 ? 2 : 1);
        EXPECT_EQ(engineMode, c.mode);

        editor_.parameterChanged(kProcess, c.value);
        EXPECT_EQ(editor_.getProcessSwitch()->getPosition(), 2 - c.mode);  // Valve left, Off right
        EXPECT_EQ(editor_.getMeter()->isLampLit(), c.mode != 0);
        char text[kParameterDisplaySize] = "";
        getParameterDisplay(kProcess, c.value, text);
        EXPECT_STREQ(text, names[c.mode]);
    }
}

TEST_F(EditorTest, KnobsShowTheirParametersAndOtherSlotsChangeNothing) {
    for (int32_t index : {kRatio, kAttackRatio, kTime, kCompression, kOutput, kValveLevel})
        editor_.parameterChanged(index, 0.1 * index);
    for (int32_t index : {1, 8, 9, 10, 11, 12})
        editor_.parameterChanged(index, 0.9);
    for (int32_t index : {kRatio, kAttackRatio, kTime, kCompression, kOutput, kValveLevel})
        EXPECT_DOUBLE_EQ(editor_.getKnob(index)->getValue(), 0.1 * index) << index;
    EXPECT_TRUE(engine_.edits.empty());
}

TEST_F(EditorTest, ClicksSendTheParameterValues) {
    click(262 + 10, 80);  // left third of the switch: Valve
    ASSERT_EQ(engine_.edits.size(), 1u);
    EXPECT_EQ(engine_.edits[0], Edit(kProcess, 1.0));
    click(262 + 80, 80);  // right third: Off
    EXPECT_EQ(engine_.edits.back(), Edit(kProcess, 0.0));
    // A reset selects Valve, the parameter's default.
    click(262 + 80, 80, VSTGUI::kLButton | VSTGUI::kControl);
    EXPECT_EQ(engine_.edits.back(), Edit(kProcess, 1.0));

    // A double-click on Output sends 0.0, not the parameter default 0.15.
    engine_.edits.clear();
    click(315, 200, VSTGUI::kLButton | VSTGUI::kDoubleClick);
    ASSERT_EQ(engine_.edits.size(), 1u);
    EXPECT_EQ(engine_.edits[0], Edit(kOutput, 0.0));

    // The name button asks for the about box once, on the press.
    engine_.edits.clear();
    window().mouseDown({200, 25}, VSTGUI::kLButton);
    ASSERT_EQ(engine_.edits.size(), 1u);
    EXPECT_EQ(engine_.edits[0], Edit(kMessageShowAbout, 1.0));
    window().mouseUp({200, 25}, 0);
    EXPECT_EQ(engine_.edits.size(), 1u);
}

class RecordingShell : public HRXShell {
public:
    HRXShellResult open(const std::string& target) override {
        opened.push_back(target);
        return HRXShellResult::Opened;
    }
    std::vector<std::string> opened;
};

TEST_F(EditorTest, AboutBoxComesAndGoesWithItsMessages) {
    editor_.parameterChanged(kMessageShowAbout, 1.0);
    EXPECT_TRUE(engine_.isAttached(editor_.getAboutContainer()));
    editor_.parameterChanged(kMessageShowAbout, 1.0);  // a repeat changes nothing
    EXPECT_TRUE(engine_.isAttached(editor_.getAboutContainer()));

    window().mouseMove({200, 140}, 0);
    EXPECT_TRUE(editor_.getAboutBox()->isLinkHovered());
    window().mouseMove({200, 100}, 0);
    EXPECT_FALSE(editor_.getAboutBox()->isLinkHovered());

    RecordingShell shell;
    setShell(&shell);
    click(200, 140);  // the link: opens the web site, nothing else
    setShell(nullptr);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_TRUE(engine_.edits.empty());

    click(200, 200);  // anywhere else: asks to close; the knob beneath stays
    ASSERT_EQ(engine_.edits.size(), 1u);
    EXPECT_EQ(engine_.edits[0], Edit(kMessageHideAbout, 1.0));
    editor_.parameterChanged(kMessageHideAbout, 1.0);
    EXPECT_FALSE(engine_.isAttached(editor_.getAboutContainer()));
}

TEST_F(EditorTest, WindowGrowsWhileThePresetMenuIsOpen) {
    engine_.setZoom(1.5);
    editor_.parameterChanged(kMessagePresetMenuOpening, 1.0);
    EXPECT_DOUBLE_EQ(editor_.getRect().width(), 420.0);
    EXPECT_DOUBLE_EQ(editor_.getRect().height(), 415.0);
    EXPECT_DOUBLE_EQ(engine_.getFrame()->getViewSize().getWidth(), 630.0);
    editor_.parameterChanged(kMessagePresetMenuClosed, 1.0);
    EXPECT_DOUBLE_EQ(editor_.getRect().height(), 275.0);
    EXPECT_DOUBLE_EQ(engine_.getFrame()->getViewSize().getHeight(), 412.0);  // whole pixels
}

// The about box is released with the editor even when it is not attached.
TEST_F(EditorTest, CloseForgetsEveryControlAttachedOrNot) {
    editor_.parameterChanged(kMessageShowAbout, 1.0);
    editor_.close();
    EXPECT_EQ(editor_.getAboutBox(), nullptr);
    EXPECT_EQ(editor_.getMeter(), nullptr);
    EXPECT_EQ(editor_.getKnob(kTime), nullptr);
    EXPECT_EQ(engine_.getFrame()->getNbViews(), 1u);  // the main container, until the frame goes
    // Messages to a closed editor are ignored.
    editor_.parameterChanged(kMessageShowAbout, 1.0);
    editor_.parameterChanged(kTime, 0.3);
    editor_.idle();
    EXPECT_EQ(engine_.getFrame()->getNbViews(), 1u);
}

}  // namespace
