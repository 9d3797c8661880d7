#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "AAXHost.h"
#include "AAX_Errors.h"
#include "TestGainPluginIds.h"

// A loaded test gain plug-in and audio buffers for its instances.
class TestGainHost : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_EQ(AAX_SUCCESS, host.load(TEST_GAIN_PLUGIN, &error)) << error;
    }

    std::unique_ptr<AAXHostInstance> make(AAXHostVariant variant, double rate = 48000.0) {
        AAX_Result result = -1;
        auto instance = host.createInstance(variant, rate, &result);
        EXPECT_EQ(AAX_SUCCESS, result);
        return instance;
    }

    struct Buffers {
        explicit Buffers(int32_t channels, int32_t frames)
            : in(static_cast<size_t>(channels), std::vector<float>(static_cast<size_t>(frames))),
              out(static_cast<size_t>(channels), std::vector<float>(static_cast<size_t>(frames), -7.0f)) {
            for (size_t c = 0; c < in.size(); ++c) {
                for (size_t i = 0; i < in[c].size(); ++i) {
                    in[c][i] = 0.001f * static_cast<float>(i % 500) * (c == 0 ? 1.0f : -0.5f);
                }
                inputs.push_back(in[c].data());
                outputs.push_back(out[c].data());
            }
        }
        std::vector<std::vector<float>> in;
        std::vector<std::vector<float>> out;
        std::vector<const float*> inputs;
        std::vector<float*> outputs;
    };

    AAXHost host;
};
