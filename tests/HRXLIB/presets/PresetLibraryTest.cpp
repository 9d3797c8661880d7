#include "HRXGlobalSettings.h"
#include "HRXMessageBox.h"
#include "HRXPresetContainer.h"
#include "HRXPresetLibrary.h"
#include "HRXPresetManager.h"
#include "HRXSettingsStore.h"
#include "HRXShell.h"
#include "PresetTestSupport.h"
#include "RecordingSink.h"
#include "velvaTonFactoryPresets.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> presetFile(const char* name, float process = 1.0f, float attack = 0.5f) {
    HRXPresetRecord record{};
    setPresetRecordName(record, name);
    const double defaults[12] = {1.0, 0.5, 0.5, 0.5, 0.5, 0.5, 0.15, 0.5, 0.5, 0.5, 0.5, 0.5};
    for (int i = 0; i < 12; ++i)
        record.values[i] = static_cast<float>(defaults[i]);
    record.values[0] = process;
    record.values[3] = attack;
    record.values[5] = 0.25f;
    return serializePreset(record, 0, 100);
}

std::vector<std::string> itemNames(int32_t group, int32_t category) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < HRXPresetLibrary::itemCount(group, category); ++i)
        names.push_back(HRXPresetLibrary::item(group, category, i)->name);
    return names;
}

std::vector<std::string> categoryNames(int32_t group) {
    std::vector<std::string> names;
    for (int32_t c = 0; c < HRXPresetLibrary::categoryCount(group); ++c)
        names.push_back(HRXPresetLibrary::categoryName(group, c));
    return names;
}

class PresetLibraryTest : public ::testing::Test {
protected:
    void open() {
        manager.reset(new HRXPresetManager(&sink));
        sink.manager = manager.get();
    }
    void TearDown() override {
        manager.reset();
        EXPECT_FALSE(HRXPresetLibrary::isInitialised());
    }

    TemporaryUserHome home;
    ManualClock clock;
    RecordingSink sink;
    std::unique_ptr<HRXPresetManager> manager;
};

TEST_F(PresetLibraryTest, FactoryAndDesignerTables) {
    open();
    EXPECT_EQ(categoryNames(0), (std::vector<std::string>{"All", "Bus Compression", "Drums", "Vocals", "Special"}));
    EXPECT_EQ(HRXPresetLibrary::itemCount(0, 0), 43);
    EXPECT_EQ(std::string(HRXPresetLibrary::item(0, 0, 0)->name), "Default");
    EXPECT_EQ(std::string(HRXPresetLibrary::item(0, 0, 42)->name), "Init");
    EXPECT_EQ(itemNames(0, 1), (std::vector<std::string>{"Glue Things Together", "Bus Comp 1", "Bus Comp 2", "Bus Comp 3"}));
    EXPECT_EQ(itemNames(0, 3), (std::vector<std::string>{"Pop Rock Vocal", "Vox"}));
    EXPECT_EQ(HRXPresetLibrary::itemCount(0, 2), 11);
    EXPECT_EQ(HRXPresetLibrary::itemCount(0, 4), 14);
    EXPECT_EQ(categoryNames(1), (std::vector<std::string>{"All"}));
    for (int32_t i = 0; i < 43; ++i)
        EXPECT_EQ(HRXPresetLibrary::item(1, 0, i)->factorySlot, i);
    EXPECT_EQ(HRXPresetLibrary::item(0, 5, 0), nullptr);
    EXPECT_EQ(HRXPresetLibrary::item(0, 0, 43), nullptr);
    EXPECT_EQ(HRXPresetLibrary::item(3, 0, 0), nullptr);
}

TEST_F(PresetLibraryTest, EmptyUserFolderIsCreatedAndListsOnlyAll) {
    open();
    EXPECT_EQ(HRXPresetLibrary::userPresetFolder(), home.presetFolder());
    EXPECT_TRUE(std::filesystem::is_directory(home.presetFolder()));
    EXPECT_EQ(categoryNames(2), (std::vector<std::string>{"All"}));
    EXPECT_EQ(HRXPresetLibrary::itemCount(2, 0), 0);
}

TEST_F(PresetLibraryTest, UserFilesAndFoldersAreOrderedIgnoringCase) {
    home.writePresetFolderFile("bass.hrx", presetFile("x"));
    home.writePresetFolderFile("Alpha.hrx", presetFile("x"));
    home.writePresetFolderFile("LOUD.HRX", presetFile("x"));   // capital extension: not listed
    home.writePresetFolderFile("notes.txt", {1, 2, 3});
    home.writePresetFolderFile(".hrx", presetFile("x"));       // no name before the extension
    home.makePresetSubFolder("folder.hrx");                    // a directory, not a file
    home.writePresetFolderFile(".hidden/secret.hrx", presetFile("x"));
    home.writePresetFolderFile("zeta/z1.hrx", presetFile("x"));
    home.writePresetFolderFile("Beta/b2.hrx", presetFile("x"));
    home.writePresetFolderFile("Beta/B1.hrx", presetFile("x"));
    home.makePresetSubFolder("alpha2");
    open();
    EXPECT_EQ(categoryNames(2), (std::vector<std::string>{"All", "alpha2", "Beta", "folder.hrx", "zeta"}));
    EXPECT_EQ(itemNames(2, 0), (std::vector<std::string>{"Alpha", "B1", "b2", "bass", "z1"}));
    EXPECT_EQ(itemNames(2, 1), std::vector<std::string>{});
    EXPECT_EQ(itemNames(2, 2), (std::vector<std::string>{"B1", "b2"}));
    EXPECT_EQ(itemNames(2, 4), (std::vector<std::string>{"z1"}));
    EXPECT_EQ(itemNames(2, kMainFolderSlot), (std::vector<std::string>{"Alpha", "bass"}));
    // Items know their folder by its final slot, in "All" too.
    EXPECT_EQ(HRXPresetLibrary::item(2, 0, 1)->folder, 2);
    EXPECT_EQ(HRXPresetLibrary::item(2, 0, 4)->folder, 4);
    EXPECT_EQ(HRXPresetLibrary::item(2, 0, 0)->folder, 0);
    EXPECT_EQ(HRXPresetLibrary::itemFilePath(*HRXPresetLibrary::item(2, 0, 2)), home.presetFolder() + "/Beta/b2.hrx");

    // A rescan sees a folder that went away.
    std::filesystem::remove_all(home.presetFolder() + "/zeta");
    HRXPresetLibrary::rescanUserFolders();
    EXPECT_EQ(categoryNames(2), (std::vector<std::string>{"All", "alpha2", "Beta", "folder.hrx"}));
    EXPECT_EQ(HRXPresetLibrary::category(2, 4), nullptr);
}

TEST_F(PresetLibraryTest, ListsStopAtTheirBoundsAndLongNamesAreLeftOut) {
    for (int i = 0; i < 520; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "p%03d.hrx", 519 - i);
        home.writePresetFolderFile(name, {});
    }
    const std::string name63(63, 'n');
    home.writePresetFolderFile(name63 + ".hrx", {});
    home.writePresetFolderFile(name63 + "x.hrx", {});
    for (int i = 0; i < 130; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "f%03d", i);
        home.makePresetSubFolder(name);
    }
    home.makePresetSubFolder(std::string(64, 'd'));
    open();
    EXPECT_EQ(HRXPresetLibrary::itemCount(2, kMainFolderSlot), 512);
    EXPECT_EQ(std::string(HRXPresetLibrary::item(2, 0, 0)->name), "n" + std::string(62, 'n'));
    EXPECT_EQ(std::string(HRXPresetLibrary::item(2, 0, 1)->name), "p000");
    EXPECT_EQ(std::string(HRXPresetLibrary::item(2, 0, 511)->name), "p510");
    EXPECT_EQ(HRXPresetLibrary::categoryCount(2), 127);  // "All" and 126 folders
    EXPECT_EQ(std::string(HRXPresetLibrary::categoryName(2, 126)), "f125");
}

TEST_F(PresetLibraryTest, LoadingUserPresetsTakesStoredValuesOrFails) {
    home.writePresetFolderFile("Wide.hrx", presetFile("whatever", 0.5f, 1.5f));  // attack out of range
    home.writePresetFolderFile("Sub/Quiet.hrx", presetFile("x", 0.0f));
    home.writePresetFolderFile("Broken.hrx", {'N', 'T', 'V', 'H', 0x22, 1, 2});
    open();
    ASSERT_EQ(itemNames(2, 0), (std::vector<std::string>{"Broken", "Quiet", "Wide"}));

    HRXPresetRecord record{};
    HRXPresetLibrary::loadPresetInto(2, 0, 2, record, true);
    EXPECT_STREQ(record.name, "Wide");  // the file name, not the stored name
    EXPECT_EQ(record.values[0], 0.5f);
    EXPECT_EQ(record.values[3], 0.5f);  // 1.5 in the file: the default
    EXPECT_EQ(record.values[5], 0.25f);
    EXPECT_EQ(record.values[1], 0.0f);  // spare slots are never loaded

    HRXPresetLibrary::loadPresetInto(2, 1, 0, record, true);  // in the sub-folder category
    EXPECT_STREQ(record.name, "Quiet");
    EXPECT_EQ(record.values[0], 0.0f);

    HRXPresetLibrary::loadPresetInto(2, 0, 0, record, true);
    EXPECT_STREQ(record.name, "error loading preset");
    EXPECT_EQ(record.values[0], 0.0f);  // values stay

    double values[12];
    EXPECT_FALSE(HRXPresetLibrary::lookupValues(2, 0, 3, values));
    EXPECT_FALSE(HRXPresetLibrary::lookupValues(2, 128, 0, values));
    EXPECT_FALSE(HRXPresetLibrary::lookupValues(2, 0, -1, values));
    ASSERT_TRUE(HRXPresetLibrary::lookupValues(0, 0, 15, values));  // "Kick"
    EXPECT_EQ(values[4], 0.3);
    EXPECT_EQ(values[6], 0.133);
}

TEST_F(PresetLibraryTest, NextAndPreviousStopAtTheEndsOfTheCategory) {
    open();
    manager->category = 3;  // factory "Vocals": "Pop Rock Vocal", "Vox"
    manager->presetIndex = 0;
    manager->nextPreset();
    EXPECT_EQ(manager->presetIndex, 1);
    EXPECT_STREQ(manager->getActiveCurrent()->name, "Vox");
    EXPECT_EQ(sink.last(0), 0.5);
    manager->nextPreset();
    EXPECT_EQ(manager->presetIndex, 1);
    manager->previousPreset();
    manager->previousPreset();
    EXPECT_EQ(manager->presetIndex, 0);
    EXPECT_STREQ(manager->getActiveCurrent()->name, "Pop Rock Vocal");

    manager->group = 2;  // "My presets" without files
    manager->category = 0;
    manager->nextPreset();
    EXPECT_STREQ(manager->getActiveCurrent()->name, "error loading preset");
    manager->previousPreset();
    EXPECT_EQ(manager->presetIndex, 0);
    EXPECT_STREQ(manager->getActiveCurrent()->name, "error loading preset");
    EXPECT_EQ(manager->getActiveCurrent()->values[4], 0.8f);  // still "Pop Rock Vocal"'s
}

void storeZoomSetting(float value) {
    getSettingsStore().writeBinary("SOFTWARE\\Bracken-works\\HRXVTME1", "HRXVT1: 59", &value, sizeof value);
}

TEST_F(PresetLibraryTest, ZoomAndHintsSettingsAtLoad) {
    storeZoomSetting(0.025f);
    HRXGlobalSettings::load();
    EXPECT_EQ(HRXGlobalSettings::zoomPercent(), 70);
    storeZoomSetting(0.0f);
    HRXGlobalSettings::load();
    EXPECT_EQ(HRXGlobalSettings::zoomPercent(), 100);
    storeZoomSetting(0.125f);
    HRXGlobalSettings::load();
    EXPECT_EQ(HRXGlobalSettings::zoomPercent(), 125);
    storeZoomSetting(1.5f);  // out of range: the default 0.1 stands
    HRXGlobalSettings::load();
    EXPECT_EQ(HRXGlobalSettings::zoomPercent(), 100);
    EXPECT_EQ(HRXGlobalSettings::hintsFlag(), 1);

    HRXGlobalSettings::write(57, 0.0);
    HRXGlobalSettings::load();
    EXPECT_EQ(HRXGlobalSettings::hintsFlag(), 0);
    HRXGlobalSettings::setHintsFlag(1);
}

TEST_F(PresetLibraryTest, LastInstanceTearsDownAndEveryInstanceStoresSettings) {
    HRXGlobalSettings::load();
    HRXGlobalSettings::setZoomPercent(85);
    HRXGlobalSettings::setHintsFlag(0);
    auto first = std::make_unique<HRXPresetManager>(&sink);
    EXPECT_EQ(first->zoomPercent, 85);
    auto second = std::make_unique<HRXPresetManager>(&sink);
    EXPECT_EQ(HRXPresetLibrary::instanceCount(), 2);
    first.reset();
    EXPECT_TRUE(HRXPresetLibrary::isInitialised());
    double zoom = 0.0, hints = 1.0;
    HRXGlobalSettings::read(59, &zoom);
    HRXGlobalSettings::read(57, &hints);
    EXPECT_EQ(zoom, 0.085f);
    EXPECT_EQ(hints, 0.0);
    second.reset();
    EXPECT_FALSE(HRXPresetLibrary::isInitialised());
    EXPECT_EQ(HRXPresetLibrary::instanceCount(), 0);
    EXPECT_EQ(HRXPresetLibrary::userPresetFolder(), "");
    HRXGlobalSettings::setZoomPercent(100);
    HRXGlobalSettings::setHintsFlag(1);
}

class RefusingShell : public HRXShell {
public:
    HRXShellResult open(const std::string& target) override {
        opened = target;
        return HRXShellResult::Failed;
    }
    std::string opened;
};

class RecordingMessageBox : public HRXMessageBox {
public:
    void show(const std::string& shownTitle, const std::string& shownText) override {
        title = shownTitle;
        text = shownText;
    }
    std::string title, text;
};

TEST_F(PresetLibraryTest, FailureToOpenTheUserFolderIsShown) {
    RefusingShell shell;
    RecordingMessageBox box;
    setShell(&shell);
    setMessageBox(&box);
    open();
    EXPECT_FALSE(HRXPresetLibrary::openUserFolder());
    setShell(nullptr);
    setMessageBox(nullptr);
    EXPECT_EQ(shell.opened, home.presetFolder());
    EXPECT_EQ(box.title, home.presetFolder());
    EXPECT_EQ(box.text, "Could not open user's preset folder");
}

}  // namespace
