#include "HRXPresetFile.h"

#include "HRXFileSystem.h"
#include "HRXPresetContainer.h"
#include "TempFolder.h"
#include "velvaTonFactoryPresets.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

HRXPresetRecord factoryRecord(int32_t slot) {
    HRXPresetRecord bank[kFactoryPresetSlots];
    HRXPresetRecord clipboard;
    buildFactoryBank(bank, clipboard);
    return bank[slot];
}

TEST(PresetFile, NormalisesTheExtension) {
    EXPECT_EQ(normalisePresetFileName("Kick"), "Kick.hrx");
    EXPECT_EQ(normalisePresetFileName("Kick.hrx"), "Kick.hrx");
    EXPECT_EQ(normalisePresetFileName("Kick.hrx.hrx"), "Kick.hrx");
    EXPECT_EQ(normalisePresetFileName("Kick.HRX"), "Kick.HRX.hrx");
    EXPECT_EQ(normalisePresetFileName("Kick.hrx.HRX.hrx"), "Kick.hrx.HRX.hrx");
    EXPECT_EQ(normalisePresetFileName(".hrx"), ".hrx");
    EXPECT_EQ(normalisePresetFileName(""), ".hrx");
    EXPECT_EQ(normalisePresetFileName("/a/b.hrx/Kick.hrx.hrx"), "/a/b.hrx/Kick.hrx");
}

TEST(PresetFile, BuildsFullPaths) {
    EXPECT_EQ(presetFilePath("/u/p", nullptr, "Kick"), "/u/p/Kick.hrx");
    EXPECT_EQ(presetFilePath("/u/p", "", "Kick"), "/u/p/Kick.hrx");
    EXPECT_EQ(presetFilePath("/u/p", "Drums", "Kick 2"), "/u/p/Drums/Kick 2.hrx");
}

TEST(PresetFile, SavesAndLoadsWithoutChangingTheCurrentDirectory) {
    TempFolder temp;
    char cwdBefore[4096];
    ASSERT_NE(getcwd(cwdBefore, sizeof cwdBefore), nullptr);

    const HRXPresetRecord kick = factoryRecord(15);
    std::string saved;
    ASSERT_TRUE(savePresetFile(temp / "My Kick.hrx.hrx", kick, 0, 100, &saved));
    EXPECT_EQ(saved, temp / "My Kick.hrx");
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readWholeFile(saved, bytes, 1000));
    EXPECT_EQ(bytes, serializePreset(kick, 0, 100));
    EXPECT_EQ(bytes.size(), 433u);

    // Write-protected files load.
    chmod(saved.c_str(), 0444);
    HRXPresetRecord loaded{};
    ASSERT_TRUE(readPresetFile(presetFilePath(temp.path(), nullptr, "My Kick"), loaded));
    EXPECT_EQ(std::memcmp(&loaded, &kick, sizeof loaded), 0);

    char cwdAfter[4096];
    ASSERT_NE(getcwd(cwdAfter, sizeof cwdAfter), nullptr);
    EXPECT_STREQ(cwdBefore, cwdAfter);
}

TEST(PresetFile, FailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
    TempFolder temp;
    const HRXPresetRecord kick = factoryRecord(15);
    EXPECT_FALSE(savePresetFile(temp / "missing folder/x", kick, 0, 100));

    ASSERT_TRUE(savePresetFile(temp / "keep", kick, 0, 100));
    ASSERT_TRUE(createFolder(temp / "blocked.hrx"));
    std::ofstream(temp / "blocked.hrx/inside") << "x";
    EXPECT_FALSE(savePresetFile(temp / "blocked", factoryRecord(1), 0, 100));

    std::vector<HRXDirectoryEntry> entries;
    ASSERT_TRUE(listDirectory(temp.path(), entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "blocked.hrx");
    EXPECT_EQ(entries[1].name, "keep.hrx");
}

TEST(PresetFile, UnreadableOrDamagedFilesLeaveTheRecord) {
    TempFolder temp;
    HRXPresetRecord record = factoryRecord(3);
    const HRXPresetRecord before = record;
    EXPECT_FALSE(readPresetFile(temp / "absent.hrx", record));
    std::ofstream(temp / "short.hrx") << "NTVH";
    EXPECT_FALSE(readPresetFile(temp / "short.hrx", record));
    ASSERT_TRUE(createFolder(temp / "folder.hrx"));
    EXPECT_FALSE(readPresetFile(temp / "folder.hrx", record));
    std::vector<uint8_t> bytes = serializePreset(factoryRecord(15), 0, 100);
    bytes.resize(400);
    ASSERT_TRUE(writeFileAtomically(temp / "cut.hrx", bytes.data(), bytes.size()));
    EXPECT_FALSE(readPresetFile(temp / "cut.hrx", record));
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}

}  // namespace
