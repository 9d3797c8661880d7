// The preset bar's controls and menus driven by injected events on the
// offscreen window: the zoom's limits and stored setting, the name field,
// the preset menu's groups and edges, the configuration menu.
#include "PresetBarFixture.h"

#include "HRXCustomizableOptionMenu.h"
#include "HRXPresetCustomMenu.h"
#include "HRXSettingsStore.h"
#include "HRXShell.h"
#include "PresetBarButtons.h"
#include "PresetBarConfigMenuControls.h"
#include "PresetBarNameControl.h"
#include "PresetBarPanels.h"
#include "PresetBarPresetMenuControls.h"
#include "PresetBarScaleControls.h"
#include "PresetBarScaleOptionMenu.h"
#include "PresetBarSwitches.h"
#include "velvaTonEditor.h"
#include "velvaTonFactoryPresets.h"
#include "velvaTonProduct.h"

namespace {

using namespace BarPoint;

// The Time knob of the panel, below the strip.
constexpr HRXPoint kTimeKnob{85.0, 52.0 + 200.0};
constexpr HRXPoint kConfig{386.0, 13.0};

VSTGUI::CRect windowSize(BarInstance& editor) {
    VSTGUI::CRect size;
    editor.screen().getSize(size);
    return size;
}

float storedSetting(int32_t number) {
    double value = -1.0;
    HRXGlobalSettings::read(number, &value);
    return static_cast<float>(value);
}

// A shell that answers as told and remembers what it was asked to open.
class ScriptedShell : public HRXShell {
public:
    HRXShellResult open(const std::string& target) override {
        targets.push_back(target);
        return result;
    }
    HRXShellResult result = HRXShellResult::Opened;
    std::vector<std::string> targets;
};

TEST_F(PresetBarTest, ZoomFollowsWheelMenuAndDoubleClickWithinItsLimits) {
    BarInstance editor;
    PresetBarScaleMenuButton& button = *editor.bar().getScaleButton();
    editor.window().applyZoom(3.95);
    editor.wheel(kZoom, 1.0f);
    EXPECT_EQ("400%", button.getLabel());
    editor.wheel(kZoom, 1.0f);
    EXPECT_EQ("400%", button.getLabel());
    EXPECT_EQ(VSTGUI::CRect(0, 0, 1600, 1308), windowSize(editor));
    EXPECT_EQ(400, editor.manager().zoomPercent);
    EXPECT_EQ(400, HRXGlobalSettings::zoomPercent());
    EXPECT_EQ(0.4f, storedSetting(HRXGlobalSettings::kZoom));

    editor.window().applyZoom(1.0);
    editor.wheel(kZoom, 1.0f, VSTGUI::kShift);
    EXPECT_EQ("101%", button.getLabel());

    // "Decrease 5%" at 70 % keeps 70 %; choosing closes the menu.
    editor.window().applyZoom(0.7);
    editor.click(kZoom);
    ASSERT_TRUE(editor.bar().isZoomMenuOpen());
    EXPECT_EQ("Decrease 5%", editor.bar().getZoomMenu()->getItemTitle(9));
    editor.click(BarInstance::middle(editor.bar().getZoomMenu()->itemRect(9)));
    EXPECT_FALSE(editor.bar().isZoomMenuOpen());
    EXPECT_EQ("70%", button.getLabel());
    EXPECT_EQ(VSTGUI::CRect(0, 0, 280, 228), windowSize(editor));

    editor.click(kZoom);
    editor.click(BarInstance::middle(editor.bar().getZoomMenu()->itemRect(5)));
    EXPECT_EQ("175%", button.getLabel());
    editor.doubleClick(kZoom);
    EXPECT_EQ("100%", button.getLabel());
    EXPECT_FALSE(editor.bar().isZoomMenuOpen());
    EXPECT_EQ(VSTGUI::CRect(0, 0, 400, 327), windowSize(editor));
    EXPECT_EQ(0.1f, storedSetting(HRXGlobalSettings::kZoom));

    // The grip follows the pointer: 40 by 33 pixels more window is 110 %,
    // stored once the drag has ended.
    editor.screen().mouseDown({390, 317}, VSTGUI::kLButton);
    editor.screen().mouseMove({410, 333}, VSTGUI::kLButton);
    editor.idle();
    EXPECT_EQ(0.1f, storedSetting(HRXGlobalSettings::kZoom));
    editor.screen().mouseMove({430, 350}, VSTGUI::kLButton);
    editor.screen().mouseUp({430, 350}, 0);
    editor.idle();
    EXPECT_EQ("110%", button.getLabel());
    EXPECT_EQ(VSTGUI::CRect(0, 0, 440, 359), windowSize(editor));
    EXPECT_EQ(0.11f, storedSetting(HRXGlobalSettings::kZoom));
}

TEST_F(PresetBarTest, NameFieldNumbersThePresetAndKeepsTheEditMarkThroughUndo) {
    BarInstance editor;
    EXPECT_EQ("00: Default", editor.shownName());
    for (int i = 0; i < 10; ++i)
        editor.click(kNext);
    EXPECT_EQ("10: Glue Things Together", editor.shownName());

    const double time = editor.hostValue(kTime);
    editor.wheel(kTimeKnob, 1.0f);
    EXPECT_NE(time, editor.hostValue(kTime));
    EXPECT_EQ("10: Glue Things Together *", editor.shownName());
    editor.click(kUndo);
    EXPECT_EQ(time, editor.hostValue(kTime));
    EXPECT_EQ("10: Glue Things Together *", editor.shownName());

    editor.click(kCopy);
    editor.click(kPaste);
    EXPECT_EQ(0u, editor.shownName().rfind("CP:clipboard ", 0)) << editor.shownName();
}

TEST_F(PresetBarTest, PresetMenuShowsEachGroupAndClosesOnEmptyColumns) {
    BarInstance editor;
    editor.click(kName);
    PresetBarPresetMenu& menu = editor.bar().getPresetMenu();
    ASSERT_TRUE(editor.bar().isPresetMenuOpen());
    EXPECT_EQ(VSTGUI::CRect(0, 0, 420, 467), windowSize(editor));
    EXPECT_EQ(1.0, editor.bar().getNameControl()->getValue());

    // "Designer": one category holding the 43 factory presets in slot order.
    editor.click(BarInstance::inMenu(menu.getGroupSwitch()->segmentRect(1)));
    EXPECT_EQ(1, menu.getCategoryColumn()->getEntryCount());
    HRXPresetColumns& presets = *menu.getPresetColumns();
    ASSERT_EQ(kFactoryPresetSlots, presets.getEntryCount());
    for (int32_t slot = 0; slot < kFactoryPresetSlots; ++slot) {
        char name[kPresetNameSize] = {};
        getFactoryPreset(slot, nullptr, name, nullptr);
        EXPECT_EQ((slot < 10 ? "0" : "") + std::to_string(slot) + ". " + name, presets.getEntryText(slot));
    }
    // Two columns of 22 rows, ten in view. The pointer lights entry 27 (the
    // second column's sixth row); Shift and the wheel walk the highlight on
    // and the rows scroll to keep it in view.
    EXPECT_TRUE(presets.hasScrollBar());
    EXPECT_EQ(2, presets.getColumns());
    EXPECT_EQ(10, presets.getVisibleRows());
    for (int i = 0; i < 12; ++i)
        editor.wheel(BarInstance::inMenu(presets.getViewSize()), -1.0f, VSTGUI::kShift);
    EXPECT_EQ(39, presets.getHighlightedEntry());
    EXPECT_EQ(8, presets.getFirstRow());
    EXPECT_GT(presets.entryRect(39).height(), 0.0);
    EXPECT_EQ(0.0, presets.entryRect(0).height());

    // The designer's photo opens the maker's page and closes the menu.
    ScriptedShell shell;
    setShell(&shell);
    editor.click(BarInstance::inMenu(menu.getDesignerLogo()->getViewSize()));
    EXPECT_EQ(std::vector<std::string>{kMakerWebAddress}, shell.targets);
    EXPECT_FALSE(editor.bar().isPresetMenuOpen());
    editor.click(kName);

    // The preset already chosen, chosen again: the menu closes, no history step.
    editor.click(BarInstance::inMenu(menu.getGroupSwitch()->segmentRect(0)));
    const int32_t head = editor.manager().head;
    editor.click(BarInstance::inMenu(presets.entryRect(0)));
    EXPECT_FALSE(editor.bar().isPresetMenuOpen());
    EXPECT_EQ(head, editor.manager().head);
    EXPECT_EQ(VSTGUI::CRect(0, 0, 400, 327), windowSize(editor));

    // "My presets" without files: an empty "All" and the folder's path; a
    // click on the empty columns closes the menu and changes nothing.
    editor.click(kName);
    editor.click(BarInstance::inMenu(menu.getGroupSwitch()->segmentRect(2)));
    EXPECT_EQ(1, menu.getCategoryColumn()->getEntryCount());
    EXPECT_EQ("All", menu.getCategoryColumn()->getEntryText(0));
    EXPECT_EQ(0, presets.getEntryCount());
    EXPECT_EQ("Show file in Explorer", menu.getBottomInfo()->getFirstLine());
    EXPECT_EQ(home_.presetFolder(), menu.getBottomInfo()->getSecondLine());
    editor.click(BarInstance::inMenu(menu.getBottomInfo()->getViewSize()));
    EXPECT_EQ(home_.presetFolder(), shell.targets.back());
    setShell(nullptr);
    double values[kPresetValues];
    for (int32_t slot = 0; slot < kPresetValues; ++slot)
        values[slot] = editor.hostValue(slot);
    editor.click(BarInstance::inMenu(presets.getViewSize()));
    EXPECT_FALSE(editor.bar().isPresetMenuOpen());
    for (int32_t slot = 0; slot < kPresetValues; ++slot)
        EXPECT_EQ(values[slot], editor.hostValue(slot)) << slot;
}

TEST_F(PresetBarTest, ConfigurationMenuHintsVersionAndManual) {
    {
        BarInstance first;
        BarInstance second;
        first.click(kConfig);
        PresetBarConfigMenu& menu = first.bar().getConfigMenu();
        ASSERT_TRUE(first.bar().isConfigMenuOpen());
        EXPECT_EQ("v.2.2.1 (sh.6.4.6) build:07041411aax.x64", menu.getVersionLine());
        EXPECT_EQ("v.2.2.1 (sh.6.4.6) build:07041411aax.x64", menu.getInfoText()->getText());

        first.click(BarInstance::inMenu(menu.getHintsSwitch()->positionRect(0)));
        EXPECT_EQ(0, HRXGlobalSettings::hintsFlag());
        EXPECT_EQ(0, first.window().getEngineHints());
        second.idle();
        EXPECT_EQ(0, second.window().getEngineHints());
        second.click(kConfig);
        EXPECT_EQ(0.0, second.bar().getConfigMenu().getHintsSwitch()->getValue());
        first.click(kConfig);
        first.click(kConfig);
        EXPECT_EQ(0.0, menu.getHintsSwitch()->getValue());

        // "Plugin info" brings the about box up; closing the menu takes it away.
        HRXViewContainer* about = static_cast<velvaTonEditor*>(first.window().getEditor())->getAboutContainer();
        first.click(BarInstance::inMenu(menu.getPageSwitch()->segmentRect(1)));
        EXPECT_EQ(PresetBarConfigMenu::Page::PluginInfo, menu.getPage());
        EXPECT_TRUE(first.window().isAttached(about));
        first.click(kConfig);
        EXPECT_FALSE(first.window().isAttached(about));
        EXPECT_EQ(PresetBarConfigMenu::Page::GlobalSettings, menu.getPage());
        first.click(kConfig);

        // The manual, from the path the installation stored; both failures
        // in a message panel inside the window.
        getSettingsStore().writeString(kSharedSettingsKey, kManualPathValueName, "/opt/velvaTon/manual.pdf");
        ScriptedShell shell;
        setShell(&shell);
        const HRXPoint open = BarInstance::inMenu(menu.getManualButton()->buttonRect());
        first.click(open);
        EXPECT_EQ(std::vector<std::string>{"/opt/velvaTon/manual.pdf"}, shell.targets);
        EXPECT_EQ(nullptr, first.bar().getPanel());
        shell.result = HRXShellResult::NoApplication;
        first.click(open);
        auto* message = dynamic_cast<PresetBarMessagePanel*>(first.bar().getPanel());
        ASSERT_NE(nullptr, message);
        EXPECT_EQ("Could not open manual file", message->getTitle());
        EXPECT_EQ("Make sure Acrobat Reader is installed", message->getText());
        first.click(BarInstance::middle(message->getButton(107)->getViewSize()));
        EXPECT_EQ(nullptr, first.bar().getPanel());
        shell.result = HRXShellResult::Failed;
        first.click(open);
        message = dynamic_cast<PresetBarMessagePanel*>(first.bar().getPanel());
        ASSERT_NE(nullptr, message);
        EXPECT_EQ("", message->getTitle());
        EXPECT_EQ("Could not open user manual", message->getText());
        setShell(nullptr);
    }
    // The instances are gone: the next library load reads "Hide" back.
    HRXGlobalSettings::setHintsFlag(1);
    HRXGlobalSettings::load();
    EXPECT_EQ(0, HRXGlobalSettings::hintsFlag());
}

}  // namespace
