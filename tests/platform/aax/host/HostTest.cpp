// The host's own behaviour, driven with the built plug-in library: bounds of
// render calls and rates, meter collection, automation gestures, the controls
// chunk, private-data access and the transport clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "AAXHost.h"
#include "AAX_Errors.h"
#include "AAX_FourCC.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IPrivateDataAccess.h"
#include "PresetTestSupport.h"

namespace {

class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_EQ(AAX_SUCCESS, host_.load(VELVATON_PLUGIN_PATH, &error)) << error;
    }
    std::unique_ptr<AAXHostInstance> make(AAXHostVariant variant) {
        AAX_Result result = -1;
        auto instance = host_.createInstance(variant, 48000.0, &result);
        EXPECT_EQ(AAX_SUCCESS, result);
        return instance;
    }

    TemporaryUserHome home_;
    AAXHost host_;
};

std::string describe(const std::vector<AAXHostGesture>& gestures) {
    std::string text;
    for (const AAXHostGesture& g : gestures) {
        text += g.kind == AAXHostGesture::Touch ? "T " : g.kind == AAXHostGesture::Release ? "R " : "S ";
        text += g.id;
        if (g.kind == AAXHostGesture::SetValue)
            text += "=" + std::to_string(g.value);
        text += ";";
    }
    return text;
}

}  // namespace

TEST(HostLoadFailure, MissingLibraryIsRefused) {
    AAXHost host;
    std::string error;
    EXPECT_EQ(AAX_ERROR_PLUGIN_NOT_LOADED, host.load("/nonexistent/libnothing.so", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(host.isLoaded());
    AAX_Result result = 0;
    EXPECT_EQ(nullptr, host.createInstance(AAXHostVariant::Mono, 48000.0, &result));
    EXPECT_EQ(AAX_ERROR_PLUGIN_NOT_LOADED, result);
}

TEST_F(HostTest, BlockLengthsRatesAndPointersAreBounded) {
    auto instance = make(AAXHostVariant::Mono);
    std::vector<float> in(AAXHostInstance::kMaxBlockFrames + 1, 0.25f), out(in.size());
    const float* inputs[1] = {in.data()};
    float* outputs[1] = {out.data()};
    EXPECT_EQ(AAX_SUCCESS, instance->render(inputs, outputs, 1));
    EXPECT_EQ(AAX_SUCCESS, instance->render(inputs, outputs, 4096));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, instance->render(inputs, outputs, 0));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, instance->render(inputs, outputs, 4097));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, instance->render(nullptr, outputs, 16));
    const float* missing[1] = {nullptr};
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, instance->render(missing, outputs, 16));
    EXPECT_EQ(AAX_SUCCESS, instance->setSampleRate(22050.0));
    EXPECT_EQ(AAX_SUCCESS, instance->setSampleRate(192000.0));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, instance->setSampleRate(22049.0));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, instance->setSampleRate(192001.0));
    EXPECT_EQ(192000.0, instance->sampleRate());
    AAX_Result result = 0;
    EXPECT_EQ(nullptr, host_.createInstance(AAXHostVariant::Mono, 8000.0, &result));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, result);
}

TEST_F(HostTest, MetersHoldTheTapsOfTheLastBlockOnly) {
    auto instance = make(AAXHostVariant::Stereo);
    ASSERT_EQ(67, instance->meterCount());
    EXPECT_EQ(AAX_FourCC("mtrI"), instance->meterID(0));
    std::vector<float> left(256, 0.5f), right(256, 0.9f), outLeft(256), outRight(256);
    const float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {outLeft.data(), outRight.data()};
    ASSERT_EQ(AAX_SUCCESS, instance->render(inputs, outputs, 256));
    EXPECT_EQ(0.5f, instance->meterValue(0));
    float outputPeak = 0.0f;
    for (float sample : outLeft)
        outputPeak = std::max(outputPeak, std::fabs(sample));
    EXPECT_EQ(outputPeak, instance->meterValue(1));
    EXPECT_EQ(0.0f, instance->meterValue(67));
    left.assign(256, 0.25f);
    ASSERT_EQ(AAX_SUCCESS, instance->render(inputs, outputs, 256));
    EXPECT_EQ(0.25f, instance->meterValue(0)) << "the host zeroes the taps after reading them";
}

TEST_F(HostTest, PluginGesturesAreAnsweredInOrderAtTheNextIdle) {
    auto instance = make(AAXHostVariant::Mono);
    const std::string id = instance->parameterID(6);
    AAX_IEffectParameters* parameters = instance->parameters();
    double before = 0;
    instance->parameterValue(id, &before);
    ASSERT_EQ(AAX_SUCCESS, parameters->TouchParameter(id.c_str()));
    ASSERT_EQ(AAX_SUCCESS, parameters->SetParameterNormalizedValue(id.c_str(), 0.75));
    ASSERT_EQ(AAX_SUCCESS, parameters->ReleaseParameter(id.c_str()));
    double value = 0;
    instance->parameterValue(id, &value);
    EXPECT_EQ(before, value) << "nothing is answered before the host's idle";
    EXPECT_FALSE(instance->isTouched(id));
    EXPECT_TRUE(instance->hasPendingRequests());
    instance->idle();
    instance->parameterValue(id, &value);
    EXPECT_EQ(0.75, value) << "the host answered the request";
    EXPECT_FALSE(instance->isTouched(id));
    // The echo may raise a touch and release of the plug-in's own; they are
    // answered at the following idle, and no more come.
    instance->idle();
    EXPECT_FALSE(instance->hasPendingRequests());
    // The plug-in may bracket its own request in a further touch.
    const std::string gestures = describe(instance->gestures());
    EXPECT_EQ(0u, gestures.find("T " + id + ";S " + id + "=0.750000;")) << gestures;
    EXPECT_EQ(gestures.size() - id.size() - 3, gestures.rfind("R " + id + ";")) << gestures;
    instance->clearGestures();
    parameters->SetParameterNormalizedValue(id.c_str(), 0.75);
    EXPECT_TRUE(instance->gestures().empty()) << "an unchanged value is not requested";
}

TEST_F(HostTest, HostTouchesNestAndUnknownIdsAreRefused) {
    auto instance = make(AAXHostVariant::Stereo);
    const std::string id = instance->parameterID(6);
    EXPECT_EQ(AAX_SUCCESS, instance->touchParameter(id));
    EXPECT_EQ(AAX_SUCCESS, instance->parameters()->TouchParameter(id.c_str()));
    instance->idle();
    EXPECT_EQ(AAX_SUCCESS, instance->releaseParameter(id));
    EXPECT_TRUE(instance->isTouched(id)) << "the plug-in's touch is still open";
    EXPECT_EQ(AAX_SUCCESS, instance->parameters()->ReleaseParameter(id.c_str()));
    instance->idle();
    EXPECT_FALSE(instance->isTouched(id));
    EXPECT_EQ(AAX_SUCCESS, instance->releaseParameter(id)) << "an extra release is harmless";
    EXPECT_FALSE(instance->isTouched(id));
    EXPECT_EQ("T " + id + ";R " + id + ";", describe(instance->gestures())) << "only the plug-in's gestures are logged";
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, instance->touchParameter("Nope"));
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, instance->releaseParameter("Nope"));
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, instance->setParameterValue("Nope", 0.5));
    EXPECT_EQ("", instance->parameterID(8));
    std::string text;
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, instance->parameterString("Nope", 0.0, 8, &text));
}

TEST_F(HostTest, ControlsChunkMovesToAFreshInstanceWithoutTheMasterBypass) {
    auto source = make(AAXHostVariant::Stereo);
    const std::string id = source->parameterID(6);
    source->setParameterValue(id, 0.3);
    source->setParameterValue("MasterBypassID", 1.0);
    AAXHostChunk controls;
    ASSERT_EQ(AAX_SUCCESS, source->getChunk(AAX_FourCC("elck"), &controls));
    EXPECT_EQ("Complete Controls State", controls.name);
    EXPECT_EQ(1, controls.version);

    auto target = make(AAXHostVariant::Stereo);
    bool equal = true;
    EXPECT_EQ(AAX_SUCCESS, target->compareChunk(controls, &equal));
    EXPECT_FALSE(equal);
    ASSERT_EQ(AAX_SUCCESS, target->setChunk(controls));
    target->idle();
    double value = 0;
    target->parameterValue(id, &value);
    EXPECT_EQ(static_cast<double>(0.3f), value);
    target->parameterValue("MasterBypassID", &value);
    EXPECT_EQ(0.0, value) << "the master bypass stays out of the controls chunk";
    EXPECT_EQ(AAX_SUCCESS, target->compareChunk(controls, &equal));
    EXPECT_TRUE(equal);

    // Damaged or unknown chunks restore nothing.
    AAXHostChunk hostile;
    hostile.id = AAX_FourCC("elck");
    hostile.data = {1, 0, 0, 0, 1, 0, 0, 0, 'd', 4, 'G', 'a', 'i', 'n', 0, 0};  // double cut short
    EXPECT_EQ(AAX_ERROR_MALFORMED_CHUNK, target->setChunk(hostile));
    hostile.data.clear();
    EXPECT_EQ(AAX_ERROR_MALFORMED_CHUNK, target->setChunk(hostile));
    hostile.id = AAX_FourCC("nope");
    EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, target->setChunk(hostile));
    EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, target->getChunk(AAX_FourCC("nope"), &hostile));
    target->parameterValue(id, &value);
    EXPECT_EQ(static_cast<double>(0.3f), value);
}

TEST_F(HostTest, PrivateDataAccessIsBoundedByTheField) {
    auto instance = make(AAXHostVariant::Mono);
    AAX_IPrivateDataAccess& fields = instance->privateData();
    int32_t word[2] = {};
    EXPECT_EQ(AAX_SUCCESS, fields.ReadPortDirect(22, 0, 4, word));
    EXPECT_EQ(AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS, fields.ReadPortDirect(22, 1, 4, word));
    EXPECT_EQ(AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS, fields.ReadPortDirect(22, 0, 8, word));
    EXPECT_EQ(AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS, fields.ReadPortDirect(22, 0xFFFFFFFFu, 2, word));
    EXPECT_EQ(AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS, fields.ReadPortDirect(1, 0, 4, word));
    EXPECT_EQ(AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS, fields.WritePortDirect(63, 0, 4, word));
}

TEST(HostTransport, MovesOnlyWhilePlayingAndCarriesTickFractions) {
    AAXHostTransport transport;
    AAXHostTransportState state;
    state.tempo = 90.0;
    state.playing = true;
    state.sampleLocation = 1000;
    transport.set(state);
    for (int block = 0; block < 12; ++block)
        transport.advance(4000, 48000.0);
    // One second at 90 bpm: 1.5 quarter notes.
    int64_t ticks = 0, location = 0;
    bool playing = false;
    double tempo = 0.0;
    transport.GetCurrentTickPosition(&ticks);
    transport.GetCurrentNativeSampleLocation(&location);
    transport.IsTransportPlaying(&playing);
    transport.GetCurrentTempo(&tempo);
    EXPECT_EQ(1440000, ticks);
    EXPECT_EQ(49000, location);
    EXPECT_TRUE(playing);
    EXPECT_EQ(90.0, tempo);
    for (int block = 0; block < 7; ++block)
        transport.advance(1, 44100.0);  // 32.65 ticks each
    EXPECT_EQ(1440000 + 228, transport.state().tickPosition);
    state.playing = false;
    transport.set(state);
    transport.advance(4000, 48000.0);
    EXPECT_EQ(1000, transport.state().sampleLocation);
    EXPECT_EQ(0, transport.state().tickPosition);
}
