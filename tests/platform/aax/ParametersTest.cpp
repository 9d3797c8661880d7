#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameter.h"
#include "AAX_CParameterManager.h"
#include "AAX_CString.h"
#include "AAX_Errors.h"
#include "FakeHost.h"

namespace {

AAX_IParameter* MakeFloat(const char* id, float value = 0.5f) {
    return new AAX_CParameter<float>(id, id, value, AAX_CLinearTaperDelegate<float, 0>(0.0f, 1.0f),
                                     AAX_CNumberDisplayDelegate<float>(), true);
}

AAX_IParameter* MakeBypass() {
    return new AAX_CParameter<bool>(cDefaultMasterBypassID, "Master Bypass", false, AAX_CBinaryTaperDelegate<bool>(),
                                    AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
}

class TwoKnobs : public AAX_CEffectParameters {
protected:
    AAX_Result EffectInit() override {
        parameterManager_.AddParameter(MakeBypass());
        parameterManager_.AddParameter(MakeFloat("A"));
        parameterManager_.AddParameter(MakeFloat("B"));
        packetDispatcher_.RegisterPacket(cDefaultMasterBypassID, 0);
        packetDispatcher_.RegisterPacket("A", 1);
        packetDispatcher_.RegisterPacket("B", 2);
        return AAX_SUCCESS;
    }
};

}  // namespace

TEST(Parameter, SetRequestsOnlyChangesOfTheHostAndUpdateSetsSilently) {
    FakeAutomation automation;
    AAX_CParameter<float> gain("Gain", "Gain", 0.25f, AAX_CLinearTaperDelegate<float, 0>(0.0f, 1.0f),
                               AAX_CNumberDisplayDelegate<float>(), true);
    gain.SetNormalizedValue(0.75);  // no delegate: set at once
    EXPECT_EQ(0.75f, gain.GetValue());
    gain.SetAutomationDelegate(&automation);
    gain.SetNormalizedValue(0.75);
    EXPECT_TRUE(automation.requests.empty()) << "unchanged value is not requested";
    gain.SetNormalizedValue(2.0);
    ASSERT_EQ(1u, automation.requests.size());
    EXPECT_EQ(1.0, automation.requests[0].second) << "clamped";
    EXPECT_EQ(0.75f, gain.GetValue()) << "the value waits for the host's answer";
    gain.UpdateNormalizedValue(0.125);
    EXPECT_EQ(0.125f, gain.GetValue());
    EXPECT_EQ(1u, automation.requests.size());
    gain.Touch();
    gain.Release();
    EXPECT_EQ((std::vector<std::string>{"touch Gain", "release Gain"}), automation.log);
    EXPECT_EQ(128u, gain.GetNumberOfSteps());
    EXPECT_DOUBLE_EQ(0.25, gain.GetNormalizedDefaultValue());
}

// Order and registration are checked through EffectParameters below.
TEST(ParameterManager, RefusesDuplicateEmptyAndMissingParameters) {
    AAX_CParameterManager manager;
    EXPECT_EQ(AAX_SUCCESS, manager.AddParameter(MakeFloat("A")));
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, manager.AddParameter(MakeFloat("A")));
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, manager.AddParameter(MakeFloat("")));
    EXPECT_EQ(AAX_ERROR_NULL_OBJECT, manager.AddParameter(nullptr));
    EXPECT_EQ(1, manager.NumParameters());
    EXPECT_EQ(-1, manager.GetParameterIndex(nullptr));
    EXPECT_EQ(nullptr, manager.GetParameter(1));
    EXPECT_EQ(nullptr, manager.GetParameter(-1));
}

TEST(PacketDispatcher, PostsDirtyRoutesWithTypedPayloads) {
    FakeController controller;
    AAX_CParameterManager manager;
    manager.AddParameter(MakeBypass());
    manager.AddParameter(MakeFloat("Gain", 0.25f));
    AAX_CPacketDispatcher dispatcher;
    EXPECT_EQ(AAX_SUCCESS, dispatcher.RegisterPacket("MasterBypassID", 0));
    EXPECT_EQ(AAX_SUCCESS, dispatcher.RegisterPacket("Gain", 1));
    EXPECT_EQ(AAX_SUCCESS, dispatcher.RegisterPacket("Gain", 5));
    EXPECT_EQ(AAX_ERROR_INVALID_FIELD_INDEX, dispatcher.RegisterPacket("Gain", 64));
    EXPECT_EQ(AAX_ERROR_NOT_INITIALIZED, dispatcher.Dispatch());
    dispatcher.Initialize(&controller, &manager);
    ASSERT_EQ(AAX_SUCCESS, dispatcher.Dispatch());
    ASSERT_EQ(3u, controller.packets.size()) << "registration marks every route dirty";
    EXPECT_EQ(0, controller.packets[0].port);
    EXPECT_EQ(0, controller.payload<int32_t>(0));
    EXPECT_EQ(0.25f, controller.payload<float>(1));
    EXPECT_EQ(5, controller.packets[2].port);

    controller.packets.clear();
    EXPECT_EQ(AAX_SUCCESS, dispatcher.Dispatch());
    EXPECT_TRUE(controller.packets.empty()) << "clean routes post nothing";
    manager.GetParameterByID("MasterBypassID")->UpdateNormalizedValue(1.0);
    EXPECT_EQ(AAX_SUCCESS, dispatcher.SetDirty("MasterBypassID"));
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, dispatcher.SetDirty("Unknown"));
    dispatcher.Dispatch();
    ASSERT_EQ(1u, controller.packets.size());
    EXPECT_EQ(1, controller.payload<int32_t>(0)) << "bool travels as 32-bit integer 1";

    controller.failPosts = true;
    dispatcher.SetDirty("Gain");
    EXPECT_EQ(AAX_ERROR_POST_PACKET_FAILED, dispatcher.Dispatch());
}

TEST(EffectParameters, InitializePostsEveryPortAndCountsOnlyRealChanges) {
    FakeHost host;
    TwoKnobs parameters;
    EXPECT_EQ(AAX_ERROR_NULL_OBJECT, parameters.Initialize(nullptr));
    ASSERT_EQ(AAX_SUCCESS, parameters.Initialize(&host));
    EXPECT_EQ((std::vector<std::string>{"MasterBypassID", "A", "B"}), host.automation.registered);
    EXPECT_EQ(AAX_SUCCESS, parameters.GenerateCoefficients());
    EXPECT_EQ(3u, host.controller.packets.size());

    host.controller.packets.clear();
    int32_t changes = -1;
    EXPECT_EQ(AAX_SUCCESS, parameters.UpdateParameterNormalizedValue("A", 0.5, AAX_eUpdateSource_Unspecified));
    parameters.GetNumberOfChanges(&changes);
    EXPECT_EQ(0, changes) << "same value";
    parameters.GenerateCoefficients();
    EXPECT_EQ(1u, host.controller.packets.size()) << "the packet is sent even for the same value";
    EXPECT_EQ(AAX_SUCCESS, parameters.UpdateParameterNormalizedValue("A", 0.75, AAX_eUpdateSource_Unspecified));
    parameters.GetNumberOfChanges(&changes);
    EXPECT_EQ(1, changes);
    parameters.GenerateCoefficients();
    ASSERT_EQ(2u, host.controller.packets.size());
    EXPECT_EQ(1, host.controller.packets[1].port);
    EXPECT_EQ(0.75f, host.controller.payload<float>(1));
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID,
              parameters.UpdateParameterNormalizedValue("Nope", 0.1, AAX_eUpdateSource_Unspecified));
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, parameters.TouchParameter("Nope"));
    AAX_CString text;
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_INDEX, parameters.GetParameterIDFromIndex(3, &text));
    EXPECT_EQ(AAX_ERROR_UNIMPLEMENTED, parameters.GetCurveData(0, nullptr, 0, nullptr));
    parameters.Uninitialize();
    EXPECT_TRUE(host.automation.registered.empty());
}
