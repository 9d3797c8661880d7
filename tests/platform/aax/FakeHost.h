#pragma once

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "AAX_Errors.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IHostServices.h"
#include "IACFUnknown.h"

// Recording stand-ins for the host side of the framework's interfaces.

class FakeAutomation : public AAX_IAutomationDelegate {
public:
    AAX_Result RegisterParameter(AAX_CParamID id) override {
        registered.emplace_back(id);
        return AAX_SUCCESS;
    }
    AAX_Result UnregisterParameter(AAX_CParamID id) override {
        for (auto it = registered.begin(); it != registered.end(); ++it) {
            if (*it == id) {
                registered.erase(it);
                return AAX_SUCCESS;
            }
        }
        return AAX_ERROR_INVALID_PARAMETER_ID;
    }
    // Answers like a host when a parameters object is attached.
    AAX_Result PostSetValueRequest(AAX_CParamID id, double value) override {
        requests.emplace_back(id, value);
        if (answer) return answer->UpdateParameterNormalizedValue(id, value, AAX_eUpdateSource_Chunk);
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
    AAX_IEffectParameters* answer = nullptr;
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
    AAX_Result GetInputStemFormat(AAX_EStemFormat* format) const override {
        *format = AAX_eStemFormat_Mono;
        return AAX_SUCCESS;
    }
    AAX_Result GetOutputStemFormat(AAX_EStemFormat* format) const override {
        *format = AAX_eStemFormat_Mono;
        return AAX_SUCCESS;
    }
    AAX_Result GetSignalLatency(int32_t* samples) const override {
        *samples = 0;
        return AAX_SUCCESS;
    }
    AAX_Result SetSignalLatency(int32_t) override { return AAX_SUCCESS; }
    AAX_Result GetCurrentMeterValue(AAX_CTypeID, float* value) const override {
        *value = 0.0f;
        return AAX_SUCCESS;
    }
    AAX_Result PostPacket(AAX_CFieldIndex port, const void* payload, uint32_t size) override {
        if (failPosts) return AAX_ERROR_POST_PACKET_FAILED;
        const auto* bytes = static_cast<const unsigned char*>(payload);
        packets.push_back(Packet{port, std::vector<unsigned char>(bytes, bytes + size)});
        return AAX_SUCCESS;
    }
    int32_t intPacket(size_t i) const {
        int32_t value = -99;
        if (packets[i].bytes.size() == 4) std::memcpy(&value, packets[i].bytes.data(), 4);
        return value;
    }
    float floatPacket(size_t i) const {
        float value = -99.0f;
        if (packets[i].bytes.size() == 4) std::memcpy(&value, packets[i].bytes.data(), 4);
        return value;
    }

    std::vector<Packet> packets;
    bool failPosts = false;
};

class FakeHostServices : public AAX_IHostServices {
public:
    AAX_Result HandleAssertFailure(const char* file, int32_t line, const char* note, int32_t flags) override {
        asserts.push_back(std::string(file) + ":" + std::to_string(line) + ":" + note + ":" + std::to_string(flags));
        return AAX_SUCCESS;
    }
    AAX_Result Trace(int32_t priority, const char* message) override {
        traces.push_back(std::to_string(priority) + " " + message);
        return AAX_SUCCESS;
    }
    std::vector<std::string> asserts;
    std::vector<std::string> traces;
};

class FakeHost : public IACFUnknown {
public:
    AAX_IHostServices* GetHostServices() override { return &services; }
    AAX_ICollection* GetCollection() override { return nullptr; }
    AAX_IController* GetController() override { return &controller; }
    AAX_IAutomationDelegate* GetAutomationDelegate() override { return &automation; }
    AAX_ITransport* GetTransport() override { return nullptr; }
    AAX_IEffectParameters* GetEffectParameters() override { return nullptr; }

    FakeHostServices services;
    FakeController controller;
    FakeAutomation automation;
};
