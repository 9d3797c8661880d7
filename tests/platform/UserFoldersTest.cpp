#include "HRXUserFolders.h"

#include "HRXFileSystem.h"
#include "ScopedEnv.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

class UserFolders : public ::testing::Test {
protected:
    std::string make() { return makeUserPresetFolder("m", "User Presets", "HRX velvaTon"); }
    TempFolder temp_;
    ScopedEnv profile_{"USERPROFILE", nullptr};
    ScopedEnv home_{"HOME", nullptr};
};

TEST_F(UserFolders, ProfileWinsOverHomeAndEveryLevelIsCreated) {
    ASSERT_TRUE(createFolder(temp_ / "profile"));
    profile_.set((temp_ / "profile").c_str());
    home_.set((temp_ / "home").c_str());
    const std::string folder = makeUserPresetFolder("maker.example", "User Presets", "HRX velvaTon");
    EXPECT_EQ(folder, temp_ / "profile/Documents/maker.example/User Presets/HRX velvaTon");
    EXPECT_TRUE(folderExists(folder));
    EXPECT_FALSE(folderExists(temp_ / "home"));
}

TEST_F(UserFolders, FallsBackToHomeAndWithoutEitherGivesNoFolder) {
    EXPECT_EQ(make(), "");
    home_.set(temp_.path().c_str());
    EXPECT_EQ(userProfileFolder(), temp_.path());
    profile_.set("");
    EXPECT_EQ(userProfileFolder(), temp_.path());
    const std::string folder = make();
    EXPECT_EQ(folder, temp_ / "Documents/m/User Presets/HRX velvaTon");
    EXPECT_TRUE(folderExists(folder));
}

TEST_F(UserFolders, BlockedLevelLeavesThePathWithoutAFolder) {
    profile_.set(temp_.path().c_str());
    ASSERT_TRUE(createFolder(temp_ / "Documents"));
    ASSERT_TRUE(createFolder(temp_ / "Documents/m"));
    std::ofstream(temp_ / "Documents/m/User Presets") << "a file in the way";
    const std::string folder = make();
    EXPECT_EQ(folder, temp_ / "Documents/m/User Presets/HRX velvaTon");
    EXPECT_FALSE(folderExists(folder));
}

}  // namespace
