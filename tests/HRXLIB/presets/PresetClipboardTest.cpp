#include "HRXPresetContainer.h"
#include "HRXPresetManager.h"
#include "HRXSettingsStore.h"
#include "RecordingSink.h"

#include <cstring>
#include <string>

#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

extern char** environ;

namespace {

const char kChildVariable[] = "VELVATON_CLIPBOARD_CHILD";
using PresetClipboardTest = ManagerTest;

void storeClipboard(const std::vector<uint8_t>& bytes) {
    ASSERT_TRUE(getSettingsStore().writeBinary("SOFTWARE\\Bracken-works\\HRXVT1", "MemoA", bytes.data(), bytes.size()));
}

// "clipboard HH:MM:SS"
bool isClipboardName(const char* name) {
    return std::strlen(name) == 18 && std::strncmp(name, "clipboard ", 10) == 0 && name[12] == ':' && name[15] == ':';
}

TEST_F(PresetClipboardTest, OutOfRangeValueUndoesTheWholeWalk) {
    HRXPresetRecord record = manager_->setupA.current;
    setPresetRecordName(record, "Hostile");
    record.values[2] = 0.0f;
    record.values[3] = 1.5f;  // after the name and parameter 2 in the walk
    storeClipboard(serializePreset(record, 0, 100));
    manager_->pasteFromClipboard();
    // The clipboard record keeps "Default" from construction, and that is pasted.
    EXPECT_STREQ(manager_->clipboardRecord.name, "Default");
    EXPECT_EQ(manager_->clipboardRecord.values[2], 0.5f);
    EXPECT_STREQ(manager_->getActiveCurrent()->name, "Default");
    EXPECT_EQ(current(3), 0.5f);
    EXPECT_EQ(manager_->presetIndex, -1);
}

TEST_F(PresetClipboardTest, DamagedShortOrForeignValuesPasteNothing) {
    manager_->selectPreset(15);
    HRXPresetRecord record = manager_->setupA.current;
    record.values[4] = 0.9f;
    std::vector<uint8_t> overclaiming = serializePreset(record, 0, 100);
    overclaiming.pop_back();  // claims one byte more than it holds
    for (const std::vector<uint8_t>& value : {overclaiming, std::vector<uint8_t>{'N', 'T', 'V', 'H'},
                                              std::vector<uint8_t>{'A', 'B', 'C', 'D', 0x22, 0, 0, 0}}) {
        storeClipboard(value);
        sink_.received.clear();
        manager_->pasteFromClipboard();
        EXPECT_EQ(manager_->presetIndex, 15);
        EXPECT_STREQ(manager_->getActiveCurrent()->name, "Kick");
        EXPECT_EQ(current(4), 0.3f);
        EXPECT_TRUE(sink_.received.empty());
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
    EXPECT_TRUE(isClipboardName(manager.clipboardRecord.name)) << manager.clipboardRecord.name;
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

    // The paste restores the setup without history and unmodified.
    manager_->pasteFromClipboard();
    EXPECT_TRUE(isClipboardName(manager_->getActiveCurrent()->name)) << manager_->getActiveCurrent()->name;
    const std::pair<int, float> kick[] = {{0, 1.0f}, {2, 0.5f},   {3, 0.5f}, {4, 0.3f},
                                          {5, 0.5f}, {6, 0.133f}, {7, 0.5f}};
    for (const auto& [index, value] : kick)
        EXPECT_EQ(current(index), value) << index;
    EXPECT_EQ(manager_->presetIndex, -1);
    EXPECT_EQ(sink_.last(6), 0.133f);
    EXPECT_EQ(std::memcmp(manager_->getActiveReference(), manager_->getActiveCurrent(), sizeof(HRXPresetRecord)), 0);
    EXPECT_EQ(*manager_->getActiveModified(), 0);
    EXPECT_EQ(manager_->head, 0);
}

}  // namespace
