// The parameters object, the render procedures and the direct data, driven
// directly (no host): packets to engine calls, meter taps, time information,
// chunks, display texts and private-field initialisation.

#include "velvaTonParameters.h"
#include "AAX_CString.h"
#include "AAX_IPrivateDataAccess.h"
#include "FakeHost.h"
#include "HRXPresetManager.h"
#include "HRX_AAX_AllChunk.h"
#include "HRX_AAX_DirectData.h"
#include "PresetTestSupport.h"
#include "RenderStateFixture.h"

#include <limits>
#include <map>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::pair<uint32_t, double>>;

class BridgeTest : public ::testing::Test {
protected:
    TemporaryUserHome home_;
};

TEST_F(BridgeTest, FirstBlockGivesRateAndSevenParametersSecondBlockNeither) {
    RenderStateFixture<2> fixture;
    fixture.render();
    EXPECT_EQ(std::vector<double>{48000.0}, fixture.engine.sampleRates);
    const Calls expected = {{0, 1.0}, {2, 0.5}, {3, 0.5}, {4, 0.5}, {5, 0.5}, {6, static_cast<double>(0.15f)},
                            {7, 0.5}};
    EXPECT_EQ(expected, fixture.engine.parameters);
    EXPECT_EQ(0, fixture.latency);
    EXPECT_EQ(48000.0f, fixture.engineRate);

    fixture.engine.clear();
    fixture.render();
    EXPECT_TRUE(fixture.engine.sampleRates.empty());
    EXPECT_TRUE(fixture.engine.parameters.empty());

    // Only a changed port or rate is passed on.
    fixture.ports[4] = 0.75f;
    fixture.sampleRate = 44100.0f;
    fixture.render();
    EXPECT_EQ(std::vector<double>{44100.0}, fixture.engine.sampleRates);
    EXPECT_EQ((Calls{{4, 0.75}}), fixture.engine.parameters);
}

TEST_F(BridgeTest, BypassRoutesToProcessBypassedAndStillMetersChannelZero) {
    RenderStateFixture<2> fixture;
    fixture.bypass = 1;
    fixture.fill(0.1f);
    fixture.input[1][5] = 0.9f;    // the second channel is not metered
    fixture.frames = 63;           // 15 groups of four and three left over
    fixture.input[0][61] = -0.6f;  // in the remainder
    fixture.input[0][63] = 0.95f;  // beyond the block
    fixture.render();
    EXPECT_EQ(1, fixture.engine.bypassedCalls);
    EXPECT_EQ(0, fixture.engine.processCalls);
    EXPECT_EQ(0.6f, fixture.taps[kHRX_MeterInput]);
    EXPECT_EQ(0.6f, fixture.taps[kHRX_MeterOutput]);  // passed through unchanged
    for (int channel = 0; channel < 2; ++channel)
        for (int32_t i = 0; i < fixture.frames; ++i)
            EXPECT_EQ(fixture.input[channel][i], fixture.output[channel][i]);

    fixture.fill(0.2f);
    fixture.bypass = 0;
    fixture.render();
    EXPECT_EQ(1, fixture.engine.processCalls);
    EXPECT_EQ(0.6f, fixture.taps[kHRX_MeterInput]);  // the host resets the taps, not the plug-in
}

// A host may process in place: the input peak is the block's before the
// engine wrote over it (Output at 30 dB makes the two differ).
TEST_F(BridgeTest, InputPeakIsTakenBeforeAnInPlaceBlockIsProcessed) {
    RenderStateFixture<1> fixture;
    fixture.outputs[0] = fixture.input[0];
    fixture.ports[kOutput] = 1.0f;
    fixture.fill(0.1f);
    fixture.render();
    EXPECT_EQ(0.1f, fixture.taps[kHRX_MeterInput]);
    EXPECT_GT(fixture.taps[kHRX_MeterOutput], 0.1f);
}

TEST_F(BridgeTest, GainReductionAndCustomMeterTaps) {
    RenderStateFixture<1> fixture;
    fixture.engine.overrideOutput = true;
    fixture.engine.gainReductionOutput = 0.3;
    fixture.render();
    EXPECT_EQ(0.3f, fixture.taps[kHRX_MeterGainReduction]);
    EXPECT_EQ(static_cast<float>(0.3 + static_cast<double>(0.1f)), fixture.taps[kHRX_FirstCustomMeter]);
    EXPECT_NEAR(0.4f, fixture.taps[kHRX_FirstCustomMeter], 1e-7);
    for (int32_t k = 1; k < kHRX_CustomMeterCount; ++k)
        EXPECT_EQ(0.0f, fixture.taps[kHRX_FirstCustomMeter + k]) << k;

    // The custom tap carries the reduction plus 0.1, limited to 0.1 .. 1.1.
    const std::pair<double, float> limits[] = {
        {1.7, 1.1f}, {std::numeric_limits<double>::quiet_NaN(), 0.1f}, {-0.5, 0.1f}};
    for (const auto& [reduction, tap] : limits) {
        fixture.engine.gainReductionOutput = reduction;
        fixture.render();
        EXPECT_NEAR(tap, fixture.taps[kHRX_FirstCustomMeter], 1e-7) << reduction;
    }
    fixture.engine.outputAnswer = false;
    fixture.render();
    EXPECT_EQ(1.2345679f, fixture.taps[kHRX_FirstCustomMeter]);
}

TEST_F(BridgeTest, TimeInformationFollowsTheTransport) {
    RenderStateFixture<1> fixture;
    FakeTransport& transport = fixture.transportNode.transport;
    HRXTimeInfo& info = *fixture.state.renderCache->timeInformation.getTimeInfo();
    EXPECT_EQ(0, info.flags);

    transport.tempo = 96.0;
    transport.ticks = 2400000;  // 2.5 quarters
    transport.sampleLocation = 123456;
    fixture.render();
    EXPECT_EQ(kHRXTempoValid | kHRXQuarterPositionValid, info.flags);
    EXPECT_EQ(96.0, info.tempo);
    EXPECT_EQ(2.5, info.quarterPosition);
    EXPECT_EQ(123456.0, info.samplePosition);

    transport.ticks = 0;
    transport.playing = true;
    fixture.render();
    EXPECT_EQ(kHRXTempoValid | kHRXTransportPlaying | kHRXTransportChanged, info.flags);
    transport.playing = false;
    fixture.render();
    EXPECT_EQ(kHRXTempoValid | kHRXTransportChanged, info.flags);  // 0x1 is never cleared

    // Without a transport node the time information keeps its last values.
    fixture.state.transportNode = nullptr;
    transport.tempo = 200.0;
    fixture.render();
    EXPECT_EQ(96.0, info.tempo);
}

TEST_F(BridgeTest, PrivateFieldsAreInitialisedOnlyWithTheirOwnSize) {
    HRX_HVTN_2210_AAX_Parameters_Wrapper parameters;
    alignas(16) unsigned char engine[sizeof(velvaTonEffect) + 16];
    std::memset(engine, 0xAB, sizeof engine);
    EXPECT_EQ(AAX_ERROR_PORT_ID_OUT_OF_RANGE, parameters.ResetFieldData(kField_Engine, engine, 2343));
    EXPECT_EQ(0xAB, engine[0]);
    EXPECT_EQ(AAX_ERROR_PORT_ID_OUT_OF_RANGE,
              parameters.ResetFieldData(kField_Engine, nullptr, sizeof(velvaTonEffect)));
    EXPECT_EQ(AAX_SUCCESS, parameters.ResetFieldData(kField_Engine, engine, sizeof(velvaTonEffect)));
    auto* built = reinterpret_cast<velvaTonEffect*>(engine);
    double reduction = -1.0;
    EXPECT_TRUE(built->getParameterOutput(kGainReduction, &reduction));
    EXPECT_EQ(0.0, reduction);
    built->~velvaTonEffect();

    int32_t latency = 7;
    EXPECT_EQ(AAX_ERROR_PORT_ID_OUT_OF_RANGE, parameters.ResetFieldData(kField_Latency, &latency, 8));
    EXPECT_EQ(7, latency);
    EXPECT_EQ(AAX_SUCCESS, parameters.ResetFieldData(kField_Latency, &latency, 4));
    EXPECT_EQ(-1, latency);

    float rate = 0.0f;
    EXPECT_EQ(AAX_SUCCESS, parameters.ResetFieldData(kField_EngineSampleRate, &rate, 4));
    uint32_t bits = 0;
    std::memcpy(&bits, &rate, 4);
    EXPECT_EQ(0xbfd53f7du, bits);

    alignas(16) unsigned char cache[sizeof(HRX_AAX_RenderCache)];
    EXPECT_EQ(AAX_ERROR_PORT_ID_OUT_OF_RANGE, parameters.ResetFieldData(kField_RenderCache, cache, sizeof cache - 1));
    EXPECT_EQ(AAX_SUCCESS, parameters.ResetFieldData(kField_RenderCache, cache, sizeof cache));
    for (float value : reinterpret_cast<HRX_AAX_RenderCache*>(cache)->values)
        EXPECT_EQ(HRX_AAX_RenderCache::kUnset, value);

    unsigned char other[5] = {1, 2, 3, 4, 5};
    EXPECT_EQ(AAX_SUCCESS, parameters.ResetFieldData(3, other, sizeof other));
    for (unsigned char byte : other)
        EXPECT_EQ(0, byte);
}

TEST_F(BridgeTest, DisplayTextsForTheHost) {
    HRX_HVTN_2210_AAX_Parameters_Wrapper parameters;
    AAX_CString text("unchanged");
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, parameters.GetParameterStringFromValue("MasterBypassID", 1.0, &text, 32));
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, parameters.GetParameterStringFromValue("Ratio", 0.5, &text, 32));
    EXPECT_STREQ("unchanged", text.Get());
    const struct {
        int32_t slot;
        double value;
        int32_t length;
        const char* text;
    } cases[] = {{6, 0.15, 3, "4.5"},        {6, 0.15, 32, "4.50"},    {2, 1.0, 32, "10:1"},
                 {13, 0.5, 32, "-6.02 dB "}, {13, 0.0, 32, "-oo dB "}, {0, 0.0, -4, ""}};
    for (const auto& c : cases) {
        const char* id = parameterIdTable[c.slot];
        EXPECT_EQ(AAX_SUCCESS, parameters.GetParameterStringFromValue(id, c.value, &text, c.length));
        EXPECT_STREQ(c.text, text.Get()) << c.slot << " " << c.value;
    }
}

// The 'All ' chunk through the parameters object, without a host.
class AllChunkTest : public BridgeTest {
protected:
    static std::vector<uint64_t> record(uint32_t dataSize) {
        return std::vector<uint64_t>(AAX_ChunkRecordSize(dataSize) / 8 + 1, 0);
    }
    static AAX_SPlugInChunk* asChunk(std::vector<uint64_t>& storage) {
        return reinterpret_cast<AAX_SPlugInChunk*>(storage.data());
    }
    static std::vector<uint64_t> saved(HRX_HVTN_2210_AAX_Parameters_Wrapper& parameters) {
        uint32_t size = 0;
        EXPECT_EQ(AAX_SUCCESS, parameters.GetChunkSize(kHRX_ChunkID_All, &size));
        std::vector<uint64_t> storage = record(size);
        asChunk(storage)->fSize = static_cast<int32_t>(size);
        EXPECT_EQ(AAX_SUCCESS, parameters.GetChunk(kHRX_ChunkID_All, asChunk(storage)));
        return storage;
    }
};

TEST_F(AllChunkTest, LayoutAndSize) {
    HRX_HVTN_2210_AAX_Parameters_Wrapper parameters;
    int32_t count = 0;
    EXPECT_EQ(AAX_SUCCESS, parameters.GetNumberOfChunks(&count));
    EXPECT_EQ(2, count);
    AAX_CTypeID id = 1;
    EXPECT_EQ(AAX_SUCCESS, parameters.GetChunkIDFromIndex(0, &id));
    EXPECT_EQ(AAX_FourCC("elck"), id);
    EXPECT_EQ(AAX_SUCCESS, parameters.GetChunkIDFromIndex(1, &id));
    EXPECT_EQ(AAX_FourCC("All "), id);
    EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_INDEX, parameters.GetChunkIDFromIndex(2, &id));
    EXPECT_EQ(0u, id);
    uint32_t size = 5;
    EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, parameters.GetChunkSize(AAX_FourCC("xxxx"), &size));
    EXPECT_EQ(0u, size);

    std::vector<uint64_t> storage = saved(parameters);
    const AAX_SPlugInChunk* chunk = asChunk(storage);
    ASSERT_EQ(1233, chunk->fSize);
    const auto* data = reinterpret_cast<const uint8_t*>(chunk->fData);
    const uint8_t prefix[8] = {0, 0, 0, 2, 'N', 'T', 'V', 'H'};
    EXPECT_EQ(0, std::memcmp(prefix, data, 8));
    EXPECT_EQ(0, std::memcmp("NTVH", data + 8, 4));
    EXPECT_EQ(0x38, data[12]);
    const uint8_t trailer[8] = {0, 0, 0x30, 0, 0, 0, 0x30, 0};
    EXPECT_EQ(0, std::memcmp(trailer, data + 1225, 8));

    // A record smaller than the chunk is refused, not overrun.
    std::vector<uint64_t> small = record(1233);
    asChunk(small)->fSize = 1000;
    EXPECT_EQ(AAX_ERROR_INCORRECT_CHUNK_SIZE, parameters.GetChunk(kHRX_ChunkID_All, asChunk(small)));
}

TEST_F(AllChunkTest, RestoresBankSetupAuxWordAndZoomIntoAFreshInstance) {
    HRX_HVTN_2210_AAX_Parameters_Wrapper first;
    HRXPresetManager& manager = *first.getController().getPresetManager();
    manager.setupA.current.values[5] = 0.875f;
    manager.workingBank[1].values[2] = 0.25f;
    manager.workingBank[2].values[7] = 0.125f;
    manager.auxWord = 1234;
    manager.zoomPercent = 150;
    std::vector<uint64_t> storage = saved(first);

    HRX_HVTN_2210_AAX_Parameters_Wrapper second;
    EXPECT_EQ(AAX_SUCCESS, second.SetChunk(kHRX_ChunkID_All, asChunk(storage)));
    HRXPresetManager& restored = *second.getController().getPresetManager();
    EXPECT_EQ(0.875f, restored.setupA.current.values[5]);
    EXPECT_EQ(0.25f, restored.workingBank[1].values[2]);
    EXPECT_EQ(0.125f, restored.workingBank[2].values[7]);
    EXPECT_EQ(1234, restored.auxWord);
    EXPECT_EQ(150, restored.zoomPercent);
    EXPECT_EQ(0.875, second.getController().getValue(5));
}

TEST_F(AllChunkTest, ShortOrOverclaimingChunksRestoreNothing) {
    HRX_HVTN_2210_AAX_Parameters_Wrapper source;
    source.getController().getPresetManager()->setupA.current.values[5] = 0.875f;
    std::vector<uint64_t> storage = saved(source);
    AAX_SPlugInChunk* chunk = asChunk(storage);

    HRX_HVTN_2210_AAX_Parameters_Wrapper target;
    HRXPresetManager& manager = *target.getController().getPresetManager();
    const HRXPresetRecord before = manager.setupA.current;
    auto unchanged = [&] { return std::memcmp(&before, &manager.setupA.current, sizeof before) == 0; };

    chunk->fSize = 11;
    EXPECT_EQ(AAX_ERROR_NOT_INITIALIZED, target.SetChunk(kHRX_ChunkID_All, chunk));
    // The container claims 1217 bytes but the chunk ends earlier.
    for (int32_t size : {12, 16, 100, 1000, 1232}) {
        chunk->fSize = size;
        EXPECT_EQ(AAX_ERROR_INCORRECT_CHUNK_SIZE, target.SetChunk(kHRX_ChunkID_All, chunk)) << size;
    }
    EXPECT_TRUE(unchanged());

    // An entry whose data size runs past the end.
    chunk->fSize = 1233;
    auto* data = reinterpret_cast<uint8_t*>(chunk->fData);
    const uint32_t huge = 0x7ffffff0u;
    std::memcpy(data + 8 + 41 + 4, &huge, 4);
    EXPECT_EQ(AAX_ERROR_INCORRECT_CHUNK_SIZE, target.SetChunk(kHRX_ChunkID_All, chunk));
    EXPECT_TRUE(unchanged());

    // Another product's code is accepted and restores nothing.
    std::memcpy(data + 4, "ABCD", 4);
    EXPECT_EQ(AAX_SUCCESS, target.SetChunk(kHRX_ChunkID_All, chunk));
    EXPECT_TRUE(unchanged());
}

// Private-data access over plain memory blocks, one per field.
class FakePrivateData : public AAX_IPrivateDataAccess {
public:
    AAX_Result ReadPortDirect(AAX_CFieldIndex field, uint32_t offset, uint32_t size, void* buffer) override {
        unsigned char* base = at(field, offset, size);
        if (base)
            std::memcpy(buffer, base, size);
        return base ? AAX_SUCCESS : AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS;
    }
    AAX_Result WritePortDirect(AAX_CFieldIndex field, uint32_t offset, uint32_t size, const void* buffer) override {
        writes.push_back({static_cast<uint32_t>(field), offset, size});
        unsigned char* base = at(field, offset, size);
        if (base)
            std::memcpy(base, buffer, size);
        return base ? AAX_SUCCESS : AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS;
    }
    unsigned char* at(AAX_CFieldIndex field, uint32_t offset, uint32_t size) {
        const auto it = fields.find(field);
        if (it == fields.end() || offset > it->second.second || size > it->second.second - offset)
            return nullptr;
        return static_cast<unsigned char*>(it->second.first) + offset;
    }
    std::map<AAX_CFieldIndex, std::pair<void*, uint32_t>> fields;
    std::vector<std::vector<uint32_t>> writes;  // field, offset, size
};

TEST_F(BridgeTest, TimerReportsLatencyAndMovesTheMailboxIntoTheRenderCache) {
    RenderStateFixture<1> fixture;
    FakeHost host;
    host.parameters = &fixture.parameters;
    FakeController& controller = host.controller;
    controller.latency = 5;
    HRX_AAX_DirectData directData;
    ASSERT_EQ(AAX_SUCCESS, directData.Initialize(&host));
    FakePrivateData access;
    access.fields[kField_RenderCache] = {fixture.cache, sizeof fixture.cache};
    access.fields[kField_Latency] = {&fixture.latency, sizeof fixture.latency};

    // Before the first block the latency field still holds -1: nothing to report.
    EXPECT_EQ(AAX_SUCCESS, directData.TimerWakeup(&access));
    EXPECT_EQ(0, controller.latencyChanges);
    fixture.render();
    EXPECT_EQ(AAX_SUCCESS, directData.TimerWakeup(&access));
    EXPECT_EQ(0, controller.latency);
    EXPECT_EQ(1, controller.latencyChanges);
    fixture.engine.clear();

    HRX_AAX_ControllerWrapper& wrapper = fixture.parameters.getController();
    wrapper.setParameter(20, 0.3);
    wrapper.setParameter(27, 0.0);
    EXPECT_TRUE(wrapper.isMailboxPending());
    EXPECT_EQ(AAX_SUCCESS, directData.TimerWakeup(&access));
    // Only the two mailbox entries are written: the rest of the render cache
    // belongs to the render procedure.
    const uint32_t values = HRX_AAX_RenderCache::valuesOffset();
    EXPECT_EQ((std::vector<std::vector<uint32_t>>{{kField_RenderCache, values + 4 * 20, 4},
                                                  {kField_RenderCache, values + 4 * 27, 4}}),
              access.writes);
    EXPECT_FALSE(wrapper.isMailboxPending());
    EXPECT_EQ(HRX_AAX_ControllerWrapper::kMailboxEmpty, wrapper.getMailboxValue(20));
    EXPECT_EQ(0.3f, fixture.state.renderCache->values[20]);
    EXPECT_EQ(1, controller.latencyChanges);

    fixture.render();
    EXPECT_EQ((Calls{{20, static_cast<double>(0.3f)}, {27, 0.0}}), fixture.engine.parameters);
    EXPECT_EQ(HRX_AAX_RenderCache::kMailboxEmpty, fixture.state.renderCache->values[20]);
    fixture.engine.clear();
    EXPECT_EQ(AAX_SUCCESS, directData.TimerWakeup(&access));
    fixture.render();
    EXPECT_TRUE(fixture.engine.parameters.empty());
    EXPECT_EQ(AAX_SUCCESS, directData.Uninitialize());
}

}  // namespace
