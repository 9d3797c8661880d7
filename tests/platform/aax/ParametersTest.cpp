#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameter.h"
#include "AAX_CParameterManager.h"
#include "AAX_Errors.h"
#include "AAX_IController.h"
#include "FakeHost.h"

namespace {

AAX_IParameter* MakeFloat(const char* id, float value = 0.5f) {
    return new AAX_CParameter<float>(id, id, value, AAX_CLinearTaperDelegate<float, 0>(0.0f, 1.0f),
                                     AAX_CNumberDisplayDelegate<float>(), true);
}

AAX_IParameter* MakeBypass() {
    return new AAX_CParameter<bool>("MasterBypassID", "Master Bypass", false, AAX_CBinaryTaperDelegate<bool>(),
                                    AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
}

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
    EXPECT_EQ(AAX_eParameterType_Continuous, gain.GetType());
    EXPECT_DOUBLE_EQ(0.25, gain.GetNormalizedDefaultValue());
}

TEST(Parameter, TypedReadsMatchOnlyTheirType) {
    std::unique_ptr<AAX_IParameter> bypass(MakeBypass());
    bool flag = true;
    float number = 0.0f;
    EXPECT_TRUE(bypass->GetValueAsBool(&flag));
    EXPECT_FALSE(flag);
    EXPECT_FALSE(bypass->GetValueAsFloat(&number));
    EXPECT_EQ(2u, bypass->GetNumberOfSteps());
    EXPECT_EQ(AAX_eParameterType_Discrete, bypass->GetType());
    AAX_CString text;
    EXPECT_TRUE(bypass->GetStringFromNormalizedValue(1.0, text));
    EXPECT_STREQ("on", text.Get());
    double normalized = 0.0;
    EXPECT_TRUE(bypass->GetNormalizedValueFromString(AAX_CString("on"), &normalized));
    EXPECT_EQ(1.0, normalized);
}

TEST(ParameterManager, OrderLookupDuplicatesAndRegistration) {
    FakeAutomation automation;
    AAX_CParameterManager manager;
    EXPECT_EQ(AAX_SUCCESS, manager.AddParameter(MakeBypass()));
    manager.Initialize(&automation);
    EXPECT_EQ(AAX_SUCCESS, manager.AddParameter(MakeFloat("A")));
    EXPECT_EQ(AAX_SUCCESS, manager.AddParameter(MakeFloat("B")));
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, manager.AddParameter(MakeFloat("A")));
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, manager.AddParameter(MakeFloat("")));
    EXPECT_EQ(AAX_ERROR_NULL_OBJECT, manager.AddParameter(nullptr));
    EXPECT_EQ(3, manager.NumParameters());
    EXPECT_EQ(1, manager.GetParameterIndex("A"));
    EXPECT_EQ(-1, manager.GetParameterIndex("C"));
    EXPECT_EQ(-1, manager.GetParameterIndex(nullptr));
    EXPECT_EQ(nullptr, manager.GetParameter(3));
    EXPECT_EQ(nullptr, manager.GetParameter(-1));
    EXPECT_EQ((std::vector<std::string>{"MasterBypassID", "A", "B"}), automation.registered);
    manager.RemoveParameterByID("A");
    EXPECT_EQ(1, manager.GetParameterIndex("B"));
    manager.RemoveAllParameters();
    EXPECT_EQ(0, manager.NumParameters());
    EXPECT_TRUE(automation.registered.empty());
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
    EXPECT_EQ(0, controller.intPacket(0));
    EXPECT_EQ(0.25f, controller.floatPacket(1));
    EXPECT_EQ(5, controller.packets[2].port);

    controller.packets.clear();
    EXPECT_EQ(AAX_SUCCESS, dispatcher.Dispatch());
    EXPECT_TRUE(controller.packets.empty()) << "clean routes post nothing";

    manager.GetParameterByID("MasterBypassID")->UpdateNormalizedValue(1.0);
    EXPECT_EQ(AAX_SUCCESS, dispatcher.SetDirty("MasterBypassID"));
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, dispatcher.SetDirty("Unknown"));
    dispatcher.Dispatch();
    ASSERT_EQ(1u, controller.packets.size());
    EXPECT_EQ(1, controller.intPacket(0)) << "bool travels as 32-bit integer 1";

    controller.packets.clear();
    controller.failPosts = true;
    dispatcher.SetDirty("Gain");
    EXPECT_EQ(AAX_ERROR_POST_PACKET_FAILED, dispatcher.Dispatch());
}
