#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CHostServices.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_CString.h"
#include "FakeHost.h"

namespace {

class TwoKnobs : public AAX_CEffectParameters {
protected:
    AAX_Result EffectInit() override {
        mParameterManager.AddParameter(new AAX_CParameter<bool>(
            cDefaultMasterBypassID, "Master Bypass", false, AAX_CBinaryTaperDelegate<bool>(),
            AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true));
        for (const char* id : {"A", "B"}) {
            mParameterManager.AddParameter(new AAX_CParameter<float>(
                id, id, 0.5f, AAX_CLinearTaperDelegate<float, 0>(0.0f, 1.0f), AAX_CNumberDisplayDelegate<float>(),
                true));
        }
        mPacketDispatcher.RegisterPacket(cDefaultMasterBypassID, 0);
        mPacketDispatcher.RegisterPacket("A", 1);
        mPacketDispatcher.RegisterPacket("B", 2);
        return AAX_SUCCESS;
    }
};

struct ChunkRecord {
    explicit ChunkRecord(uint32_t size) : storage((AAX_ChunkRecordSize(size) + 7) / 8, 0) {
        chunk()->fSize = static_cast<int32_t>(size);
    }
    AAX_SPlugInChunk* chunk() { return reinterpret_cast<AAX_SPlugInChunk*>(storage.data()); }
    std::vector<uint64_t> storage;
};

ChunkRecord GetControls(AAX_CEffectParameters& parameters) {
    uint32_t size = 0;
    EXPECT_EQ(AAX_SUCCESS, parameters.GetChunkSize(kAAX_ControlsChunkID, &size));
    ChunkRecord record(size);
    record.chunk()->fChunkID = kAAX_ControlsChunkID;
    EXPECT_EQ(AAX_SUCCESS, parameters.GetChunk(kAAX_ControlsChunkID, record.chunk()));
    return record;
}

}  // namespace

TEST(EffectParameters, InitializeCreatesParametersAndPostsInitialPackets) {
    FakeHost host;
    TwoKnobs parameters;
    EXPECT_EQ(AAX_ERROR_NULL_OBJECT, parameters.Initialize(nullptr));
    ASSERT_EQ(AAX_SUCCESS, parameters.Initialize(&host));
    int32_t count = 0;
    parameters.GetNumberOfParameters(&count);
    EXPECT_EQ(3, count);
    AAX_CString id;
    parameters.GetMasterBypassParameter(&id);
    EXPECT_STREQ("MasterBypassID", id.Get());
    EXPECT_EQ(AAX_SUCCESS, parameters.GenerateCoefficients());
    EXPECT_EQ(3u, host.controller.packets.size());
    EXPECT_EQ((std::vector<std::string>{"MasterBypassID", "A", "B"}), host.automation.registered);
    parameters.Uninitialize();
    EXPECT_TRUE(host.automation.registered.empty());
}

TEST(EffectParameters, UpdateMarksPacketAndCountsOnlyRealChanges) {
    FakeHost host;
    TwoKnobs parameters;
    parameters.Initialize(&host);
    parameters.GenerateCoefficients();
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
    EXPECT_EQ(0.75f, host.controller.floatPacket(1));
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID,
              parameters.UpdateParameterNormalizedValue("Nope", 0.1, AAX_eUpdateSource_Unspecified));
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, parameters.TouchParameter("Nope"));
    double value = 0;
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, parameters.GetParameterNormalizedValue("Nope", &value));
    AAX_CString text;
    EXPECT_EQ(AAX_SUCCESS, parameters.GetParameterStringFromValue("A", 0.126, &text, 4));
    EXPECT_STREQ("0.13", text.Get());
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_INDEX, parameters.GetParameterIDFromIndex(3, &text));
    EXPECT_EQ(AAX_ERROR_UNIMPLEMENTED, parameters.GetCurveData(0, nullptr, 0, nullptr));
}

TEST(EffectParameters, ControlsChunkRoundTripSkipsMasterBypassAndCompares) {
    FakeHost host;
    TwoKnobs source;
    source.Initialize(&host);
    source.UpdateParameterNormalizedValue("A", 0.1, AAX_eUpdateSource_Unspecified);
    source.UpdateParameterNormalizedValue("B", 0.9, AAX_eUpdateSource_Unspecified);
    source.UpdateParameterNormalizedValue(cDefaultMasterBypassID, 1.0, AAX_eUpdateSource_Unspecified);
    ChunkRecord saved = GetControls(source);
    EXPECT_STREQ("Complete Controls State", saved.chunk()->fName);
    EXPECT_EQ(1, saved.chunk()->fVersion);

    FakeHost otherHost;
    TwoKnobs target;
    target.Initialize(&otherHost);
    otherHost.automation.answer = &target;
    AAX_CBoolean equal = 1;
    EXPECT_EQ(AAX_SUCCESS, target.CompareActiveChunk(saved.chunk(), &equal));
    EXPECT_EQ(0, equal);
    EXPECT_EQ(AAX_SUCCESS, target.SetChunk(kAAX_ControlsChunkID, saved.chunk()));
    double a = 0, b = 0, bypass = 0;
    target.GetParameterNormalizedValue("A", &a);
    target.GetParameterNormalizedValue("B", &b);
    target.GetParameterNormalizedValue(cDefaultMasterBypassID, &bypass);
    EXPECT_EQ(static_cast<double>(0.1f), a);
    EXPECT_EQ(static_cast<double>(0.9f), b);
    EXPECT_EQ(0.0, bypass) << "the master bypass is not part of the chunk";
    EXPECT_EQ(2u, otherHost.automation.requests.size()) << "restored values go through the host";
    EXPECT_EQ(AAX_SUCCESS, target.CompareActiveChunk(saved.chunk(), &equal));
    EXPECT_EQ(1, equal);

    // Any other chunk id compares equal; a damaged controls chunk does not.
    saved.chunk()->fChunkID = AAX_FourCC("All ");
    EXPECT_EQ(AAX_SUCCESS, source.CompareActiveChunk(saved.chunk(), &equal));
    EXPECT_EQ(1, equal);
    saved.chunk()->fChunkID = kAAX_ControlsChunkID;
    saved.chunk()->fSize -= 1;
    EXPECT_EQ(AAX_SUCCESS, target.CompareActiveChunk(saved.chunk(), &equal));
    EXPECT_EQ(0, equal);
    EXPECT_EQ(AAX_ERROR_MALFORMED_CHUNK, target.SetChunk(kAAX_ControlsChunkID, saved.chunk()));
}

TEST(EffectParameters, ChunkIndexIdAndSizeErrors) {
    FakeHost host;
    TwoKnobs parameters;
    parameters.Initialize(&host);
    AAX_CTypeID id = 1;
    EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_INDEX, parameters.GetChunkIDFromIndex(1, &id));
    EXPECT_EQ(0u, id);
    EXPECT_EQ(AAX_SUCCESS, parameters.GetChunkIDFromIndex(0, &id));
    EXPECT_EQ(AAX_FourCC("elck"), id);
    uint32_t size = 5;
    EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, parameters.GetChunkSize(AAX_FourCC("nope"), &size));
    EXPECT_EQ(0u, size);
    ChunkRecord record(256);
    EXPECT_EQ(AAX_ERROR_INCORRECT_CHUNK_SIZE, parameters.GetChunk(kAAX_ControlsChunkID, record.chunk()))
        << "GetChunk before GetChunkSize";
    EXPECT_EQ(AAX_SUCCESS, parameters.GetChunkSize(kAAX_ControlsChunkID, &size));
    EXPECT_EQ(AAX_SUCCESS, parameters.GetChunk(kAAX_ControlsChunkID, record.chunk()));
    EXPECT_EQ(static_cast<int32_t>(size), record.chunk()->fSize);
    EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, parameters.SetChunk(AAX_FourCC("nope"), record.chunk()));
}

TEST(EffectParameters, ResetFieldDataZeroFills) {
    TwoKnobs parameters;
    unsigned char block[16];
    std::memset(block, 0xAB, sizeof block);
    EXPECT_EQ(AAX_SUCCESS, parameters.ResetFieldData(3, block, 12));
    EXPECT_EQ(0, block[11]);
    EXPECT_EQ(0xAB, block[12]);
}

TEST(HostServices, ReportsGoToTheProxyAndAreDroppedWithoutOne) {
    FakeHost host;
    AAX_CHostServices::Set(nullptr);
    EXPECT_FALSE(AAX_CHostServices::Exists());
    EXPECT_EQ(AAX_SUCCESS, AAX_CHostServices::HandleAssertFailure("f.cpp", 3, "x == y"));
    AAX_CHostServices::Set(&host);
    EXPECT_TRUE(AAX_CHostServices::Exists());
    AAX_CHostServices::HandleAssertFailure("f.cpp", 7, "err == AAX_SUCCESS");
    AAX_CHostServices::Trace(2, "caught: %s %d", "unknown", 5);
    AAX_CHostServices::Set(nullptr);
    AAX_CHostServices::Trace(2, "dropped");
    EXPECT_EQ((std::vector<std::string>{"f.cpp:7:err == AAX_SUCCESS:1"}), host.services.asserts);
    EXPECT_EQ((std::vector<std::string>{"2 caught: unknown 5"}), host.services.traces);
}

TEST(ActiveObjects, FrameworkObjectsCountThemselves) {
    const int32_t before = CACFUnknown::GetActiveObjectCount();
    {
        TwoKnobs one;
        TwoKnobs two;
        EXPECT_EQ(before + 2, CACFUnknown::GetActiveObjectCount());
    }
    EXPECT_EQ(before, CACFUnknown::GetActiveObjectCount());
}
