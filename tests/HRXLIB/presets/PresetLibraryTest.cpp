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

using Names = std::vector<std::string>;

std::vector<uint8_t> presetFile(const char* name, float process = 1.0f, float attack = 0.5f) {
    HRXPresetRecord record{};
    setPresetRecordName(record, name);
    for (int i = 0; i < 12; ++i)
        record.values[i] = static_cast<float>(getParameterDefault(i));
    record.values[0] = process;
    record.values[3] = attack;
    record.values[5] = 0.25f;
    return serializePreset(record, 0, 100);
}

Names itemNames(int32_t group, int32_t category) {
    Names names;
    for (int32_t i = 0; i < HRXPresetLibrary::itemCount(group, category); ++i)
        names.push_back(HRXPresetLibrary::item(group, category, i)->name);
    return names;
}

Names categoryNames(int32_t group) {
    Names names;
    for (int32_t c = 0; c < HRXPresetLibrary::categoryCount(group); ++c)
        names.push_back(HRXPresetLibrary::categoryName(group, c));
    return names;
}

class PresetLibraryTest : public ::testing::Test {
protected:
    void open() {
        manager_.reset(new HRXPresetManager(&sink_));
        sink_.manager = manager_.get();
    }
    void TearDown() override {
        manager_.reset();
        EXPECT_FALSE(HRXPresetLibrary::isInitialised());
    }

    TemporaryUserHome home_;
    ManualClock clock_;
    RecordingSink sink_;
    std::unique_ptr<HRXPresetManager> manager_;
};

TEST_F(PresetLibraryTest, FactoryAndDesignerTables) {
    open();
    EXPECT_EQ(categoryNames(0), (Names{"All", "Bus Compression", "Drums", "Vocals", "Special"}));
    EXPECT_EQ(itemNames(0, 1), (Names{"Glue Things Together", "Bus Comp 1", "Bus Comp 2", "Bus Comp 3"}));
    const int32_t counts[5] = {43, 4, 11, 2, 14};
    for (int32_t c = 0; c < 5; ++c)
        EXPECT_EQ(HRXPresetLibrary::itemCount(0, c), counts[c]) << c;
    EXPECT_EQ(categoryNames(1), (Names{"All"}));
    for (int32_t i = 0; i < 43; ++i)
        EXPECT_EQ(HRXPresetLibrary::item(1, 0, i)->factorySlot, i);
    EXPECT_EQ(HRXPresetLibrary::item(0, 5, 0), nullptr);
    EXPECT_EQ(HRXPresetLibrary::item(0, 0, 43), nullptr);
    EXPECT_EQ(HRXPresetLibrary::item(3, 0, 0), nullptr);
}

TEST_F(PresetLibraryTest, UserFilesAndFoldersAreOrderedIgnoringCase) {
    for (const char* file : {"bass.hrx", "Alpha.hrx", "LOUD.HRX", ".hrx", ".hidden/secret.hrx", "zeta/z1.hrx",
                             "Beta/b2.hrx", "Beta/B1.hrx"})
        home_.writePresetFolderFile(file, presetFile("x"));  // capital extension, bare ".hrx", dot folder: left out
    home_.writePresetFolderFile("notes.txt", {1, 2, 3});
    home_.makePresetSubFolder("folder.hrx");  // a directory, not a file
    home_.makePresetSubFolder("alpha2");
    open();
    EXPECT_EQ(categoryNames(2), (Names{"All", "alpha2", "Beta", "folder.hrx", "zeta"}));
    EXPECT_EQ(itemNames(2, 0), (Names{"Alpha", "B1", "b2", "bass", "z1"}));
    EXPECT_EQ(itemNames(2, 1), Names{});
    EXPECT_EQ(itemNames(2, 2), (Names{"B1", "b2"}));
    EXPECT_EQ(itemNames(2, 4), (Names{"z1"}));
    EXPECT_EQ(itemNames(2, kMainFolderSlot), (Names{"Alpha", "bass"}));
    // Items know their folder by its final slot, in "All" too.
    EXPECT_EQ(HRXPresetLibrary::item(2, 0, 0)->folder, 0);
    EXPECT_EQ(HRXPresetLibrary::item(2, 0, 1)->folder, 2);
    EXPECT_EQ(HRXPresetLibrary::item(2, 0, 4)->folder, 4);
    EXPECT_EQ(HRXPresetLibrary::itemFilePath(*HRXPresetLibrary::item(2, 0, 2)), home_.presetFolder() + "/Beta/b2.hrx");

    std::filesystem::remove_all(home_.presetFolder() + "/zeta");  // a rescan sees a folder that went away
    HRXPresetLibrary::rescanUserFolders();
    EXPECT_EQ(categoryNames(2), (Names{"All", "alpha2", "Beta", "folder.hrx"}));
    EXPECT_EQ(HRXPresetLibrary::category(2, 4), nullptr);
}

TEST_F(PresetLibraryTest, ListsStopAtTheirBoundsAndLongNamesAreLeftOut) {
    for (int i = 0; i < 520; ++i)
        home_.writePresetFolderFile("p" + std::to_string(1519 - i).substr(1) + ".hrx", {});
    const std::string name63(63, 'n');
    home_.writePresetFolderFile(name63 + ".hrx", {});
    home_.writePresetFolderFile(name63 + "x.hrx", {});
    for (int i = 0; i < 130; ++i)
        home_.makePresetSubFolder("f" + std::to_string(1000 + i).substr(1));
    home_.makePresetSubFolder(std::string(64, 'd'));
    open();
    EXPECT_EQ(HRXPresetLibrary::itemCount(2, kMainFolderSlot), 512);
    EXPECT_EQ(std::string(HRXPresetLibrary::item(2, 0, 0)->name), name63);
    EXPECT_EQ(std::string(HRXPresetLibrary::item(2, 0, 1)->name), "p000");
    EXPECT_EQ(std::string(HRXPresetLibrary::item(2, 0, 511)->name), "p510");
    EXPECT_EQ(HRXPresetLibrary::categoryCount(2), 127);  // "All" and 126 folders
    EXPECT_EQ(std::string(HRXPresetLibrary::categoryName(2, 126)), "f125");
}

TEST_F(PresetLibraryTest, LoadingUserPresetsTakesStoredValuesOrFails) {
    home_.writePresetFolderFile("Wide.hrx", presetFile("whatever", 0.5f, 1.5f));  // attack out of range
    home_.writePresetFolderFile("Sub/Quiet.hrx", presetFile("x", 0.0f));
    home_.writePresetFolderFile("Broken.hrx", {'N', 'T', 'V', 'H', 0x22, 1, 2});
    open();
    ASSERT_EQ(itemNames(2, 0), (Names{"Broken", "Quiet", "Wide"}));

    HRXPresetRecord record{};
    HRXPresetLibrary::loadPresetInto(2, 0, 2, record, true);
    EXPECT_STREQ(record.name, "Wide");  // the file name, not the stored name
    EXPECT_EQ(record.values[0], 0.5f);
    EXPECT_EQ(record.values[3], 0.5f);  // 1.5 in the file: the default
    EXPECT_EQ(record.values[5], 0.25f);
    EXPECT_EQ(record.values[1], 0.0f);                        // spare slots are never loaded
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
    manager_->category = 3;  // factory "Vocals": "Pop Rock Vocal", "Vox"
    manager_->presetIndex = 0;
    manager_->nextPreset();
    manager_->nextPreset();
    EXPECT_EQ(manager_->presetIndex, 1);
    EXPECT_STREQ(manager_->getActiveCurrent()->name, "Vox");
    EXPECT_EQ(sink_.last(0), 0.5);
    manager_->previousPreset();
    manager_->previousPreset();
    EXPECT_EQ(manager_->presetIndex, 0);
    EXPECT_STREQ(manager_->getActiveCurrent()->name, "Pop Rock Vocal");

    manager_->group = 2;  // "My presets" without files
    manager_->category = 0;
    manager_->nextPreset();
    manager_->previousPreset();
    EXPECT_EQ(manager_->presetIndex, 0);
    EXPECT_STREQ(manager_->getActiveCurrent()->name, "error loading preset");
    EXPECT_EQ(manager_->getActiveCurrent()->values[4], 0.8f);  // still "Pop Rock Vocal"'s
}

TEST_F(PresetLibraryTest, ZoomAndHintsSettingsAtLoad) {
    // 1.5 is out of range: the default 0.1 stands.
    const std::pair<float, int32_t> zooms[] = {{0.025f, 70}, {0.0f, 100}, {0.125f, 125}, {1.5f, 100}};
    for (const auto& [stored, percent] : zooms) {
        getSettingsStore().writeBinary("SOFTWARE\\Bracken-works\\HRXVTME1", "HRXVT1: 59", &stored, sizeof stored);
        HRXGlobalSettings::load();
        EXPECT_EQ(HRXGlobalSettings::zoomPercent(), percent) << stored;
    }
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
    auto first = std::make_unique<HRXPresetManager>(&sink_);
    EXPECT_EQ(first->zoomPercent, 85);
    auto second = std::make_unique<HRXPresetManager>(&sink_);
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

struct RefusingShell : HRXShell {
    HRXShellResult open(const std::string& target) override {
        opened = target;
        return HRXShellResult::Failed;
    }
    std::string opened;
};

struct RecordingMessageBox : HRXMessageBox {
    void show(const std::string& shownTitle, const std::string& shownText) override {
        title = shownTitle;
        text = shownText;
    }
    std::string title, text;
};

TEST_F(PresetLibraryTest, EmptyUserFolderIsCreatedAndFailureToOpenItIsShown) {
    RefusingShell shell;
    RecordingMessageBox box;
    setShell(&shell);
    setMessageBox(&box);
    open();
    EXPECT_EQ(HRXPresetLibrary::userPresetFolder(), home_.presetFolder());
    EXPECT_TRUE(std::filesystem::is_directory(home_.presetFolder()));
    EXPECT_EQ(categoryNames(2), (Names{"All"}));
    EXPECT_EQ(HRXPresetLibrary::itemCount(2, 0), 0);
    EXPECT_FALSE(HRXPresetLibrary::openUserFolder());
    setShell(nullptr);
    setMessageBox(nullptr);
    EXPECT_EQ(shell.opened, home_.presetFolder());
    EXPECT_EQ(box.title, home_.presetFolder());
    EXPECT_EQ(box.text, "Could not open user's preset folder");
}

}  // namespace
