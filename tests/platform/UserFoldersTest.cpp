#include "HRXUserFolders.h"

#include "HRXFileSystem.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

class UserFolders : public ::testing::Test {
protected:
    void SetUp() override {
        save("USERPROFILE", profile_, hadProfile_);
        save("HOME", home_, hadHome_);
    }
    void TearDown() override {
        hadProfile_ ? setenv("USERPROFILE", profile_.c_str(), 1) : unsetenv("USERPROFILE");
        hadHome_ ? setenv("HOME", home_.c_str(), 1) : unsetenv("HOME");
    }
    static void save(const char* name, std::string& value, bool& had) {
        const char* v = std::getenv(name);
        had = v != nullptr;
        value = had ? v : "";
    }
    TempFolder temp_;
    std::string profile_, home_;
    bool hadProfile_ = false, hadHome_ = false;
};

TEST_F(UserFolders, ProfileWinsOverHomeAndEveryLevelIsCreated) {
    ASSERT_TRUE(createFolder(temp_ / "profile"));
    setenv("USERPROFILE", (temp_ / "profile").c_str(), 1);
    setenv("HOME", (temp_ / "home").c_str(), 1);
    const std::string folder = makeUserPresetFolder("maker.example", "User Presets", "HRX velvaTon");
    EXPECT_EQ(folder, temp_ / "profile/Documents/maker.example/User Presets/HRX velvaTon");
    EXPECT_TRUE(folderExists(folder));
    EXPECT_FALSE(folderExists(temp_ / "home"));
}

TEST_F(UserFolders, FallsBackToHome) {
    unsetenv("USERPROFILE");
    setenv("HOME", temp_.path().c_str(), 1);
    EXPECT_EQ(userProfileFolder(), temp_.path());
    setenv("USERPROFILE", "", 1);
    EXPECT_EQ(userProfileFolder(), temp_.path());
    const std::string folder = makeUserPresetFolder("m", "User Presets", "HRX velvaTon");
    EXPECT_EQ(folder, temp_ / "Documents/m/User Presets/HRX velvaTon");
    EXPECT_TRUE(folderExists(folder));
}

TEST_F(UserFolders, BlockedLevelLeavesThePathWithoutAFolder) {
    setenv("USERPROFILE", temp_.path().c_str(), 1);
    ASSERT_TRUE(createFolder(temp_ / "Documents"));
    ASSERT_TRUE(createFolder(temp_ / "Documents/m"));
    std::ofstream(temp_ / "Documents/m/User Presets") << "a file in the way";
    const std::string folder = makeUserPresetFolder("m", "User Presets", "HRX velvaTon");
    EXPECT_EQ(folder, temp_ / "Documents/m/User Presets/HRX velvaTon");
    EXPECT_FALSE(folderExists(folder));
}

TEST_F(UserFolders, NoProfileNoFolder) {
    unsetenv("USERPROFILE");
    unsetenv("HOME");
    EXPECT_EQ(makeUserPresetFolder("m", "User Presets", "HRX velvaTon"), "");
}

}  // namespace
