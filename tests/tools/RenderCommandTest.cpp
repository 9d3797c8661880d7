#include "AudioFile.h"
#include "ToolTestSupport.h"
#include "velvaTonEffect.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <unistd.h>

namespace {

std::vector<float> testSignal(size_t frames, int rate, double frequency) {
    std::vector<float> out(frames);
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double burst = std::exp(-std::fmod(t, 0.25) / 0.03);
        out[i] = static_cast<float>(0.5 * std::sin(6.283185307179586 * frequency * t) * (0.3 + burst));
    }
    return out;
}

AudioData readBack(const std::string& path) {
    AudioData audio;
    std::string error;
    EXPECT_TRUE(readAudioFile(path, 8, audio, error)) << error;
    return audio;
}

class RenderCommand : public ::testing::Test {
protected:
    void SetUp() override {
        input = folder.file("in.wav");
        output = folder.file("out.wav");
        writeTestAudio(input, 44100, {testSignal(20000, 44100, 55.0)}, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    }

    // A refused run: the expected exit code, one message naming the problem,
    // and no file beside the ones the test made.
    void expectRefused(const std::vector<std::string>& args, int exitCode, const std::string& message) {
        const std::vector<std::string> before = folder.entries();
        const ToolRun run = runVelvaton(args);
        EXPECT_EQ(run.exitCode, exitCode) << message << ": " << run.err;
        EXPECT_NE(run.err.find(message), std::string::npos) << "stderr: " << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_EQ(folder.entries(), before) << message;
    }

    ScratchFolder folder;
    std::string input;
    std::string output;
};

TEST_F(RenderCommand, HelpAndUsage) {
    const ToolRun help = runVelvaton({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("render"), std::string::npos);
    EXPECT_NE(help.out.find("demo"), std::string::npos);
    const ToolRun renderHelp = runVelvaton({"render", "--help"});
    EXPECT_EQ(renderHelp.exitCode, 0);
    EXPECT_NE(renderHelp.out.find("--block"), std::string::npos);
    EXPECT_EQ(runVelvaton({"demo", "--help"}).exitCode, 0);
    EXPECT_EQ(runVelvaton({}).exitCode, 2);
    EXPECT_EQ(runVelvaton({"bogus"}).exitCode, 2);
}

TEST_F(RenderCommand, RefusedInputsLeaveNoOutput) {
    writeBytes(folder.file("notes.txt"), "this is not audio\n");
    std::vector<std::vector<float>> quad;
    for (double frequency : {55.0, 60.0, 65.0, 70.0})
        quad.push_back(testSignal(100, 48000, frequency));
    writeTestAudio(folder.file("quad.wav"), 48000, quad, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    mkdir(folder.file("folder").c_str(), 0755);
    ASSERT_EQ(link(input.c_str(), folder.file("hard.wav").c_str()), 0);
    const std::string original = readBytes(input);

    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    std::vector<Case> cases = {
        {{folder.file("missing.wav"), output}, 1, "missing.wav"}, {{folder.file("notes.txt"), output}, 1, "notes.txt"},
        {{folder.file("quad.wav"), output}, 1, "4 channels"},     {{folder.file("folder"), output}, 1, "folder"},
        {{input, folder.file("none/out.wav")}, 1, "none/out.wav"},
        // The output never overwrites the input, by another spelling or a hard link.
        {{input, folder.path() + "/./in.wav"}, 1, "is the input"}, {{input, folder.file("hard.wav")}, 1, "is the input"},
        {{input, output, "--set", "Loudness=0.5"}, 2, "unknown parameter 'Loudness'"},
        {{input, output, "--set", "Gain Reduction=0.5"}, 2,
         "unknown parameter 'Gain Reduction' (known: Process, Ratio, AttackRatio, Time, Compression, Output, "
         "ValveLevel)"},
        {{input, output, "--set", "Ratio"}, 2, "NAME=VALUE"},
        {{input, output, "--set", "Ratio=1.01"}, 2, "outside 0 to 1"},
        {{input, output, "--set", "Ratio=-0.1"}, 2, "outside 0 to 1"},
        {{input, output, "--set"}, 2, "--set needs a value"},     {{input, output, "--block", "0"}, 2, "block size 0"},
        {{input, output, "--block", "-4"}, 2, "block size -4"},
        {{input}, 2, "expected an input and an output"},          {{input, output, "--fast"}, 2, "unknown option '--fast'"},
    };
    for (const char* value : {"Ratio=half", "Ratio=", "Ratio=0.5x", "Ratio=nan", "Ratio=inf"})
        cases.push_back({{input, output, "--set", value}, 2, "not a number"});
    for (const char* frames : {"many", "12k", "99999999999999999999"})
        cases.push_back({{input, output, "--block", frames}, 2, "block size '" + std::string(frames) + "'"});
    for (const auto& c : cases) {
        std::vector<std::string> args = {"render"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        expectRefused(args, c.exitCode, c.message);
    }
    EXPECT_TRUE(readBytes(input) == original);
}

TEST_F(RenderCommand, WritesFloatWavEqualToTheEngineOutput) {
    const ToolRun run = runVelvaton({"render", input, output, "--set", "Ratio=-0", "--set", "Compression=0.8"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* line : {"input peak:", "output peak:", "gain reduction: largest"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    EXPECT_TRUE(run.err.empty()) << "no progress bar when stderr is not a terminal";

    SF_INFO info {};
    sf_close(sf_open(output.c_str(), SFM_READ, &info));
    EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    const AudioData rendered = readBack(output);
    EXPECT_EQ(rendered.sampleRate, 44100);
    ASSERT_EQ(rendered.channels.size(), 1u);

    // The same samples through the engine, driven as a host's first block does.
    AudioData source = readBack(input);
    velvaTonEffect engine;
    engine.setSampleRate(44100.0);
    const double values[8] = {1.0, 0.0, 0.0, 0.5, 0.5, 0.8f, 0.15f, 0.5};
    for (uint32_t index : {0u, 2u, 3u, 4u, 5u, 6u, 7u})
        engine.setParameter(index, values[index]);
    float* io[2] = {source.channels[0].data(), nullptr};
    engine.process(io, io, static_cast<uint32_t>(source.frames()));
    EXPECT_EQ(rendered.channels[0], source.channels[0]);
}

TEST_F(RenderCommand, BlockSizeDoesNotChangeTheResult) {
    writeTestAudio(input, 96000, {testSignal(30000, 96000, 55.0), testSignal(30000, 96000, 82.0)},
                   SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
    ASSERT_EQ(runVelvaton({"render", input, output, "--block", "1"}).exitCode, 0);
    const std::string tiny = folder.file("tiny.wav");
    ASSERT_EQ(runVelvaton({"render", input, tiny, "--block", "4096"}).exitCode, 0);
    const AudioData a = readBack(output);
    const AudioData b = readBack(tiny);
    EXPECT_EQ(a.sampleRate, 96000);
    ASSERT_EQ(a.channels.size(), 2u);
    EXPECT_EQ(a.channels, b.channels);
}

TEST_F(RenderCommand, ProcessOffPassesTheFileThrough) {
    // Names match in any case, and the last setting of a name wins.
    ASSERT_EQ(runVelvaton({"render", "--set", "Process=1", input, output, "--set", "process=0"}).exitCode, 0);
    EXPECT_EQ(readBack(output).channels, readBack(input).channels);
}

TEST_F(RenderCommand, DemoWritesTheSameProgrammeEveryTime) {
    const ToolRun first = runVelvaton({"demo", folder.path()});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.out.find("gain reduction"), std::string::npos);
    const AudioData in = readBack(folder.file("demo-in.wav"));
    EXPECT_EQ(in.sampleRate, 48000);
    ASSERT_EQ(in.channels.size(), 2u);
    EXPECT_NEAR(static_cast<double>(in.frames()) / 48000.0, 8.0, 0.5);
    const std::string out1 = readBytes(folder.file("demo-out.wav"));
    ASSERT_EQ(runVelvaton({"demo", folder.path()}).exitCode, 0);
    EXPECT_TRUE(readBytes(folder.file("demo-out.wav")) == out1);
    EXPECT_FALSE(readBytes(folder.file("demo-in.wav")) == out1);

    expectRefused({"demo", folder.file("nowhere")}, 1, "nowhere");
    expectRefused({"demo", "a", "b"}, 2, "at most one folder");
}

}  // namespace
