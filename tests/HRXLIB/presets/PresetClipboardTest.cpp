#include "HRXPresetContainer.h"
#include "HRXPresetManager.h"
#include "HRXSettingsStore.h"
#include "PresetTestSupport.h"
#include "RecordingSink.h"

#include <memory>

#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

extern char** environ;

namespace {

const char kClipboardKey[] = "SOFTWARE\\Bracken-works\\HRXVT1";
const char kChildVariable[] = "VELVATON_CLIPBOARD_CHILD";

class PresetClipboardTest : public ::testing::Test {
protected:
    PresetClipboardTest() : manager(new HRXPresetManager(&sink)) { sink.manager = manager.get(); }

    void storeClipboard(const std::vector<uint8_t>& bytes) {
        ASSERT_TRUE(getSettingsStore().writeBinary(kClipboardKey, "MemoA", bytes.data(), bytes.size()));
    }

    TemporaryUserHome home;
    ManualClock clock;
    RecordingSink sink;
    std::unique_ptr<HRXPresetManager> manager;
};

bool isClipboardName(const char* name) {
    // "clipboard HH:MM:SS"
    return std::strlen(name) == 18 && std::strncmp(name, "clipboard ", 10) == 0 && name[12] == ':' &&
           name[15] == ':';
}

TEST_F(PresetClipboardTest, CopyThenPasteRestoresTheSetupWithoutHistory) {
    manager->selectPreset(15);  // "Kick"
    manager->copyToClipboard();
    EXPECT_TRUE(isClipboardName(manager->clipboardRecord.name)) << manager->clipboardRecord.name;
    manager->selectPreset(0);
    const int32_t head = manager->head;
    sink.received.clear();

    manager->pasteFromClipboard();
    EXPECT_EQ(manager->presetIndex, -1);
    EXPECT_TRUE(isClipboardName(manager->getActiveCurrent()->name));
    EXPECT_EQ(manager->getActiveCurrent()->values[4], 0.3f);
    EXPECT_EQ(std::memcmp(manager->getActiveReference(), manager->getActiveCurrent(), sizeof(HRXPresetRecord)), 0);
    EXPECT_EQ(*manager->getActiveModified(), 0);
    EXPECT_EQ(sink.last(4), 0.3f);
    EXPECT_EQ(manager->head, head);
}

TEST_F(PresetClipboardTest, OutOfRangeValueUndoesTheWholeWalk) {
    HRXPresetRecord record = manager->setupA.current;
    setPresetRecordName(record, "Hostile");
    record.values[2] = 0.0f;
    record.values[3] = 1.5f;  // after the name and parameter 2 in the walk
    storeClipboard(serializePreset(record, 0, 100));
    manager->pasteFromClipboard();
    // The clipboard record keeps "Default" from construction, and that is pasted.
    EXPECT_STREQ(manager->clipboardRecord.name, "Default");
    EXPECT_EQ(manager->clipboardRecord.values[2], 0.5f);
    EXPECT_STREQ(manager->getActiveCurrent()->name, "Default");
    EXPECT_EQ(manager->getActiveCurrent()->values[3], 0.5f);
    EXPECT_EQ(manager->presetIndex, -1);
}

TEST_F(PresetClipboardTest, DamagedShortOrForeignValuesPasteNothing) {
    manager->selectPreset(15);
    HRXPresetRecord record = manager->setupA.current;
    record.values[4] = 0.9f;
    std::vector<uint8_t> bytes = serializePreset(record, 0, 100);
    bytes.resize(bytes.size() - 1);  // claims one byte more than it holds
    const std::vector<std::vector<uint8_t>> refused = {
        bytes, {'N', 'T', 'V', 'H'}, {'A', 'B', 'C', 'D', 0x22, 0, 0, 0}};
    for (const std::vector<uint8_t>& value : refused) {
        storeClipboard(value);
        sink.received.clear();
        manager->pasteFromClipboard();
        EXPECT_EQ(manager->presetIndex, 15);
        EXPECT_STREQ(manager->getActiveCurrent()->name, "Kick");
        EXPECT_EQ(manager->getActiveCurrent()->values[4], 0.3f);
        EXPECT_TRUE(sink.received.empty());
    }
}

// The second process of CopyInOneProcessPasteInAnother: copies "Kick".
TEST(ClipboardChildProcess, CopiesKick) {
    if (!std::getenv(kChildVariable))
        GTEST_SKIP() << "runs only as the copying process of the clipboard test";
    RecordingSink sink;
    HRXPresetManager manager(&sink);
    manager.selectPreset(15);
    manager.copyToClipboard();
}

TEST_F(PresetClipboardTest, CopyInOneProcessPasteInAnother) {
    // The child inherits HOME and XDG_CONFIG_HOME of this test's temporary home.
    std::string self(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", self.data(), self.size() - 1);
    ASSERT_GT(length, 0);
    self.resize(static_cast<size_t>(length));
    std::string filter = "--gtest_filter=ClipboardChildProcess.CopiesKick";
    char* argv[] = {self.data(), filter.data(), nullptr};
    setenv(kChildVariable, "1", 1);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), nullptr, nullptr, argv, environ);
    unsetenv(kChildVariable);
    ASSERT_EQ(spawned, 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    manager->pasteFromClipboard();
    EXPECT_TRUE(isClipboardName(manager->getActiveCurrent()->name)) << manager->getActiveCurrent()->name;
    const float kick[12] = {1.0f, 0.0f, 0.5f, 0.5f, 0.3f, 0.5f, 0.133f, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f};
    for (int i = 0; i < 12; ++i) {
        if (i == 1 || i >= 8)
            continue;  // spare slots are not in the container
        EXPECT_EQ(manager->getActiveCurrent()->values[i], kick[i]) << i;
    }
    EXPECT_EQ(manager->presetIndex, -1);
    EXPECT_EQ(sink.last(6), 0.133f);
}

}  // namespace
