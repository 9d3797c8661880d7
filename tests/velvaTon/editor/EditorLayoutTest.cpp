#include "CInfo.h"
#include "CVelvaVuMeter2.h"
#include "EditorFixture.h"
#include "HRXAnimKnob.h"
#include "HRXHorizontalSwitch.h"
#include "HRXKickButton.h"
#include "HRXShell.h"
#include "velvaTonParameters.h"

namespace {

using Edit = std::pair<int32_t, double>;

TEST_F(EditorTest, BuildsEveryControlWithItsTooltipAndReset)
{
    ASSERT_NE(editor.getProcessSwitch(), nullptr);
    EXPECT_STREQ(editor.getProcessSwitch()->getTooltip(),
                 "Engages compression (Valve / Clear) or disengages (Off) plug-in's processing");
    // Before the controller speaks, the switch shows the first factory
    // preset's mode, Valve, on the left.
    EXPECT_EQ(editor.getProcessSwitch()->getPosition(), 0);
    for (const velvaTonKnobLayout& layout : kKnobLayout) {
        HRXAnimKnob* knob = editor.getKnob(layout.tag);
        ASSERT_NE(knob, nullptr) << layout.tag;
        EXPECT_STREQ(knob->getTooltip(), layout.tooltip);
        EXPECT_DOUBLE_EQ(knob->getDefaultValue(), layout.tag == kOutput ? 0.0 : 0.5);
    }
    EXPECT_STREQ(editor.getKnob(kTime)->getTooltip(), "Sets up the combined attack and release time");
    ASSERT_NE(editor.getMeter(), nullptr);
    EXPECT_DOUBLE_EQ(editor.getMeter()->getValue(), 0.0);
    ASSERT_NE(editor.getNameButton(), nullptr);
    EXPECT_STREQ(editor.getNameButton()->getTooltip(), "Click on the plug-in's name to open the about box");
    ASSERT_NE(editor.getAboutBox(), nullptr);
    EXPECT_STREQ(editor.getAboutBox()->getVersionText(), "v.2.2.1");
    EXPECT_FALSE(engine.isAttached(editor.getAboutContainer()));
}

TEST_F(EditorTest, ProcessValueSelectsTheMirroredSegmentAndSwitchesTheLamp)
{
    editor.parameterChanged(kProcess, 0.0);
    EXPECT_EQ(editor.getProcessSwitch()->getPosition(), 2);  // Off, right
    EXPECT_FALSE(editor.getMeter()->isLampLit());
    editor.parameterChanged(kProcess, 0.5);
    EXPECT_EQ(editor.getProcessSwitch()->getPosition(), 1);  // Clear
    EXPECT_TRUE(editor.getMeter()->isLampLit());
    editor.parameterChanged(kProcess, 1.0);
    EXPECT_EQ(editor.getProcessSwitch()->getPosition(), 0);  // Valve, left
    EXPECT_TRUE(editor.getMeter()->isLampLit());
}

TEST_F(EditorTest, KnobsShowTheirParametersAndOtherSlotsChangeNothing)
{
    for (int32_t index : {kRatio, kAttackRatio, kTime, kCompression, kOutput, kValveLevel})
        editor.parameterChanged(index, 0.1 * index);
    for (int32_t index : {1, 8, 9, 10, 11, 12})
        editor.parameterChanged(index, 0.9);
    for (int32_t index : {kRatio, kAttackRatio, kTime, kCompression, kOutput, kValveLevel})
        EXPECT_DOUBLE_EQ(editor.getKnob(index)->getValue(), 0.1 * index) << index;
    EXPECT_TRUE(engine.edits.empty());
}

TEST_F(EditorTest, SwitchClicksSendTheParameterValue)
{
    click(262 + 10, 80);  // left third: Valve
    ASSERT_EQ(engine.edits.size(), 1u);
    EXPECT_EQ(engine.edits[0], Edit(kProcess, 1.0));
    click(262 + 80, 80);  // right third: Off
    EXPECT_EQ(engine.edits.back(), Edit(kProcess, 0.0));
    // A reset selects Valve, the parameter's default.
    click(262 + 80, 80, VSTGUI::kLButton | VSTGUI::kControl);
    EXPECT_EQ(engine.edits.back(), Edit(kProcess, 1.0));
}

TEST_F(EditorTest, DoubleClickOnOutputSendsZeroNotTheParameterDefault)
{
    window().mouseDown({315, 200}, VSTGUI::kLButton | VSTGUI::kDoubleClick);
    window().mouseUp({315, 200}, 0);
    ASSERT_EQ(engine.edits.size(), 1u);
    EXPECT_EQ(engine.edits[0], Edit(kOutput, 0.0));
}

TEST_F(EditorTest, DraggingAKnobSendsItsParameter)
{
    editor.parameterChanged(kCompression, 0.5);
    window().mouseDown({200, 200}, VSTGUI::kLButton);
    window().mouseMove({230, 200}, VSTGUI::kLButton);
    window().mouseUp({230, 200}, 0);
    ASSERT_FALSE(engine.edits.empty());
    EXPECT_EQ(engine.edits.back().first, kCompression);
    EXPECT_NEAR(engine.edits.back().second, 0.6, 1e-6);
}

TEST_F(EditorTest, NameButtonAsksForTheAboutBoxOnce)
{
    window().mouseDown({200, 25}, VSTGUI::kLButton);
    ASSERT_EQ(engine.edits.size(), 1u);
    EXPECT_EQ(engine.edits[0], Edit(kMessageShowAbout, 1.0));
    window().mouseUp({200, 25}, 0);
    EXPECT_EQ(engine.edits.size(), 1u);
}

class RecordingShell : public HRXShell {
public:
    HRXShellResult open(const std::string& target) override
    {
        opened.push_back(target);
        return HRXShellResult::Opened;
    }
    std::vector<std::string> opened;
};

TEST_F(EditorTest, AboutBoxComesAndGoesWithItsMessages)
{
    editor.parameterChanged(kMessageShowAbout, 1.0);
    EXPECT_TRUE(engine.isAttached(editor.getAboutContainer()));
    editor.parameterChanged(kMessageShowAbout, 1.0);  // a repeat changes nothing
    EXPECT_TRUE(engine.isAttached(editor.getAboutContainer()));

    RecordingShell shell;
    setShell(&shell);
    click(200, 140);  // the link: opens the web site, nothing else
    setShell(nullptr);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_TRUE(engine.edits.empty());

    click(200, 200);  // anywhere else: asks to close; the knob beneath stays
    ASSERT_EQ(engine.edits.size(), 1u);
    EXPECT_EQ(engine.edits[0], Edit(kMessageHideAbout, 1.0));
    editor.parameterChanged(kMessageHideAbout, 1.0);
    EXPECT_FALSE(engine.isAttached(editor.getAboutContainer()));
}

TEST_F(EditorTest, AboutLinkIsUnderlinedWhileHovered)
{
    editor.parameterChanged(kMessageShowAbout, 1.0);
    window().mouseMove({200, 140}, 0);
    EXPECT_TRUE(editor.getAboutBox()->isLinkHovered());
    window().mouseMove({200, 100}, 0);
    EXPECT_FALSE(editor.getAboutBox()->isLinkHovered());
}

TEST_F(EditorTest, WindowGrowsWhileThePresetMenuIsOpen)
{
    engine.setZoom(1.5);
    editor.parameterChanged(kMessagePresetMenuOpening, 1.0);
    EXPECT_DOUBLE_EQ(editor.getRect().width(), 420.0);
    EXPECT_DOUBLE_EQ(editor.getRect().height(), 415.0);
    EXPECT_DOUBLE_EQ(engine.getFrame()->getViewSize().getWidth(), 630.0);
    editor.parameterChanged(kMessagePresetMenuClosed, 1.0);
    EXPECT_DOUBLE_EQ(editor.getRect().height(), 275.0);
    EXPECT_DOUBLE_EQ(engine.getFrame()->getViewSize().getHeight(), 412.5);
}

TEST_F(EditorTest, CloseForgetsEveryControlAttachedOrNot)
{
    editor.parameterChanged(kMessageShowAbout, 1.0);
    editor.close();
    EXPECT_EQ(editor.getAboutBox(), nullptr);
    EXPECT_EQ(editor.getMeter(), nullptr);
    EXPECT_EQ(editor.getKnob(kTime), nullptr);
    EXPECT_EQ(engine.getFrame()->getNbViews(), 1u);  // the main container, until the frame goes
    // Messages to a closed editor are ignored.
    editor.parameterChanged(kMessageShowAbout, 1.0);
    editor.parameterChanged(kTime, 0.3);
    editor.idle();
    EXPECT_EQ(engine.getFrame()->getNbViews(), 1u);
}

}  // namespace
