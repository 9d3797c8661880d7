// Whole user stories told through the preset bar with injected events:
// setups A and B, the clipboard between instances, undo and redo of a preset
// load, saving through the panel, renaming, and a write-protected preset.
#include "PresetBarFixture.h"

#include "HRXPresetCustomMenu.h"
#include "PresetBarABControls.h"
#include "PresetBarButtons.h"
#include "HRXTextControls.h"
#include "PresetBarPanels.h"
#include "PresetBarSwitches.h"
#include "velvaTonFactoryPresets.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

using namespace BarPoint;

constexpr HRXPoint kTimeKnob{85.0, 52.0 + 200.0};
constexpr int32_t kDrums = 2;  // the category's row in "Application"
constexpr int32_t kKick = 3;   // "Kick" in "Drums"

void choosePreset(BarInstance& editor, int32_t group, int32_t category, int32_t entry) {
    editor.click(kName);
    PresetBarPresetMenu& menu = editor.bar().getPresetMenu();
    editor.click(BarInstance::inMenu(menu.getGroupSwitch()->segmentRect(group)));
    editor.click(BarInstance::inMenu(menu.getCategoryColumn()->entryRect(category)));
    editor.click(BarInstance::inMenu(menu.getPresetColumns()->entryRect(entry)));
}

void expectFactoryValues(BarInstance& editor, int32_t slot) {
    double values[kPresetValues] = {};
    getFactoryPreset(slot, values, nullptr, nullptr);
    for (int32_t index = 0; index < kPresetValues; ++index) {
        if (getParameterFlags(index) & kFlagHostParameter) {
            EXPECT_FLOAT_EQ(values[index], editor.hostValue(index)) << "slot " << slot << ", parameter " << index;
        }
    }
}

std::string readFile(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

// The name field of the save panel, cleared and typed, then Return.
void saveAs(BarInstance& editor, const std::string& name) {
    editor.click(kSave);
    auto* panel = dynamic_cast<PresetBarSavePanel*>(editor.bar().getPanel());
    ASSERT_NE(nullptr, panel);
    for (size_t i = panel->getNameField()->getText().size(); i > 0; --i)
        editor.key(VSTGUI::VKEY_BACK);
    editor.type(name);
    editor.key(VSTGUI::VKEY_RETURN);
}

TEST_F(PresetBarTest, SetupsAAndBSwitchAndCopy) {
    BarInstance editor;
    const double time = editor.hostValue(kTime);
    editor.wheel(kTimeKnob, 1.0f);
    const double edited = editor.hostValue(kTime);
    ASSERT_NE(time, edited);
    editor.click(kSetupB);
    EXPECT_EQ(time, editor.hostValue(kTime));
    EXPECT_TRUE(editor.bar().getABCopy()->isFromB());
    editor.click(kSetupA);
    EXPECT_EQ(edited, editor.hostValue(kTime));
    editor.click(kCopySetup);  // A over B
    editor.click(kSetupB);
    EXPECT_EQ(edited, editor.hostValue(kTime));
    EXPECT_EQ(1.0, editor.bar().getABSwitch()->getValue());
}

TEST_F(PresetBarTest, CopyInOneInstancePasteInAnother) {
    BarInstance first;
    BarInstance second;
    choosePreset(first, 0, kDrums, kKick);
    EXPECT_EQ("03: Kick", first.shownName());
    first.click(kCopy);
    second.click(kPaste);
    expectFactoryValues(second, 15);
    EXPECT_EQ(0u, second.shownName().rfind("CP:clipboard ", 0)) << second.shownName();
}

TEST_F(PresetBarTest, UndoAndRedoOfAPresetLoad) {
    BarInstance editor;
    choosePreset(editor, 0, kDrums, kKick);
    expectFactoryValues(editor, 15);
    editor.click(kUndo);
    expectFactoryValues(editor, 0);
    EXPECT_EQ("00: Default", editor.shownName());
    editor.click(kRedo);
    expectFactoryValues(editor, 15);
    EXPECT_EQ("03: Kick", editor.shownName());
}

TEST_F(PresetBarTest, SavedPresetIsListedAtOnceAndReadsBack) {
    BarInstance editor;
    choosePreset(editor, 0, kDrums, kKick);
    editor.click(kSave);
    auto* panel = dynamic_cast<PresetBarSavePanel*>(editor.bar().getPanel());
    ASSERT_NE(nullptr, panel);
    EXPECT_EQ("Kick", panel->getNameField()->getText());
    EXPECT_EQ("HRX velvaTon", panel->getFolderMenu()->getEntries().at(0));
    editor.key(VSTGUI::VKEY_ESCAPE);
    EXPECT_EQ(nullptr, editor.bar().getPanel());

    saveAs(editor, "My Kick");
    const std::string path = home_.presetFolder() + "/My Kick.hrx";
    EXPECT_EQ(nullptr, editor.bar().getPanel());
    ASSERT_EQ(433u, readFile(path).size());
    choosePreset(editor, 2, 0, 0);
    EXPECT_EQ("00. My Kick", editor.bar().getPresetMenu().getPresetColumns()->getEntryText(0));
    EXPECT_EQ("00: My Kick", editor.shownName());
    expectFactoryValues(editor, 15);

    // The file as the command line reads it.
    const std::string command =
        std::string(std::getenv("VELVATON_TEST_BINARY_DIR")) + "/tools/velvaton/velvaton presets show '" + path + "'";
    FILE* tool = popen(command.c_str(), "r");
    ASSERT_NE(nullptr, tool);
    std::string shown;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, tool))
        shown += buffer;
    EXPECT_EQ(0, pclose(tool));
    EXPECT_NE(std::string::npos, shown.find("name: Kick")) << shown;
    EXPECT_NE(std::string::npos, shown.find("Time=3/10")) << shown;

    // Saving under the name again asks first.
    saveAs(editor, "My Kick");
    auto* question = dynamic_cast<PresetBarMessagePanel*>(editor.bar().getPanel());
    ASSERT_NE(nullptr, question);
    EXPECT_EQ("\"My Kick.hrx\" already exists. Do you want to replace it?", question->getText());
    editor.click(BarInstance::middle(question->getButton(105)->getViewSize()));
    EXPECT_EQ(nullptr, editor.bar().getPanel());
    EXPECT_EQ(433u, readFile(path).size());

    // Into a sub-folder, chosen from the folder menu; the name keeps the keys.
    home_.makePresetSubFolder("Drums");
    editor.click(kSave);
    panel = dynamic_cast<PresetBarSavePanel*>(editor.bar().getPanel());
    ASSERT_NE(nullptr, panel);
    EXPECT_EQ((std::vector<std::string>{"HRX velvaTon", "Drums"}), panel->getFolderMenu()->getEntries());
    editor.screen().queueMenuChoice({1});
    editor.click(BarInstance::middle(panel->getFolderMenu()->getViewSize()));
    editor.key(VSTGUI::VKEY_RETURN);
    EXPECT_EQ(433u, readFile(home_.presetFolder() + "/Drums/My Kick.hrx").size());
}

TEST_F(PresetBarTest, RenamedPresetIsWhatSaveOffers) {
    BarInstance editor;
    editor.click(kName, VSTGUI::kRButton);
    ASSERT_NE(nullptr, editor.bar().getRenameField());
    editor.type("x");
    editor.key(VSTGUI::VKEY_ESCAPE);
    EXPECT_EQ(nullptr, editor.bar().getRenameField());
    EXPECT_EQ("00: Default", editor.shownName());

    editor.click(kName, VSTGUI::kRButton);
    for (int i = 0; i < 7; ++i)
        editor.key(VSTGUI::VKEY_BACK);
    editor.type("Warm Bus with a long tail");  // 23 characters kept
    editor.key(VSTGUI::VKEY_RETURN);
    EXPECT_EQ("00: Warm Bus with a long ta", editor.shownName());
    editor.click(kSave);
    auto* panel = dynamic_cast<PresetBarSavePanel*>(editor.bar().getPanel());
    ASSERT_NE(nullptr, panel);
    EXPECT_EQ("Warm Bus with a long ta", panel->getNameField()->getText());
}

TEST_F(PresetBarTest, WriteProtectedPresetIsRefusedAndLeftAsItWas) {
    home_.writePresetFolderFile("Locked.hrx", std::vector<uint8_t>(433, 7));
    const std::string path = home_.presetFolder() + "/Locked.hrx";
    ASSERT_EQ(0, chmod(path.c_str(), 0444));
    BarInstance editor;
    saveAs(editor, "Locked");
    auto* message = dynamic_cast<PresetBarMessagePanel*>(editor.bar().getPanel());
    ASSERT_NE(nullptr, message);
    EXPECT_EQ("Could not save preset", message->getTitle());
    EXPECT_EQ("\"" + path + "\" is write-protected; it was left as it was.", message->getText());
    EXPECT_EQ(std::string(433, 7), readFile(path));
    struct stat info;
    ASSERT_EQ(0, stat(path.c_str(), &info));
    EXPECT_EQ(0444u, info.st_mode & 07777);
}

}  // namespace
