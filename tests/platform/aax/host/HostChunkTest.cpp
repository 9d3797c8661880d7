#include "TestGainHost.h"

#include "AAX_FourCC.h"

using HostChunks = TestGainHost;

TEST_F(HostChunks, StateMovesToAFreshInstanceAndCompares) {
    auto source = make(AAXHostVariant::Stereo);
    source->setParameterValue(kTestGainParameterID, 0.3);
    source->setParameterValue("MasterBypassID", 1.0);
    std::vector<AAXHostChunk> state;
    ASSERT_EQ(AAX_SUCCESS, source->getState(&state));
    ASSERT_EQ(1u, state.size());
    EXPECT_EQ(AAX_FourCC("elck"), state[0].id);
    EXPECT_EQ("Complete Controls State", state[0].name);
    EXPECT_EQ(1, state[0].version);

    auto target = make(AAXHostVariant::Stereo);
    bool equal = true;
    EXPECT_EQ(AAX_SUCCESS, target->compareChunk(state[0], &equal));
    EXPECT_FALSE(equal);
    ASSERT_EQ(AAX_SUCCESS, target->setState(state));
    double value = 0;
    target->parameterValue(kTestGainParameterID, &value);
    EXPECT_EQ(static_cast<double>(0.3f), value);
    target->parameterValue("MasterBypassID", &value);
    EXPECT_EQ(0.0, value) << "the master bypass stays out of the controls chunk";
    EXPECT_EQ(AAX_SUCCESS, target->compareChunk(state[0], &equal));
    EXPECT_TRUE(equal);
    Buffers audio(2, 64);
    target->render(audio.inputs.data(), audio.outputs.data(), 64);
    EXPECT_EQ(audio.in[0][33] * 0.3f, audio.out[0][33]) << "the restored value reached the port";
    EXPECT_EQ(1u, target->gestures().size()) << "restore went through a set-value request";
}

TEST_F(HostChunks, HostileChunksRestoreNothing) {
    auto instance = make(AAXHostVariant::Mono);
    instance->setParameterValue(kTestGainParameterID, 0.6);
    AAXHostChunk hostile;
    hostile.id = AAX_FourCC("elck");
    hostile.data = {1, 0, 0, 0, 1, 0, 0, 0, 'd', 4, 'G', 'a', 'i', 'n', 0, 0};  // double cut short
    EXPECT_EQ(AAX_ERROR_MALFORMED_CHUNK, instance->setChunk(hostile));
    hostile.data.clear();
    EXPECT_EQ(AAX_ERROR_MALFORMED_CHUNK, instance->setChunk(hostile));
    hostile.id = AAX_FourCC("nope");
    EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, instance->setChunk(hostile));
    double value = 0;
    instance->parameterValue(kTestGainParameterID, &value);
    EXPECT_EQ(static_cast<double>(0.6f), value);
    AAXHostChunk chunk;
    EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, instance->getChunk(AAX_FourCC("nope"), &chunk));
}
