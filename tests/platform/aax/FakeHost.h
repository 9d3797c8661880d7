#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "AAX_Errors.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IController.h"
#include "IACFUnknown.h"

// Recording stand-ins for the host side of the framework's interfaces.

class FakeAutomation : public AAX_IAutomationDelegate {
public:
    AAX_Result RegisterParameter(AAX_CParamID id) override {
        registered.emplace_back(id);
        return AAX_SUCCESS;
    }
    AAX_Result UnregisterParameter(AAX_CParamID id) override {
        const auto it = std::find(registered.begin(), registered.end(), id);
        if (it == registered.end())
            return AAX_ERROR_INVALID_PARAMETER_ID;
        registered.erase(it);
        return AAX_SUCCESS;
    }
    AAX_Result PostSetValueRequest(AAX_CParamID id, double value) override {
        requests.emplace_back(id, value);
        return AAX_SUCCESS;
    }
    AAX_Result PostTouchRequest(AAX_CParamID id) override {
        log.push_back(std::string("touch ") + id);
        return AAX_SUCCESS;
    }
    AAX_Result PostReleaseRequest(AAX_CParamID id) override {
        log.push_back(std::string("release ") + id);
        return AAX_SUCCESS;
    }
    AAX_Result GetTouchState(AAX_CParamID, AAX_CBoolean* touched) override {
        *touched = 0;
        return AAX_SUCCESS;
    }

    std::vector<std::string> registered;
    std::vector<std::pair<std::string, double>> requests;
    std::vector<std::string> log;
};

class FakeController : public AAX_IController {
public:
    struct Packet {
        AAX_CFieldIndex port;
        std::vector<unsigned char> bytes;
    };
    AAX_Result GetSampleRate(AAX_CSampleRate* rate) const override {
        *rate = 48000.0f;
        return AAX_SUCCESS;
    }
    AAX_Result GetInputStemFormat(AAX_EStemFormat* format) const override { return GetOutputStemFormat(format); }
    AAX_Result GetOutputStemFormat(AAX_EStemFormat* format) const override {
        *format = AAX_eStemFormat_Mono;
        return AAX_SUCCESS;
    }
    AAX_Result GetSignalLatency(int32_t* samples) const override {
        *samples = latency;
        return AAX_SUCCESS;
    }
    AAX_Result SetSignalLatency(int32_t samples) override {
        latency = samples;
        ++latencyChanges;
        return AAX_SUCCESS;
    }
    AAX_Result GetCurrentMeterValue(AAX_CTypeID, float* value) const override {
        *value = meterValue;
        return AAX_SUCCESS;
    }
    AAX_Result PostPacket(AAX_CFieldIndex port, const void* payload, uint32_t size) override {
        if (failPosts)
            return AAX_ERROR_POST_PACKET_FAILED;
        const auto* bytes = static_cast<const unsigned char*>(payload);
        packets.push_back(Packet{port, std::vector<unsigned char>(bytes, bytes + size)});
        return AAX_SUCCESS;
    }
    // The 4-byte payload of packet i, or a marker when it has another size.
    template <typename T>
    T payload(size_t i) const {
        T value = T(-99);
        if (packets[i].bytes.size() == 4)
            std::memcpy(&value, packets[i].bytes.data(), 4);
        return value;
    }

    std::vector<Packet> packets;
    bool failPosts = false;
    float meterValue = 0.0f;
    int32_t latency = 0;
    int latencyChanges = 0;
};

// An instance's host interface with a recording controller and the given
// automation delegate.
template <class Automation>
class BasicFakeHost : public IACFUnknown {
public:
    AAX_IHostServices* GetHostServices() override { return nullptr; }
    AAX_ICollection* GetCollection() override { return nullptr; }
    AAX_IController* GetController() override { return &controller; }
    AAX_IAutomationDelegate* GetAutomationDelegate() override { return &automation; }
    AAX_ITransport* GetTransport() override { return nullptr; }
    AAX_IEffectParameters* GetEffectParameters() override { return parameters; }

    FakeController controller;
    Automation automation;
    AAX_IEffectParameters* parameters = nullptr;
};

using FakeHost = BasicFakeHost<FakeAutomation>;
