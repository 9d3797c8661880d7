#include "TestGainHost.h"

#include "AAX_IEffectParameters.h"

using HostAutomation = TestGainHost;

namespace {
std::string Describe(const std::vector<AAXHostGesture>& gestures) {
    std::string text;
    for (const AAXHostGesture& g : gestures) {
        text += g.kind == AAXHostGesture::Touch ? "T " : g.kind == AAXHostGesture::Release ? "R " : "S ";
        text += g.id;
        if (g.kind == AAXHostGesture::SetValue) text += "=" + std::to_string(g.value);
        text += ";";
    }
    return text;
}
}  // namespace

TEST_F(HostAutomation, PluginGesturesAreAnsweredWithUpdatesWhileTouched) {
    auto instance = make(AAXHostVariant::Mono);
    AAX_IEffectParameters* parameters = instance->parameters();
    ASSERT_EQ(AAX_SUCCESS, parameters->TouchParameter(kTestGainParameterID));
    EXPECT_TRUE(instance->isTouched(kTestGainParameterID));
    ASSERT_EQ(AAX_SUCCESS, parameters->SetParameterNormalizedValue(kTestGainParameterID, 0.75));
    double value = 0;
    instance->parameterValue(kTestGainParameterID, &value);
    EXPECT_EQ(0.75, value) << "the host answered the request";
    ASSERT_EQ(AAX_SUCCESS, parameters->ReleaseParameter(kTestGainParameterID));
    EXPECT_FALSE(instance->isTouched(kTestGainParameterID));
    EXPECT_EQ("T Gain;S Gain=0.750000;R Gain;", Describe(instance->gestures()));

    Buffers audio(1, 32);
    instance->render(audio.inputs.data(), audio.outputs.data(), 32);
    EXPECT_EQ(audio.in[0][20] * 0.75f, audio.out[0][20]);

    instance->clearGestures();
    parameters->SetParameterNormalizedValue(kTestGainParameterID, 0.75);
    EXPECT_TRUE(instance->gestures().empty()) << "an unchanged value is not requested";
    int32_t changes = 0;
    parameters->GetNumberOfChanges(&changes);
    EXPECT_EQ(1, changes);
}

TEST_F(HostAutomation, HostTouchesNestAndUnknownIdsAreRefused) {
    auto instance = make(AAXHostVariant::Stereo);
    const std::string gain = kTestGainParameterID;
    EXPECT_EQ(AAX_SUCCESS, instance->touchParameter(gain));
    EXPECT_EQ(AAX_SUCCESS, instance->parameters()->TouchParameter(gain.c_str()));
    EXPECT_EQ(AAX_SUCCESS, instance->releaseParameter(gain));
    EXPECT_TRUE(instance->isTouched(gain)) << "the plug-in's touch is still open";
    EXPECT_EQ(AAX_SUCCESS, instance->parameters()->ReleaseParameter(gain.c_str()));
    EXPECT_FALSE(instance->isTouched(gain));
    EXPECT_EQ(AAX_SUCCESS, instance->releaseParameter(gain)) << "an extra release is harmless";
    EXPECT_FALSE(instance->isTouched(gain));
    EXPECT_EQ("T Gain;R Gain;", Describe(instance->gestures())) << "only the plug-in's gestures are logged";
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, instance->touchParameter("Nope"));
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, instance->releaseParameter("Nope"));
}

TEST_F(HostAutomation, ParameterQueries) {
    auto instance = make(AAXHostVariant::Mono);
    ASSERT_EQ(2, instance->parameterCount());
    EXPECT_EQ("MasterBypassID", instance->parameterID(0));
    EXPECT_EQ(kTestGainParameterID, instance->parameterID(1));
    EXPECT_EQ("", instance->parameterID(2));
    std::string text;
    EXPECT_EQ(AAX_SUCCESS, instance->parameterName("MasterBypassID", &text));
    EXPECT_EQ("Master Bypass", text);
    EXPECT_EQ(AAX_SUCCESS, instance->masterBypassID(&text));
    EXPECT_EQ("MasterBypassID", text);
    EXPECT_EQ(AAX_SUCCESS, instance->parameterString("MasterBypassID", 0.0, 32, &text));
    EXPECT_EQ("bypass", text);
    EXPECT_EQ(AAX_SUCCESS, instance->parameterString(kTestGainParameterID, 0.456, 3, &text));
    EXPECT_EQ("0.5", text);
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, instance->parameterString("Nope", 0.0, 8, &text));
}
