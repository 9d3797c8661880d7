#include "HRXSettingsStore.h"

#include "HRXFileSystem.h"
#include "ScopedEnv.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

bool write(HRXSettingsStore& store, const char* key, const char* name, const std::vector<uint8_t>& v) {
    return store.writeBinary(key, name, v.data(), v.size());
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<HRXDirectoryEntry> entries;
    listDirectory(folder, entries);
    std::vector<std::string> names;
    for (const HRXDirectoryEntry& e : entries)
        names.push_back(e.name);
    return names;
}

TEST(FileSettingsStore, CreatesKeyOnWriteReplacesOneValueAndKeepsTheOthers) {
    TempFolder temp;
    const std::string root = temp / "config";  // does not exist yet
    HRXFileSettingsStore store(root);
    std::vector<uint8_t> data;
    EXPECT_FALSE(store.readBinary(kGlobalKey, "HRXVT1: 59", data));

    const std::vector<uint8_t> hints = floatBytes(1.0f), zoom = floatBytes(0.125f);
    ASSERT_TRUE(write(store, kGlobalKey, "HRXVT1: 57", hints));
    ASSERT_TRUE(write(store, kGlobalKey, "HRXVT1: 59", std::vector<uint8_t>(433, 0xab)));
    ASSERT_TRUE(write(store, kGlobalKey, "HRXVT1: 59", zoom));
    ASSERT_TRUE(store.writeString(kSharedKey, "ManualPath", "/opt/manual \"x\".pdf"));

    EXPECT_EQ(store.fileForKey(kGlobalKey), root + "/Bracken-works/HRXVTME1.settings");
    ASSERT_TRUE(store.readBinary(kGlobalKey, "HRXVT1: 57", data));
    EXPECT_EQ(data, hints);
    ASSERT_TRUE(store.readBinary(kGlobalKey, "HRXVT1: 59", data));
    EXPECT_EQ(data, zoom);
    std::string path;
    ASSERT_TRUE(store.readString(kSharedKey, "ManualPath", path));
    EXPECT_EQ(path, "/opt/manual \"x\".pdf");
    // Only the keys' files are left: no temporary files.
    EXPECT_EQ(namesIn(root + "/Bracken-works"), (std::vector<std::string>{"HRXVT1.settings", "HRXVTME1.settings"}));

    // The other type, another value or another key reads as missing.
    EXPECT_FALSE(store.readString(kGlobalKey, "HRXVT1: 59", path));
    EXPECT_FALSE(store.readBinary(kSharedKey, "ManualPath", data));
    EXPECT_FALSE(store.readBinary(kSharedKey, "MemoA", data));
    EXPECT_FALSE(store.readBinary("SOFTWARE\\Bracken-works\\Other", "HRXVT1: 59", data));
    EXPECT_TRUE(data.empty());
}

TEST(FileSettingsStore, DamagedFileReadsAsMissingAndIsReplacedByTheNextWrite) {
    TempFolder temp;
    HRXFileSettingsStore store(temp.path());
    ASSERT_TRUE(write(store, kGlobalKey, "HRXVT1: 59", floatBytes(0.2f)));
    const std::string file = store.fileForKey(kGlobalKey);

    std::ifstream in(file, std::ios::binary);
    const std::string good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<uint8_t> data;
    for (const std::string& damaged : {good.substr(0, good.size() - 3),
                                       std::string("\x7f"
                                                   "ELF\0\0garbage",
                                                   12),
                                       good + "binary \"HRXVT1: 57\" 0000803f\n"}) {
        std::ofstream(file, std::ios::binary) << damaged;
        EXPECT_FALSE(store.readBinary(kGlobalKey, "HRXVT1: 59", data));
        EXPECT_TRUE(data.empty());
    }
    const std::vector<uint8_t> hints = floatBytes(0.0f);
    ASSERT_TRUE(write(store, kGlobalKey, "HRXVT1: 57", hints));
    ASSERT_TRUE(store.readBinary(kGlobalKey, "HRXVT1: 57", data));
    EXPECT_EQ(data, hints);
}

TEST(FileSettingsStore, FailedWriteLeavesNoTraceAndOldStateWhole) {
    TempFolder temp;
    HRXFileSettingsStore store(temp.path());
    // A folder where the key's file belongs: the final rename must fail.
    ASSERT_TRUE(createFolder(temp / "Bracken-works"));
    ASSERT_TRUE(createFolder(temp / "Bracken-works/HRXVT1.settings"));
    std::ofstream(temp / "Bracken-works/HRXVT1.settings/keep") << "x";
    EXPECT_FALSE(write(store, kSharedKey, "MemoA", {1}));
    EXPECT_EQ(namesIn(temp / "Bracken-works"), std::vector<std::string>{"HRXVT1.settings"});
    EXPECT_EQ(namesIn(temp / "Bracken-works/HRXVT1.settings"), std::vector<std::string>{"keep"});
}

TEST(FileSettingsStore, RefusesKeysThatLeaveTheRoot) {
    TempFolder temp;
    HRXFileSettingsStore store(temp / "root");
    for (const char* key : {"SOFTWARE\\..\\escape", "SOFTWARE\\a/b", "SOFTWARE\\\\x", "", "."}) {
        EXPECT_EQ(store.fileForKey(key), "") << key;
        EXPECT_FALSE(write(store, key, "v", {1})) << key;
    }
    EXPECT_FALSE(folderExists(temp / "root"));
    EXPECT_FALSE(folderExists(temp / "escape.settings"));
}

TEST(FileSettingsStore, DefaultRootFollowsTheEnvironment) {
    ScopedEnv config("XDG_CONFIG_HOME", "/cfg/here");
    ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(HRXFileSettingsStore::defaultRoot(), "/cfg/here");
    EXPECT_EQ(HRXFileSettingsStore().fileForKey(kSharedKey), "/cfg/here/Bracken-works/HRXVT1.settings");
    config.set("relative");  // not absolute: ignored
    EXPECT_EQ(HRXFileSettingsStore::defaultRoot(), "/home/someone/.config");
    config.set(nullptr);
    EXPECT_EQ(HRXFileSettingsStore::defaultRoot(), "/home/someone/.config");
}

// A reader in one process never sees a torn file while another process
// rewrites the key again and again.
TEST(FileSettingsStore, ConcurrentReaderNeverSeesATornFile) {
    TempFolder temp;
    HRXFileSettingsStore store(temp.path());
    const std::vector<uint8_t> small(4, 0x11), large(4000, 0x22);
    ASSERT_TRUE(write(store, kSharedKey, "MemoA", small));

    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        for (int i = 0; i < 300; ++i)
            if (!write(store, kSharedKey, "MemoA", (i % 2) ? small : large))
                _exit(1);
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

}  // namespace
