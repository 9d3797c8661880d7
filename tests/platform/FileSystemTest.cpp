#include "HRXFileSystem.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(FileSystem, ListsFilesAndFoldersSortedWithoutDotEntries) {
    TempFolder temp;
    ASSERT_TRUE(createFolder(temp / "b folder"));
    ASSERT_TRUE(createFolder(temp / ".hidden"));
    std::ofstream(temp / "a.hrx") << "x";
    std::ofstream(temp / "C.HRX") << "x";
    ASSERT_EQ(symlink((temp / "b folder").c_str(), (temp / "link").c_str()), 0);

    std::vector<HRXDirectoryEntry> entries;
    ASSERT_TRUE(listDirectory(temp.path(), entries));
    std::vector<std::string> names;
    std::vector<bool> folders;
    for (const HRXDirectoryEntry& e : entries) {
        names.push_back(e.name);
        folders.push_back(e.isDirectory);
    }
    EXPECT_EQ(names, (std::vector<std::string>{".hidden", "C.HRX", "a.hrx", "b folder", "link"}));
    EXPECT_EQ(folders, (std::vector<bool>{true, false, false, true, true}));

    EXPECT_FALSE(listDirectory(temp / "missing", entries));
    EXPECT_TRUE(entries.empty());
}

TEST(FileSystem, CreatesOneLevel) {
    TempFolder temp;
    EXPECT_TRUE(createFolder(temp / "one"));
    EXPECT_TRUE(createFolder(temp / "one"));  // existing is fine
    EXPECT_TRUE(folderExists(temp / "one"));
    EXPECT_FALSE(createFolder(temp / "two/three"));  // parent missing
    std::ofstream(temp / "file") << "x";
    EXPECT_FALSE(createFolder(temp / "file"));  // a file is in the way
    EXPECT_FALSE(folderExists(temp / "file"));
}

TEST(FileSystem, ReadsWholeReadOnlyFilesWithinTheLimit) {
    TempFolder temp;
    const std::string path = temp / "data";
    std::ofstream(path) << std::string(5000, 'q');
    chmod(path.c_str(), 0444);
    std::vector<uint8_t> data;
    ASSERT_TRUE(readWholeFile(path, data, 5000));
    EXPECT_EQ(data.size(), 5000u);
    EXPECT_FALSE(readWholeFile(path, data, 4999));
    EXPECT_TRUE(data.empty());
    EXPECT_FALSE(readWholeFile(temp.path(), data, 100));  // a folder is not a file
    EXPECT_FALSE(readWholeFile(temp / "missing", data, 100));
    // A FIFO named like a preset must be refused, not wait for a writer.
    ASSERT_EQ(mkfifo((temp / "pipe.hrx").c_str(), 0600), 0);
    EXPECT_FALSE(readWholeFile(temp / "pipe.hrx", data, 100));
}

TEST(FileSystem, AtomicWriteReplacesWholeOrNotAtAll) {
    TempFolder temp;
    const std::string path = temp / "preset.hrx";
    ASSERT_TRUE(writeFileAtomically(path, "first", 5));
    ASSERT_TRUE(writeFileAtomically(path, "second!", 7));
    std::vector<uint8_t> data;
    ASSERT_TRUE(readWholeFile(path, data, 100));
    EXPECT_EQ(std::string(data.begin(), data.end()), "second!");

    EXPECT_FALSE(writeFileAtomically(temp / "missing/x.hrx", "x", 1));
    ASSERT_TRUE(createFolder(temp / "dir.hrx"));
    std::ofstream(temp / "dir.hrx/keep") << "k";
    EXPECT_FALSE(writeFileAtomically(temp / "dir.hrx", "x", 1));

    std::vector<HRXDirectoryEntry> entries;
    ASSERT_TRUE(listDirectory(temp.path(), entries));
    ASSERT_EQ(entries.size(), 2u);  // no temporary file left behind
    EXPECT_EQ(entries[0].name, "dir.hrx");
    EXPECT_EQ(entries[1].name, "preset.hrx");
}

// What the user set up on a file stays: a link is written through, the
// permissions are kept, a write-protected file is refused.
TEST(FileSystem, AtomicWriteKeepsLinksPermissionsAndProtection) {
    TempFolder temp;
    ASSERT_TRUE(createFolder(temp / "store"));
    const std::string target = temp / "store/kick.hrx";
    ASSERT_TRUE(writeFileAtomically(target, "old", 3));
    ASSERT_EQ(0, chmod(target.c_str(), 0640));
    ASSERT_EQ(0, symlink("store/kick.hrx", (temp / "link.hrx").c_str()));
    ASSERT_TRUE(writeFileAtomically(temp / "link.hrx", "new!", 4));
    struct stat info;
    ASSERT_EQ(0, lstat((temp / "link.hrx").c_str(), &info));
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    std::vector<uint8_t> data;
    ASSERT_TRUE(readWholeFile(target, data, 100));
    EXPECT_EQ("new!", std::string(data.begin(), data.end()));
    ASSERT_EQ(0, stat(target.c_str(), &info));
    EXPECT_EQ(0640u, info.st_mode & 07777);

    ASSERT_EQ(0, chmod(target.c_str(), 0444));
    EXPECT_TRUE(isWriteProtected(target));
    EXPECT_FALSE(writeFileAtomically(temp / "link.hrx", "lost", 4));
    ASSERT_TRUE(readWholeFile(target, data, 100));
    EXPECT_EQ("new!", std::string(data.begin(), data.end()));
    EXPECT_FALSE(isWriteProtected(temp / "missing.hrx"));
}

}  // namespace
