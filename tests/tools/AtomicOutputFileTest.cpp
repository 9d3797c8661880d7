#include "AtomicOutputFile.h"
#include "ToolTestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(AtomicOutputFile, AppearsOnlyOnCommit) {
    ScratchFolder folder;
    const std::string target = folder.file("result.bin");
    std::string error;
    {
        AtomicOutputFile file(target);
        ASSERT_TRUE(file.open(error)) << error;
        ASSERT_EQ(write(file.descriptor(), "abc", 3), 3);
        EXPECT_FALSE(fileExists(target));
    }
    EXPECT_TRUE(folder.entries().empty());  // dropped without commit: nothing left

    writeBytes(target, "old");
    {
        AtomicOutputFile file(target);
        ASSERT_TRUE(file.open(error)) << error;
        ASSERT_EQ(write(file.descriptor(), "new", 3), 3);
        EXPECT_EQ(readBytes(target), "old");
        ASSERT_TRUE(file.commit(error)) << error;
    }
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"result.bin"});

    AtomicOutputFile nowhere(folder.file("missing/result.bin"));
    EXPECT_FALSE(nowhere.open(error));
    EXPECT_NE(error.find("missing/result.bin"), std::string::npos);
}

}  // namespace
