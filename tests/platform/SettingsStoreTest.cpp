#include "HRXSettingsStore.h"

#include "HRXFileSystem.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr const char* kGlobalKey = "SOFTWARE\\Bracken-works\\HRXVTME1";
constexpr const char* kSharedKey = "SOFTWARE\\Bracken-works\\HRXVT1";

std::vector<uint8_t> floatBytes(float value) {
    std::vector<uint8_t> bytes(sizeof value);
    std::memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<HRXDirectoryEntry> entries;
    listDirectory(folder, entries);
    std::vector<std::string> names;
    for (const HRXDirectoryEntry& e : entries)
        names.push_back(e.name);
    return names;
}

TEST(FileSettingsStore, CreatesKeyOnWriteAndReadsBack) {
    TempFolder temp;
    const std::string root = temp / "config";  // does not exist yet
    HRXFileSettingsStore store(root);
    std::vector<uint8_t> data;
    EXPECT_FALSE(store.readBinary(kGlobalKey, "HRXVT1: 59", data));

    const std::vector<uint8_t> zoom = floatBytes(0.125f);
    ASSERT_TRUE(store.writeBinary(kGlobalKey, "HRXVT1: 59", zoom.data(), zoom.size()));
    ASSERT_TRUE(store.writeString(kSharedKey, "ManualPath", "/opt/manual \"x\".pdf"));

    EXPECT_EQ(store.fileForKey(kGlobalKey), root + "/Bracken-works/HRXVTME1.settings");
    ASSERT_TRUE(store.readBinary(kGlobalKey, "HRXVT1: 59", data));
    EXPECT_EQ(data, zoom);
    std::string path;
    ASSERT_TRUE(store.readString(kSharedKey, "ManualPath", path));
    EXPECT_EQ(path, "/opt/manual \"x\".pdf");

    // The other type, another value or another key reads as missing.
    EXPECT_FALSE(store.readString(kGlobalKey, "HRXVT1: 59", path));
    EXPECT_FALSE(store.readBinary(kSharedKey, "ManualPath", data));
    EXPECT_FALSE(store.readBinary(kGlobalKey, "HRXVT1: 57", data));
    EXPECT_FALSE(store.readBinary("SOFTWARE\\Bracken-works\\Other", "HRXVT1: 59", data));
    EXPECT_TRUE(data.empty());
}

TEST(FileSettingsStore, WriteReplacesOneValueAndKeepsTheOthers) {
    TempFolder temp;
    HRXFileSettingsStore store(temp.path());
    const std::vector<uint8_t> hints = floatBytes(1.0f);
    const std::vector<uint8_t> clip(433, 0xab);
    ASSERT_TRUE(store.writeBinary(kGlobalKey, "HRXVT1: 57", hints.data(), hints.size()));
    ASSERT_TRUE(store.writeBinary(kGlobalKey, "HRXVT1: 59", clip.data(), clip.size()));
    const std::vector<uint8_t> zoom = floatBytes(0.1f);
    ASSERT_TRUE(store.writeBinary(kGlobalKey, "HRXVT1: 59", zoom.data(), zoom.size()));

    std::vector<uint8_t> data;
    ASSERT_TRUE(store.readBinary(kGlobalKey, "HRXVT1: 57", data));
    EXPECT_EQ(data, hints);
    ASSERT_TRUE(store.readBinary(kGlobalKey, "HRXVT1: 59", data));
    EXPECT_EQ(data, zoom);
    // Only the key's file is left in its folder: no temporary files.
    EXPECT_EQ(namesIn(temp / "Bracken-works"), std::vector<std::string>{"HRXVTME1.settings"});
}

TEST(FileSettingsStore, DamagedFileReadsAsMissingAndIsReplacedByTheNextWrite) {
    TempFolder temp;
    HRXFileSettingsStore store(temp.path());
    const std::vector<uint8_t> zoom = floatBytes(0.2f);
    ASSERT_TRUE(store.writeBinary(kGlobalKey, "HRXVT1: 59", zoom.data(), zoom.size()));
    const std::string file = store.fileForKey(kGlobalKey);

    std::ifstream in(file, std::ios::binary);
    const std::string good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<uint8_t> data;
    for (const std::string& damaged :
         {good.substr(0, good.size() - 3), std::string("\x7f" "ELF\0\0garbage", 12),
          good + "binary \"HRXVT1: 57\" 0000803f\n"}) {
        writeText(file, damaged);
        EXPECT_FALSE(store.readBinary(kGlobalKey, "HRXVT1: 59", data));
        EXPECT_TRUE(data.empty());
    }
    const std::vector<uint8_t> hints = floatBytes(0.0f);
    ASSERT_TRUE(store.writeBinary(kGlobalKey, "HRXVT1: 57", hints.data(), hints.size()));
    ASSERT_TRUE(store.readBinary(kGlobalKey, "HRXVT1: 57", data));
    EXPECT_EQ(data, hints);
}

TEST(FileSettingsStore, FailedWriteLeavesNoTraceAndOldStateWhole) {
    TempFolder temp;
    HRXFileSettingsStore store(temp.path());
    // A folder where the key's file belongs: the final rename must fail.
    ASSERT_TRUE(createFolder(temp / "Bracken-works"));
    ASSERT_TRUE(createFolder(temp / "Bracken-works/HRXVT1.settings"));
    writeText(temp / "Bracken-works/HRXVT1.settings/keep", "x");
    const uint8_t byte = 1;
    EXPECT_FALSE(store.writeBinary(kSharedKey, "MemoA", &byte, 1));
    EXPECT_EQ(namesIn(temp / "Bracken-works"), std::vector<std::string>{"HRXVT1.settings"});
    EXPECT_EQ(namesIn(temp / "Bracken-works/HRXVT1.settings"), std::vector<std::string>{"keep"});
}

TEST(FileSettingsStore, RefusesKeysThatLeaveTheRoot) {
    TempFolder temp;
    HRXFileSettingsStore store(temp / "root");
    const uint8_t byte = 1;
    for (const char* key : {"SOFTWARE\\..\\escape", "SOFTWARE\\a/b", "SOFTWARE\\\\x", "", "."}) {
        EXPECT_EQ(store.fileForKey(key), "") << key;
        EXPECT_FALSE(store.writeBinary(key, "v", &byte, 1)) << key;
    }
    EXPECT_FALSE(folderExists(temp / "root"));
    EXPECT_FALSE(folderExists(temp / "escape.settings"));
}

TEST(FileSettingsStore, DefaultRootFollowsTheEnvironment) {
    const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string savedConfig = oldConfig ? oldConfig : "";
    const std::string savedHome = oldHome ? oldHome : "";

    setenv("XDG_CONFIG_HOME", "/cfg/here", 1);
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(HRXFileSettingsStore::defaultRoot(), "/cfg/here");
    EXPECT_EQ(HRXFileSettingsStore().fileForKey(kSharedKey), "/cfg/here/Bracken-works/HRXVT1.settings");
    setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
    EXPECT_EQ(HRXFileSettingsStore::defaultRoot(), "/home/someone/.config");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(HRXFileSettingsStore::defaultRoot(), "/home/someone/.config");

    oldConfig ? setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    oldHome ? setenv("HOME", savedHome.c_str(), 1) : unsetenv("HOME");
}

// A reader in one process never sees a torn file while another process
// rewrites the key again and again.
TEST(FileSettingsStore, ConcurrentReaderNeverSeesATornFile) {
    TempFolder temp;
    HRXFileSettingsStore store(temp.path());
    const std::vector<uint8_t> small(4, 0x11);
    const std::vector<uint8_t> large(4000, 0x22);
    ASSERT_TRUE(store.writeBinary(kSharedKey, "MemoA", small.data(), small.size()));

    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        for (int i = 0; i < 300; ++i) {
            const std::vector<uint8_t>& v = (i % 2) ? small : large;
            if (!store.writeBinary(kSharedKey, "MemoA", v.data(), v.size()))
                _exit(1);
        }
        _exit(0);
    }
    int failures = 0;
    for (int i = 0; i < 300; ++i) {
        std::vector<uint8_t> data;
        if (!store.readBinary(kSharedKey, "MemoA", data) || (data != small && data != large))
            ++failures;
    }
    int status = 0;
    waitpid(writer, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(failures, 0);
}

class FakeStore : public HRXSettingsStore {
public:
    bool writeBinary(const char*, const char*, const void*, size_t) override { return false; }
    bool writeString(const char*, const char*, const char*) override { return false; }
    bool readBinary(const char*, const char*, std::vector<uint8_t>&) override { return false; }
    bool readString(const char*, const char*, std::string&) override { return false; }
};

TEST(SettingsStoreAccess, ReplacementAndDefault) {
    FakeStore fake;
    setSettingsStore(&fake);
    EXPECT_EQ(&getSettingsStore(), &fake);
    setSettingsStore(nullptr);
    EXPECT_NE(dynamic_cast<HRXFileSettingsStore*>(&getSettingsStore()), nullptr);
}

}  // namespace
