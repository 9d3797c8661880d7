#include "ToolTestSupport.h"
#include "velvaTonEffect.h"

#include "RenderPlot.h"

#include <cairo.h>
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

TestAudio readBack(const std::string& path) {
    TestAudio audio = readTestAudio(path);
    EXPECT_FALSE(audio.channels.empty()) << path;
    return audio;
}

class RenderCommand : public ::testing::Test {
protected:
    void SetUp() override {
        input_ = folder_.file("in.wav");
        output_ = folder_.file("out.wav");
        writeTestAudio(input_, 44100, {testSignal(20000, 44100, 55.0)}, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    }

    // A refused run: the expected exit code, one message naming the problem,
    // and no file beside the ones the test made.
    void expectRefused(const std::vector<std::string>& args, int exitCode, const std::string& message) {
        const std::vector<std::string> before = folder_.entries();
        const ToolRun run = runVelvaton(args);
        EXPECT_EQ(run.exitCode, exitCode) << message << ": " << run.err;
        EXPECT_NE(run.err.find(message), std::string::npos) << "stderr: " << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_EQ(folder_.entries(), before) << message;
    }

    ScratchFolder folder_;
    std::string input_;
    std::string output_;
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
    writeBytes(folder_.file("notes.txt"), "this is not audio\n");
    std::vector<std::vector<float>> quad;
    for (double frequency : {55.0, 60.0, 65.0, 70.0})
        quad.push_back(testSignal(100, 48000, frequency));
    writeTestAudio(folder_.file("quad.wav"), 48000, quad, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    mkdir(folder_.file("folder").c_str(), 0755);
    ASSERT_EQ(link(input_.c_str(), folder_.file("hard.wav").c_str()), 0);
    const std::string original = readBytes(input_);

    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    std::vector<Case> cases = {
        {{folder_.file("missing.wav"), output_}, 1, "missing.wav"},
        {{folder_.file("notes.txt"), output_}, 1, "notes.txt"},
        {{folder_.file("quad.wav"), output_}, 1, "4 channels"},
        {{folder_.file("folder"), output_}, 1, "folder"},
        {{input_, folder_.file("none/out.wav")}, 1, "none/out.wav"},
        // The output never overwrites the input, by another spelling or a hard link.
        {{input_, folder_.path() + "/./in.wav"}, 1, "is the input"},
        {{input_, folder_.file("hard.wav")}, 1, "is the input"},
        {{input_, output_, "--set", "Loudness=0.5"}, 2, "unknown parameter 'Loudness'"},
        {{input_, output_, "--set", "Gain Reduction=0.5"},
         2,
         "unknown parameter 'Gain Reduction' (known: Process, Ratio, AttackRatio, Time, Compression, Output, "
         "ValveLevel)"},
        {{input_, output_, "--set", "Ratio"}, 2, "NAME=VALUE"},
        {{input_, output_, "--set", "Ratio=1.01"}, 2, "outside 0 to 1"},
        {{input_, output_, "--set", "Ratio=-0.1"}, 2, "outside 0 to 1"},
        {{input_, output_, "--set"}, 2, "--set needs a value"},
        {{input_, output_, "--block", "0"}, 2, "block size 0"},
        {{input_, output_, "--block", "-4"}, 2, "block size -4"},
        {{input_}, 2, "expected an input and an output"},
        {{input_, output_, "--fast"}, 2, "unknown option '--fast'"},
        {{input_, output_, "--set", "Output=12.3dB"}, 2, "nearest: 12dB and 12.5dB"},
        // Formats libsndfile cannot write are refused before any audio is read.
        {{input_, folder_.file("out.mp3")}, 2, "write one of .wav, .flac"},
        {{input_, folder_.file("out.flac"), "--bits", "32f"}, 2, "FLAC holds 16 or 24-bit samples"},
        {{input_, output_, "--bits", "8"}, 2, "--bits takes 16, 24 or 32f"},
        {{input_, output_, "--plot", output_}, 2, "two different files"},
    };
    for (const char* value : {"Ratio=half", "Ratio=", "Ratio=0.5x", "Ratio=nan", "Ratio=inf"})
        cases.push_back({{input_, output_, "--set", value}, 2, "not a number"});
    for (const char* frames : {"many", "12k", "99999999999999999999"})
        cases.push_back({{input_, output_, "--block", frames}, 2, "block size '" + std::string(frames) + "'"});
    for (const auto& c : cases) {
        std::vector<std::string> args = {"render"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        expectRefused(args, c.exitCode, c.message);
    }
    EXPECT_TRUE(readBytes(input_) == original);
}

TEST_F(RenderCommand, WritesFloatWavEqualToTheEngineOutput) {
    const ToolRun run = runVelvaton({"render", input_, output_, "--set", "Ratio=-0", "--set", "Compression=0.8"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* line : {"input peak:", "output peak:", "gain reduction: largest"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    EXPECT_TRUE(run.err.empty()) << "no progress bar when stderr is not a terminal";

    SF_INFO info{};
    sf_close(sf_open(output_.c_str(), SFM_READ, &info));
    EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    const TestAudio rendered = readBack(output_);
    EXPECT_EQ(rendered.sampleRate, 44100);
    ASSERT_EQ(rendered.channels.size(), 1u);

    // The same samples through the engine, driven as a host's first block does.
    TestAudio source = readBack(input_);
    velvaTonEffect engine;
    engine.setSampleRate(44100.0);
    const double values[8] = {1.0, 0.0, 0.0, 0.5, 0.5, 0.8f, 0.15f, 0.5};
    for (uint32_t index : {0u, 2u, 3u, 4u, 5u, 6u, 7u})
        engine.setParameter(index, values[index]);
    float* io[2] = {source.channels[0].data(), nullptr};
    engine.process(io, io, static_cast<uint32_t>(source.channels[0].size()));
    EXPECT_EQ(rendered.channels[0], source.channels[0]);
}

TEST_F(RenderCommand, BlockSizeDoesNotChangeTheResult) {
    writeTestAudio(input_, 96000, {testSignal(30000, 96000, 55.0), testSignal(30000, 96000, 82.0)},
                   SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
    ASSERT_EQ(runVelvaton({"render", input_, output_, "--block", "1"}).exitCode, 0);
    const std::string tiny = folder_.file("tiny.wav");
    ASSERT_EQ(runVelvaton({"render", input_, tiny, "--block", "4096"}).exitCode, 0);
    const TestAudio a = readBack(output_);
    const TestAudio b = readBack(tiny);
    EXPECT_EQ(a.sampleRate, 96000);
    ASSERT_EQ(a.channels.size(), 2u);
    EXPECT_EQ(a.channels, b.channels);
}

TEST_F(RenderCommand, ProcessOffPassesTheFileThrough) {
    // Names match in any case, and the last setting of a name wins.
    ASSERT_EQ(runVelvaton({"render", "--set", "Process=1", input_, output_, "--set", "process=0"}).exitCode, 0);
    EXPECT_EQ(readBack(output_).channels, readBack(input_).channels);
}

// What the writer must make of a float sample at `bits`, without dither.
float rounded(float sample, int bits, int64_t& clipped) {
    const double scale = std::ldexp(1.0, bits - 1);
    double steps = std::nearbyint(sample * scale);
    if (steps > scale - 1 || steps < -scale) {
        steps = steps > 0 ? scale - 1 : -scale;
        ++clipped;
    }
    return static_cast<float>(steps / scale);
}

TEST_F(RenderCommand, IntegerFormatsRoundTripWithAndWithoutDither) {
    writeTestAudio(input_, 44100, {testSignal(20000, 44100, 55.0), testSignal(20000, 44100, 82.0)},
                   SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    // 12 dB of make-up gain takes the peaks beyond full scale.
    ASSERT_EQ(runVelvaton({"render", input_, output_, "--set", "Output=12dB"}).exitCode, 0);
    const TestAudio floats = readBack(output_);
    ASSERT_EQ(floats.channels.size(), 2u);

    const struct {
        const char* name;
        std::vector<std::string> options;
        int format;
        int bits;
    } cases[] = {{"plain.flac", {"--no-dither"}, SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 24},
                 {"short.aiff", {"--bits", "16", "--no-dither"}, SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 16},
                 {"dithered.wav", {"--bits", "16"}, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 16}};
    for (const auto& c : cases) {
        std::vector<std::string> args = {"render", input_, folder_.file(c.name), "--set", "Output=12dB"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const ToolRun run = runVelvaton(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const TestAudio written = readBack(folder_.file(c.name));
        EXPECT_EQ(written.format, c.format) << c.name;
        ASSERT_EQ(written.channels.size(), 2u);
        const bool dithered = c.options.size() == 2;
        int64_t clipped = 0;
        size_t moved = 0;
        for (size_t channel = 0; channel < 2; ++channel) {
            ASSERT_EQ(written.channels[channel].size(), floats.channels[channel].size());
            for (size_t i = 0; i < floats.channels[channel].size(); ++i) {
                const float exact = rounded(floats.channels[channel][i], c.bits, clipped);
                const float got = written.channels[channel][i];
                if (!dithered) {
                    ASSERT_EQ(got, exact) << c.name << " sample " << i;
                    continue;
                }
                // +-1 step of triangular dither, then rounding: within 1.5 steps.
                const float clamped = std::fmin(std::fmax(floats.channels[channel][i], -1.0f), 32767.0f / 32768.0f);
                ASSERT_LE(std::fabs(got - clamped), 1.5f / 32768.0f) << "sample " << i;
                moved += got != exact;
            }
        }
        EXPECT_GT(clipped, 100) << c.name;
        if (dithered)
            EXPECT_GT(moved, floats.channels[0].size() / 4);
        else
            EXPECT_NE(run.out.find(", no dither, " + std::to_string(clipped) + " samples clipped"), std::string::npos)
                << run.out;
    }
}

TEST_F(RenderCommand, PlotShowsTheGainReductionWhereTheInputIsLoud) {
    // Two seconds of silence, then two of loud bursts.
    std::vector<float> signal = testSignal(192000, 48000, 55.0);
    std::fill(signal.begin(), signal.begin() + 96000, 0.0f);
    writeTestAudio(input_, 48000, {signal}, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    const std::string plot = folder_.file("plot.png");
    const ToolRun run = runVelvaton({"render", input_, output_, "--set", "Compression=10/10", "--plot", plot});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    cairo_surface_t* image = cairo_image_surface_create_from_png(plot.c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(image), 1200);
    EXPECT_EQ(cairo_image_surface_get_height(image), 600);
    const unsigned char* pixels = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    // The highest green pixel of a column of the gain-reduction panel: the trace.
    const auto traceRow = [&](int x) {
        for (int y = PlotLayout::kReductionTop; y <= PlotLayout::kReductionBottom; ++y) {
            const uint32_t pixel = *reinterpret_cast<const uint32_t*>(pixels + y * stride + x * 4);
            const int r = (pixel >> 16) & 0xff, g = (pixel >> 8) & 0xff, b = pixel & 0xff;
            if (g > r + 60 && g > b + 60)
                return y;
        }
        return -1;
    };
    const int middle = (PlotLayout::kLeft + PlotLayout::kRight) / 2;
    for (int x = PlotLayout::kLeft + 2; x < middle - 2; x += 7)
        EXPECT_LE(traceRow(x), PlotLayout::kReductionTop + 2) << "silence, column " << x;
    int deepest = 0;
    for (int x = middle + 20; x < PlotLayout::kRight - 2; x += 7) {
        EXPECT_GE(traceRow(x), PlotLayout::kReductionTop + 10) << "loud, column " << x;
        deepest = std::max(deepest, traceRow(x));
    }
    EXPECT_LT(deepest, PlotLayout::kReductionBottom);  // the axis holds the largest reduction
    cairo_surface_destroy(image);
}

TEST_F(RenderCommand, DemoWritesTheSameProgrammeEveryTime) {
    const ToolRun first = runVelvaton({"demo", folder_.path()});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.out.find("gain reduction"), std::string::npos);
    const TestAudio in = readBack(folder_.file("demo-in.wav"));
    EXPECT_EQ(in.sampleRate, 48000);
    ASSERT_EQ(in.channels.size(), 2u);
    EXPECT_NEAR(static_cast<double>(in.channels[0].size()) / 48000.0, 8.0, 0.5);
    const std::string out1 = readBytes(folder_.file("demo-out.wav"));
    ASSERT_EQ(runVelvaton({"demo", folder_.path()}).exitCode, 0);
    EXPECT_TRUE(readBytes(folder_.file("demo-out.wav")) == out1);
    EXPECT_FALSE(readBytes(folder_.file("demo-in.wav")) == out1);

    cairo_surface_t* plot = cairo_image_surface_create_from_png(folder_.file("demo.png").c_str());
    EXPECT_EQ(cairo_image_surface_get_width(plot), 1200);
    cairo_surface_destroy(plot);

    expectRefused({"demo", folder_.file("nowhere")}, 1, "nowhere");
    expectRefused({"demo", "a", "b"}, 2, "at most one folder");
}

}  // namespace
