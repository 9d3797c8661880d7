#include "TestGainHost.h"

#include "AAX_IPrivateDataAccess.h"

using HostRender = TestGainHost;

namespace {

// The test plug-in's private field 8.
struct GainState {
    int32_t blocks;
    int32_t latency;
    double tempo;
    int64_t ticks;
    int32_t playing;
};

}  // namespace

TEST_F(HostRender, BothVariantsApplyTheGainAndFillTheMeters) {
    for (AAXHostVariant variant : {AAXHostVariant::Mono, AAXHostVariant::Stereo}) {
        auto instance = make(variant);
        ASSERT_TRUE(instance);
        const int32_t channels = variant == AAXHostVariant::Mono ? 1 : 2;
        EXPECT_EQ(channels, instance->inputChannels());
        Buffers audio(channels, 256);
        ASSERT_EQ(AAX_SUCCESS, instance->render(audio.inputs.data(), audio.outputs.data(), 256));
        for (int32_t c = 0; c < channels; ++c) {
            for (int32_t i = 0; i < 256; ++i) ASSERT_EQ(audio.in[c][i] * 0.5f, audio.out[c][i]);
        }
        ASSERT_EQ(4, instance->meterCount());
        EXPECT_EQ(0.001f * 255.0f, instance->meterValue(0));
        EXPECT_EQ(0.001f * 255.0f * 0.5f, instance->meterValue(1));
        EXPECT_EQ(0.5f, instance->meterValue(2));
        EXPECT_EQ(0.0f, instance->meterValue(4));
    }
}

TEST_F(HostRender, PacketsReachTheirPortsBeforeTheNextBlock) {
    auto instance = make(AAXHostVariant::Stereo);
    Buffers audio(2, 64);
    EXPECT_EQ(AAX_SUCCESS, instance->setParameterValue(kTestGainParameterID, 0.1));
    EXPECT_EQ(AAX_SUCCESS, instance->setParameterValue(kTestGainParameterID, 0.25));
    instance->render(audio.inputs.data(), audio.outputs.data(), 64);
    EXPECT_EQ(audio.in[1][10] * 0.25f, audio.out[1][10]) << "the last packet before the block wins";
    EXPECT_EQ(0.25f, instance->meterValue(2));

    instance->setParameterValue("MasterBypassID", 1.0);
    instance->render(audio.inputs.data(), audio.outputs.data(), 64);
    EXPECT_EQ(audio.in, audio.out) << "bypass word 1 reached port 0";
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, instance->setParameterValue("Nope", 0.5));
}

TEST_F(HostRender, BlockLengthsAndRatesAreBounded) {
    auto instance = make(AAXHostVariant::Mono);
    Buffers audio(1, AAXHostInstance::kMaxBlockFrames + 1);
    EXPECT_EQ(AAX_SUCCESS, instance->render(audio.inputs.data(), audio.outputs.data(), 1));
    EXPECT_EQ(AAX_SUCCESS, instance->render(audio.inputs.data(), audio.outputs.data(), 4096));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, instance->render(audio.inputs.data(), audio.outputs.data(), 0));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, instance->render(audio.inputs.data(), audio.outputs.data(), 4097));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, instance->render(nullptr, audio.outputs.data(), 16));
    const float* missing[1] = {nullptr};
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, instance->render(missing, audio.outputs.data(), 16));
    EXPECT_EQ(AAX_SUCCESS, instance->setSampleRate(22050.0));
    EXPECT_EQ(AAX_SUCCESS, instance->setSampleRate(192000.0));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, instance->setSampleRate(22049.0));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, instance->setSampleRate(192001.0));
    EXPECT_EQ(192000.0, instance->sampleRate());
    AAX_Result result = 0;
    EXPECT_EQ(nullptr, host.createInstance(AAXHostVariant::Mono, 8000.0, &result));
    EXPECT_EQ(AAX_ERROR_INVALID_ARGUMENT, result);
}

TEST_F(HostRender, TimerCadenceDeliversLatencyAndPrivateData) {
    auto instance = make(AAXHostVariant::Mono, 48000.0);
    Buffers audio(1, 64);
    instance->process(audio.inputs.data(), audio.outputs.data(), 64);
    EXPECT_EQ(1.0f, instance->meterValue(3)) << "the timer ran before the first block";
    EXPECT_EQ(0, instance->latency()) << "no latency reported before the first block";
    // 20 ms at 48 kHz are 960 frames: 15 blocks of 64.
    for (int block = 1; block < 15; ++block) {
        instance->process(audio.inputs.data(), audio.outputs.data(), 64);
        EXPECT_EQ(1.0f, instance->meterValue(3));
    }
    instance->process(audio.inputs.data(), audio.outputs.data(), 64);
    EXPECT_EQ(2.0f, instance->meterValue(3));
    EXPECT_EQ(kTestGainLatency, instance->latency());
    EXPECT_EQ(AAX_SUCCESS, instance->timerWakeup());
    instance->render(audio.inputs.data(), audio.outputs.data(), 64);
    EXPECT_EQ(3.0f, instance->meterValue(3));

    GainState state{};
    AAX_IPrivateDataAccess& fields = instance->privateData();
    ASSERT_EQ(AAX_SUCCESS, fields.ReadPortDirect(8, 0, sizeof state, &state));
    EXPECT_EQ(17, state.blocks);
    EXPECT_EQ(AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS, fields.ReadPortDirect(8, 1, sizeof state, &state));
    EXPECT_EQ(AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS, fields.ReadPortDirect(9, 0xFFFFFFFFu, 2, &state));
    EXPECT_EQ(AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS, fields.ReadPortDirect(1, 0, 4, &state));
    EXPECT_EQ(AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS, fields.WritePortDirect(63, 0, 4, &state));
}

TEST_F(HostRender, TransportReachesThePluginAndMovesWhilePlaying) {
    auto instance = make(AAXHostVariant::Stereo, 48000.0);
    AAXHostTransportState transport;
    transport.tempo = 90.0;
    transport.playing = true;
    transport.sampleLocation = 1000;
    instance->setTransport(transport);
    Buffers audio(2, 4000);
    for (int i = 0; i < 12; ++i) instance->render(audio.inputs.data(), audio.outputs.data(), 4000);
    // One second at 90 bpm: 1.5 quarter notes.
    EXPECT_EQ(49000, instance->transport().sampleLocation);
    EXPECT_EQ(1440000, instance->transport().tickPosition);
    GainState state{};
    instance->privateData().ReadPortDirect(8, 0, sizeof state, &state);
    EXPECT_EQ(90.0, state.tempo);
    EXPECT_EQ(1, state.playing);
    EXPECT_EQ(1440000 - 120000, state.ticks) << "the plug-in saw the position at the start of its block";
    transport.playing = false;
    instance->setTransport(transport);
    instance->render(audio.inputs.data(), audio.outputs.data(), 4000);
    EXPECT_EQ(1000, instance->transport().sampleLocation);
}

TEST_F(HostRender, SixtyFourInstancesSideBySide) {
    std::vector<std::unique_ptr<AAXHostInstance>> instances;
    for (int i = 0; i < 64; ++i) {
        instances.push_back(make(i % 2 ? AAXHostVariant::Stereo : AAXHostVariant::Mono));
        ASSERT_TRUE(instances.back());
        instances.back()->setParameterValue(kTestGainParameterID, i / 64.0);
    }
    EXPECT_EQ(128, host.canUnloadNow());
    Buffers audio(2, 128);
    for (int i = 0; i < 64; ++i) {
        ASSERT_EQ(AAX_SUCCESS, instances[i]->process(audio.inputs.data(), audio.outputs.data(), 128));
        EXPECT_EQ(static_cast<float>(i / 64.0), instances[i]->meterValue(2));
    }
    instances.clear();
    EXPECT_EQ(0, host.canUnloadNow());
}
