#include "ReferenceRender.h"

#include "ToolTestSupport.h"

#include <gtest/gtest.h>
#include <sndfile.h>

const std::vector<std::string> kEditorSettings = {"Process=Valve", "Ratio=6:1",           "AttackRatio=x1.6",
                                                  "Time=3.5/10",   "Compression=7.25/10", "Output=12dB",
                                                  "ValveLevel=+2"};
const PortSettings kPortSettings = {{"process", 2.0f},      {"ratio", 5.0f},   {"attack_ratio", 4.0f}, {"time", 3.5f},
                                    {"compression", 7.25f}, {"output", 12.0f}, {"valve_level", 2.0f}};

Channels renderWithTool(const Channels& input, int rate, const std::vector<std::string>& settings) {
    ScratchFolder scratch;
    writeTestAudio(scratch.file("in.wav"), rate, input, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    std::vector<std::string> args = {"render", scratch.file("in.wav"), scratch.file("out.wav")};
    for (const std::string& setting : settings) {
        args.push_back("--set");
        args.push_back(setting);
    }
    const ToolRun run = runVelvaton(args);
    EXPECT_EQ(0, run.exitCode) << run.err;
    return readTestAudio(scratch.file("out.wav")).channels;
}
