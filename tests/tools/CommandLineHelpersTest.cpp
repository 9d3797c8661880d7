#include "AtomicOutputFile.h"
#include "ParameterArgument.h"
#include "RenderOptions.h"
#include "ToolTestSupport.h"
#include "velvaTonParameters.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(ParameterArgument, NamesOfTheSevenHostParametersOnly) {
    EXPECT_EQ(findHostParameterByName("Process"), kProcess);
    EXPECT_EQ(findHostParameterByName("AttackRatio"), kAttackRatio);
    EXPECT_EQ(findHostParameterByName("valvelevel"), kValveLevel);
    EXPECT_EQ(findHostParameterByName("Gain Reduction"), -1);  // an output
    EXPECT_EQ(findHostParameterByName(" "), -1);               // spare slots
    EXPECT_EQ(findHostParameterByName(""), -1);
    EXPECT_EQ(hostParameterNames(), "Process, Ratio, AttackRatio, Time, Compression, Output, ValveLevel");
}

TEST(ParameterArgument, AssignmentsAreCheckedForNameRangeAndNumber) {
    int32_t index = -1;
    double value = -1.0;
    std::string error;
    ASSERT_TRUE(parseParameterAssignment("Ratio=0.25", index, value, error));
    EXPECT_EQ(index, kRatio);
    EXPECT_EQ(value, 0.25);
    ASSERT_TRUE(parseParameterAssignment("Output=1", index, value, error));
    EXPECT_EQ(value, 1.0);
    ASSERT_TRUE(parseParameterAssignment("Time=0", index, value, error));

    const struct {
        const char* text;
        const char* message;
    } refused[] = {
        {"Ratio", "NAME=VALUE"},
        {"Loudness=0.5", "unknown parameter 'Loudness'"},
        {"Ratio=1.5", "outside 0 to 1"},
        {"Ratio=-0.1", "outside 0 to 1"},
        {"Ratio=abc", "not a number"},
        {"Ratio=", "not a number"},
        {"Ratio=0.5x", "not a number"},
        {"Ratio=nan", "not a number"},
        {"Ratio=inf", "not a number"},
    };
    for (const auto& c : refused) {
        error.clear();
        EXPECT_FALSE(parseParameterAssignment(c.text, index, value, error)) << c.text;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.text << ": " << error;
    }
}

TEST(RenderOptions, ParsesFilesSettingsAndBlock) {
    const char* args[] = {"in.wav", "--set", "Ratio=1", "out.wav", "--block", "64", "--set", "Ratio=0"};
    RenderOptions options;
    std::string error;
    ASSERT_TRUE(parseRenderOptions(8, const_cast<char**>(args), options, error)) << error;
    EXPECT_EQ(options.inputPath, "in.wav");
    EXPECT_EQ(options.outputPath, "out.wav");
    EXPECT_EQ(options.blockFrames, 64u);
    ASSERT_EQ(options.assignments.size(), 2u);
    EXPECT_EQ(options.assignments[1].value, 0.0);  // later settings win: kept in order

    uint32_t frames = 0;
    EXPECT_FALSE(parseBlockFrames("0", frames, error));
    EXPECT_FALSE(parseBlockFrames("-4", frames, error));
    EXPECT_FALSE(parseBlockFrames("12k", frames, error));
    EXPECT_FALSE(parseBlockFrames("99999999999999999999", frames, error));
    EXPECT_TRUE(parseBlockFrames("1", frames, error));
    EXPECT_EQ(frames, 1u);
}

TEST(AtomicOutputFile, AppearsOnlyOnCommit) {
    ScratchFolder folder;
    const std::string target = folder.file("result.bin");
    {
        AtomicOutputFile file(target);
        std::string error;
        ASSERT_TRUE(file.open(error)) << error;
        ASSERT_EQ(write(file.descriptor(), "abc", 3), 3);
        EXPECT_FALSE(fileExists(target));
    }
    EXPECT_TRUE(folder.entries().empty());  // dropped without commit: nothing left

    writeBytes(target, "old");
    {
        AtomicOutputFile file(target);
        std::string error;
        ASSERT_TRUE(file.open(error));
        ASSERT_EQ(write(file.descriptor(), "new", 3), 3);
        EXPECT_EQ(readBytes(target), "old");
        ASSERT_TRUE(file.commit(error)) << error;
    }
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(folder.entries(), std::vector<std::string> {"result.bin"});

    AtomicOutputFile nowhere(folder.file("missing/result.bin"));
    std::string error;
    EXPECT_FALSE(nowhere.open(error));
    EXPECT_NE(error.find("missing/result.bin"), std::string::npos);
}

}  // namespace
