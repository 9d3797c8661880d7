// The bundle as LV2 tools see it: Turtle that validates against the LV2
// schemas, a DSP library without drawing libraries, ports that carry the
// AAX plug-in's normalised values exactly, and a host nobody here wrote
// (lv2apply) rendering what `velvaton render` renders.

#include "velvaTonParameters.h"
#include "HRX_LV2_Ports.h"
#include "LV2TestHost.h"
#include "ParameterNotation.h"
#include "PresetTestSupport.h"
#include "ProgramRun.h"
#include "ReferenceRender.h"
#include "ToolTestSupport.h"

#include <cstdlib>
#include <sstream>

#include <gtest/gtest.h>
#include <sndfile.h>

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::stringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        result.push_back(line);
    return result;
}

std::vector<std::string> bundleTurtle() {
    const std::string bundle = LV2TestWorld::bundlePath();
    return {bundle + "manifest.ttl", bundle + "plugins.ttl", bundle + "presets.ttl"};
}

TEST(LV2Bundle, TurtleValidatesAgainstTheLV2Schemas) {
    if (!hasProgram("sord_validate") || !hasProgram("dpkg"))
        GTEST_SKIP() << "sord_validate (sordi) is not installed";
    std::vector<std::string> command = {"sord_validate"};
    for (const std::string& file : lines(runProgram({"dpkg", "-L", "lv2-dev"}).output)) {
        if (file.size() > 4 && file.compare(file.size() - 4, 4, ".ttl") == 0 && file.find("/eg-") == std::string::npos)
            command.push_back(file);
    }
    ASSERT_GT(command.size(), 20u) << "lv2-dev's schema files are missing";
    for (const std::string& file : bundleTurtle())
        command.push_back(file);
    const ProgramRun run = runProgram(command);
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_NE(std::string::npos, run.output.find("Found 0 errors")) << run.output;

    if (hasProgram("lv2_validate")) {
        std::vector<std::string> validate = {"lv2_validate"};
        for (const std::string& file : bundleTurtle())
            validate.push_back(file);
        const ProgramRun checked = runProgram(validate);
        EXPECT_NE(std::string::npos, checked.output.find("Found 0 errors")) << checked.output;
    }
}

TEST(LV2Bundle, DspLibraryLinksNoDrawingLibrariesAndEachExportsOnlyItsDescriptor) {
    if (!hasProgram("readelf") || !hasProgram("nm"))
        GTEST_SKIP() << "binutils is not installed";
    const std::string bundle = LV2TestWorld::bundlePath();
    const std::string dsp = runProgram({"readelf", "-d", bundle + "velvaTon_dsp.so"}).output;
    const std::string ui = runProgram({"readelf", "-d", bundle + "velvaTon_ui.so"}).output;
    for (const char* library : {"libX11", "libcairo"}) {
        EXPECT_EQ(std::string::npos, dsp.find(library)) << dsp;
        EXPECT_NE(std::string::npos, ui.find(library)) << ui;
    }
    for (const auto& [file, descriptor] : {std::pair<std::string, std::string>{"velvaTon_dsp.so", "lv2_descriptor"},
                                           {"velvaTon_ui.so", "lv2ui_descriptor"}}) {
        std::vector<std::string> functions;
        for (const std::string& line : lines(runProgram({"nm", "-D", "--defined-only", bundle + file}).output)) {
            if (line.find(" T ") != std::string::npos)
                functions.push_back(line.substr(line.rfind(' ') + 1));
        }
        EXPECT_EQ(std::vector<std::string>{descriptor}, functions) << file;
    }
}

// A switch's position k of n is the value k / n, as the editor's switches
// send it; a knob's port value is the number the editor shows, and gives
// exactly the value `velvaton render` takes for that number.
TEST(LV2Bundle, PortValuesCarryTheNormalisedValueOfEveryDisplayStep) {
    const HRX_LV2_Product& product = HRX_LV2_GetProduct();
    for (int32_t i = 0; i < product.controlCount; ++i) {
        const HRX_LV2_Control& control = product.controls[i];
        const std::vector<DisplayStep>& steps = displaySteps(control.slot);
        const bool enumeration = control.kind == HRX_LV2_Control::Kind::Enumeration;
        for (size_t k = 0; k < steps.size(); ++k) {
            const float port =
                enumeration ? control.minimum + static_cast<float>(k) : std::strtof(steps[k].text.c_str(), nullptr);
            const float normalised = HRX_LV2_Normalised(control, port);
            char display[64] = {};
            getParameterDisplay(control.slot, normalised, display);
            EXPECT_EQ(steps[k].text, display) << "slot " << control.slot;
            const double expected =
                enumeration ? static_cast<double>(k) / static_cast<double>(steps.size() - 1) : steps[k].value;
            EXPECT_EQ(static_cast<float>(expected), normalised) << steps[k].text << " of slot " << control.slot;
            EXPECT_EQ(port, HRX_LV2_PortValue(control, expected)) << steps[k].text << " of slot " << control.slot;
        }
    }
}

TEST(LV2Bundle, Lv2applyRendersLikeTheAAXPlugin) {
    if (!hasProgram("lv2apply"))
        GTEST_SKIP() << "lv2apply (lilv-utils) is not installed";
    if (kSanitizedBuild)
        GTEST_SKIP() << "lv2apply cannot load a plug-in built with the sanitizers";
    TemporaryUserHome home;
    std::string folder = LV2TestWorld::bundlePath();
    folder.resize(folder.rfind('/', folder.size() - 2));
    setenv("LV2_PATH", folder.c_str(), 1);
    for (const int channels : {1, 2}) {
        ScratchFolder scratch;
        const Channels input = testProgramme(channels, 44100, 0.3);
        writeTestAudio(scratch.file("in.wav"), 44100, input, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
        std::vector<std::string> command = {"lv2apply", "-i", scratch.file("in.wav"), "-o", scratch.file("out.wav")};
        for (const auto& [symbol, value] : kPortSettings) {
            std::ostringstream text;
            text << value;
            command.insert(command.end(), {"-c", symbol, text.str()});
        }
        command.push_back(LV2TestWorld::pluginUri(channels));
        const ProgramRun run = runProgram(command);
        ASSERT_EQ(0, run.exitCode) << run.output;
        const Channels output = readTestAudio(scratch.file("out.wav")).channels;
        EXPECT_TRUE(output == renderWithTool(input, 44100, kEditorSettings)) << channels << " channels";
        EXPECT_FALSE(output == input);
    }
}

}  // namespace
