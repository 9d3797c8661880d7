#include "HRXPresetFile.h"

#include "ContainerBytes.h"
#include "HRXFileSystem.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(PresetFile, NormalisesTheExtensionAndBuildsFullPaths) {
    const std::pair<const char*, const char*> names[] = {{"Kick", "Kick.hrx"},
                                                         {"Kick.hrx", "Kick.hrx"},
                                                         {"Kick.hrx.hrx", "Kick.hrx"},
                                                         {"Kick.HRX", "Kick.HRX.hrx"},
                                                         {"Kick.hrx.HRX.hrx", "Kick.hrx.HRX.hrx"},
                                                         {".hrx", ".hrx"},
                                                         {"", ".hrx"},
                                                         {"/a/b.hrx/Kick.hrx.hrx", "/a/b.hrx/Kick.hrx"}};
    for (const auto& [given, normalised] : names)
        EXPECT_EQ(normalisePresetFileName(given), normalised) << given;
    EXPECT_EQ(presetFilePath("/u/p", nullptr, "Kick"), "/u/p/Kick.hrx");
    EXPECT_EQ(presetFilePath("/u/p", "", "Kick"), "/u/p/Kick.hrx");
    EXPECT_EQ(presetFilePath("/u/p", "Drums", "Kick 2"), "/u/p/Drums/Kick 2.hrx");
}

TEST(PresetFile, SavesAndLoadsWithoutChangingTheCurrentDirectory) {
    TempFolder temp;
    char cwdBefore[4096], cwdAfter[4096];
    ASSERT_NE(getcwd(cwdBefore, sizeof cwdBefore), nullptr);
    const HRXPresetRecord kick = factoryRecord(15);
    std::string saved;
    ASSERT_TRUE(savePresetFile(temp / "My Kick.hrx.hrx", kick, 0, 100, &saved));
    EXPECT_EQ(saved, temp / "My Kick.hrx");
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readWholeFile(saved, bytes, 1000));
    EXPECT_EQ(bytes.size(), 433u);
    EXPECT_EQ(bytes, serializePreset(kick, 0, 100));

    chmod(saved.c_str(), 0444);  // write-protected files load
    HRXPresetRecord loaded{};
    ASSERT_TRUE(readPresetFile(presetFilePath(temp.path(), nullptr, "My Kick"), loaded));
    EXPECT_TRUE(sameRecord(loaded, kick));
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
    std::ofstream(temp / "short.hrx") << "NTVH";
    ASSERT_TRUE(createFolder(temp / "folder.hrx"));
    std::vector<uint8_t> bytes = serializePreset(factoryRecord(15), 0, 100);
    ASSERT_TRUE(writeFileAtomically(temp / "cut.hrx", bytes.data(), 400));
    for (const char* name : {"absent.hrx", "short.hrx", "folder.hrx", "cut.hrx"})
        EXPECT_FALSE(readPresetFile(temp / name, record)) << name;
    EXPECT_TRUE(sameRecord(record, before));
}

}  // namespace
