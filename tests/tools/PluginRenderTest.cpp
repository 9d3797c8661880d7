// render through the plug-in library: bypass, host automation, saved and
// restored state; describe; the automation lane itself.
#include "AutomationLane.h"
#include "ToolTestSupport.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <utility>

namespace {

std::vector<float> burstSignal(size_t frames) {
    std::vector<float> out(frames);
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / 48000.0;
        out[i] =
            static_cast<float>(0.6 * std::sin(6.283185307179586 * 90.0 * t) * (std::fmod(t, 0.2) < 0.1 ? 1.0 : 0.2));
    }
    return out;
}

std::vector<float> samplesOf(const std::string& path) {
    const TestAudio audio = readTestAudio(path);
    EXPECT_FALSE(audio.channels.empty()) << path;
    return audio.channels.empty() ? std::vector<float>() : audio.channels[0];
}

class PluginRender : public ::testing::Test {
protected:
    void SetUp() override {
        input_ = folder_.file("in.wav");
        writeTestAudio(input_, 48000, {burstSignal(24000), burstSignal(24000)}, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    }
    ToolRun render(const std::string& output, std::vector<std::string> extra) {
        std::vector<std::string> args = {"render", input_, folder_.file(output)};
        args.insert(args.end(), extra.begin(), extra.end());
        return runVelvaton(args);
    }

    ScratchFolder folder_;
    std::string input_;
};

TEST_F(PluginRender, SavedStateRestoresTheSameSound) {
    ASSERT_EQ(0, render("a.wav",
                        {"--set", "Compression=0.9", "--set", "Output=0.4", "--save-state", folder_.file("state.bin")})
                     .exitCode);
    EXPECT_EQ(1233u, readBytes(folder_.file("state.bin")).size());
    ASSERT_EQ(0, render("b.wav", {"--state", folder_.file("state.bin")}).exitCode);
    ASSERT_EQ(0, render("c.wav", {}).exitCode);
    EXPECT_EQ(samplesOf(folder_.file("a.wav")), samplesOf(folder_.file("b.wav")));
    EXPECT_NE(samplesOf(folder_.file("a.wav")), samplesOf(folder_.file("c.wav")));

    // --set after --state edits on top of the restored state.
    ASSERT_EQ(0, render("d.wav", {"--state", folder_.file("state.bin"), "--set", "Output=0.15"}).exitCode);
    ASSERT_EQ(0, render("e.wav", {"--set", "Compression=0.9"}).exitCode);
    EXPECT_EQ(samplesOf(folder_.file("d.wav")), samplesOf(folder_.file("e.wav")));
}

TEST_F(PluginRender, BypassPassesTheInputThrough) {
    ASSERT_EQ(0, render("out.wav", {"--bypass", "--set", "Compression=1"}).exitCode);
    EXPECT_EQ(burstSignal(24000), samplesOf(folder_.file("out.wav")));
}

TEST_F(PluginRender, AutomationFromTheStartSoundsLikeTheSetting) {
    ASSERT_EQ(0, render("set.wav", {"--set", "Compression=0.9", "--block", "64"}).exitCode);
    ASSERT_EQ(0, render("lane.wav", {"--automate", "Compression=0:0.9", "--block", "64"}).exitCode);
    EXPECT_EQ(samplesOf(folder_.file("set.wav")), samplesOf(folder_.file("lane.wav")));

    // A lane that starts later leaves the first blocks as they were.
    ASSERT_EQ(0, render("plain.wav", {"--block", "100"}).exitCode);
    ASSERT_EQ(0, render("late.wav", {"--automate", "Compression=0.25:0,0.4:1", "--block", "100"}).exitCode);
    const std::vector<float> plain = samplesOf(folder_.file("plain.wav"));
    const std::vector<float> late = samplesOf(folder_.file("late.wav"));
    ASSERT_EQ(plain.size(), late.size());
    EXPECT_TRUE(std::equal(plain.begin(), plain.begin() + 12000, late.begin()));
    EXPECT_NE(plain, late);
}

TEST_F(PluginRender, BadStateOrAutomationIsRefusedWithoutOutput) {
    writeBytes(folder_.file("short.bin"), "0123456789");
    const struct {
        std::vector<std::string> options;
        int exitCode;
        const char* message;
    } cases[] = {{{"--state", folder_.file("short.bin")}, 1, "state"},
                 {{"--automate", "Compression=1:0.5,0.5:0.2"}, 2, ""},
                 {{"--automate", "Compression=0:1.5"}, 2, ""},
                 {{"--block", "4097"}, 2, "4097"},
                 {{"--save-state", folder_.file("missing/state.bin")}, 1, "state.bin"}};
    for (const auto& c : cases) {
        const ToolRun run = render("out.wav", c.options);
        EXPECT_EQ(c.exitCode, run.exitCode) << c.options[1];
        EXPECT_NE(std::string::npos, run.err.find(c.message)) << run.err;
        EXPECT_FALSE(fileExists(folder_.file("out.wav")));
    }
}

TEST(Describe, PrintsTheDescriptionParametersAndMeters) {
    const ToolRun run = runVelvaton({"describe"});
    ASSERT_EQ(0, run.exitCode) << run.err;
    for (const char* expected :
         {"\"Brackenworks\"", "2210", "'VTNm' (\"mNTV\")", "'VTNs'", "'VTNa'", "0x10002", "\"MasterBypassID\"",
          "\"Master Bypass\"", "\"6: Output\"", "meters (67)", "'mtcA' (\"Actm\")", "HRXvelvaTonPageTables.xml"})
        EXPECT_NE(std::string::npos, run.out.find(expected)) << expected;
    EXPECT_EQ(1, runVelvaton({"describe", "/no/such/library.so"}).exitCode);
}

TEST(AutomationLaneTest, MovesLinearlyBetweenPointsAndHoldsAfterTheLast) {
    AutomationLane lane;
    std::string error;
    ASSERT_TRUE(parseAutomationLane("compression=1:0.2,3:0.6,3:1", lane, error)) << error;
    EXPECT_EQ(5, lane.index);
    double value = -1.0;
    EXPECT_FALSE(lane.valueAt(0.5, value));
    // Equal times are a jump; after the last point the value holds.
    for (const auto& [time, expected] : {std::pair{1.0, 0.2}, {2.0, 0.4}, {3.0, 1.0}, {10.0, 1.0}}) {
        EXPECT_TRUE(lane.valueAt(time, value));
        EXPECT_DOUBLE_EQ(expected, value) << time;
    }
    for (const char* refused : {"Compression", "Compression=-1:0.5", "Compression=1:0.5,", "Nothing=1:0.5"})
        EXPECT_FALSE(parseAutomationLane(refused, lane, error)) << refused;
}

}  // namespace
