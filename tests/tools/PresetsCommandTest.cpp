#include "HRXPresetContainer.h"
#include "PresetLookup.h"
#include "PresetTestSupport.h"
#include "ToolTestSupport.h"
#include "velvaTonFactoryPresets.h"

#include <sndfile.h>

#include <cmath>

#include <gtest/gtest.h>

namespace {

// Every test runs the tool with HOME, USERPROFILE and XDG_CONFIG_HOME in a
// temporary home, inherited by the child process.
class PresetsCommand : public ::testing::Test {
protected:
    std::string presetFolderFile(const std::string& relative) const { return home_.presetFolder() + "/" + relative; }

    TemporaryUserHome home_;
    ScratchFolder folder_;
};

std::string factoryFileBytes(int32_t slot) {
    HRXPresetRecord bank[kFactoryPresetSlots];
    HRXPresetRecord clipboard;
    buildFactoryBank(bank, clipboard);
    const std::vector<uint8_t> bytes = serializePreset(bank[slot], 0, 100);
    return std::string(bytes.begin(), bytes.end());
}

TEST_F(PresetsCommand, ListsGroupsAsThePresetMenuNumbersThem) {
    home_.writePresetFolderFile("Mine.hrx", std::vector<uint8_t>(433, 0));
    const ToolRun run = runVelvaton({"presets"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Application\n  All\n    00. Default\n    01. CompressLite1\n"), std::string::npos);
    EXPECT_NE(run.out.find("  Vocals\n    00. Pop Rock Vocal\n    01. Vox\n"), std::string::npos);
    EXPECT_NE(run.out.find("    13. 4k\nDesigner\n  All\n    00. Default\n"), std::string::npos);
    EXPECT_NE(run.out.find("My presets\n  (folder: " + home_.presetFolder() + ")\n  All\n    00. Mine\n"),
              std::string::npos)
        << run.out;
    EXPECT_FALSE(fileExists(home_.configFolder()));  // listing writes no settings
}

TEST_F(PresetsCommand, ExportsTheFactoryPresetAsThe433ByteFileAndShowsIt) {
    const std::string path = folder_.file("kick.hrx");
    const ToolRun run = runVelvaton({"presets", "export", "Kick", path});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readBytes(path), factoryFileBytes(15));
    EXPECT_EQ(readBytes(path).size(), 433u);

    const ToolRun show = runVelvaton({"presets", "show", path});
    ASSERT_EQ(show.exitCode, 0) << show.err;
    EXPECT_EQ(show.out,
              "name: Kick\n"
              " 0 Process=Valve            1\n"
              " 2 Ratio=3:1                0.5\n"
              " 3 AttackRatio=x1           0.5\n"
              " 4 Time=3/10                0.3\n"
              " 5 Compression=5/10         0.5\n"
              " 6 Output=4dB               0.133\n"
              " 7 ValveLevel=+0            0.5\n");
}

TEST_F(PresetsCommand, ImportsIntoTheUserFolderAndRefusesDamageOrOverwrite) {
    const std::string good = folder_.file("Fat Kick.hrx");
    writeBytes(good, factoryFileBytes(15));
    const std::string damaged = folder_.file("cut.hrx");
    writeBytes(damaged, factoryFileBytes(15).substr(0, 432));

    ToolRun run = runVelvaton({"presets", "import", damaged});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("not a valid preset file"), std::string::npos) << run.err;
    EXPECT_FALSE(fileExists(presetFolderFile("cut.hrx")));

    run = runVelvaton({"presets", "import", good, "Drums"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readBytes(presetFolderFile("Drums/Fat Kick.hrx")), factoryFileBytes(15));
    run = runVelvaton({"presets", "import", good, "Drums"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("already exists"), std::string::npos);
    run = runVelvaton({"presets", "import", good, ".hidden"});
    EXPECT_EQ(run.exitCode, 2);

    // The imported file is found by its name, after the factory presets.
    const std::string exported = folder_.file("again.hrx");
    run = runVelvaton({"presets", "export", "Fat Kick", exported});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string expected = factoryFileBytes(15);
    expected.replace(12 + 41, 8, std::string("Fat Kick"));  // the name entry's text
    EXPECT_EQ(readBytes(exported), expected);
}

TEST_F(PresetsCommand, UnknownNameIsRefusedWithTheClosestNames) {
    const ToolRun run = runVelvaton({"presets", "export", "Kik", folder_.file("x.hrx")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("no factory or user preset is called 'Kik'; closest names: 'Kick'"), std::string::npos)
        << run.err;
    EXPECT_TRUE(folder_.entries().empty());
}

TEST(ClosestNames, NearestFirstEachOnce) {
    EXPECT_EQ(closestNames("kik", {"Init", "Kick", "Init", "Kick 2", "Vox"}, 3),
              (std::vector<std::string>{"Kick", "Init", "Kick 2"}));  // ties in the order given
}

class RenderWithPreset : public PresetsCommand {
protected:
    void SetUp() override {
        std::vector<float> signal(8000);
        for (size_t i = 0; i < signal.size(); ++i)
            signal[i] = static_cast<float>(0.6 * std::sin(0.03 * static_cast<double>(i)));
        writeTestAudio(folder_.file("in.wav"), 44100, {signal}, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    }
    std::string render(const std::string& name, std::vector<std::string> options) {
        std::vector<std::string> args = {"render", folder_.file("in.wav"), folder_.file(name)};
        args.insert(args.end(), options.begin(), options.end());
        const ToolRun run = runVelvaton(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return readBytes(folder_.file(name));
    }
};

TEST_F(RenderWithPreset, PresetThenSetOverridesIt) {
    writeBytes(folder_.file("kick.hrx"), factoryFileBytes(15));
    const std::string byName = render("a.wav", {"--preset", "Kick"});
    EXPECT_EQ(render("b.wav", {"--preset-file", folder_.file("kick.hrx")}), byName);
    EXPECT_NE(render("c.wav", {}), byName);
    // Kick with Time and Output of "CompressMed2" (0.15 as the float it is stored as).
    EXPECT_EQ(render("d.wav", {"--preset", "Kick", "--set", "Time=0.5", "--set", "Output=0.15000000596046448"}),
              render("e.wav", {"--preset", "CompressMed2"}));
    // The settings `presets show` prints, pasted back, sound as the preset does
    // (Output 4dB is 8/60, not the stored 0.133, but the engine hears the same step).
    EXPECT_EQ(
        render("f.wav", {"--set", "Process=Valve", "--set", "Ratio=3:1", "--set", "AttackRatio=x1", "--set",
                         "Time=3/10", "--set", "Compression=5/10", "--set", "Output=4dB", "--set", "ValveLevel=+0"}),
        byName);

    const ToolRun missing = runVelvaton({"render", folder_.file("in.wav"), folder_.file("g.wav"), "--preset", "Kik"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("closest names: 'Kick'"), std::string::npos);
    EXPECT_FALSE(fileExists(folder_.file("g.wav")));
}

}  // namespace
