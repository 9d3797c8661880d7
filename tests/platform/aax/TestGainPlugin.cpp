// A trivial gain effect built on the framework, used to drive the host end to
// end: mono and stereo variants, a gain and the master bypass on data ports,
// four meters, the transport, two private fields and a direct-data timer.

#include <cmath>
#include <cstring>
#include <exception>
#include <new>

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CEffectDirectData.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CHostServices.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_Errors.h"
#include "AAX_Exception.h"
#include "AAX_Exports.h"
#include "AAX_FourCC.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IController.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IMIDINode.h"
#include "AAX_IPrivateDataAccess.h"
#include "AAX_IPropertyMap.h"
#include "AAX_ITransport.h"
#include "AAX_VCollection.h"
#include "TestGainPluginIds.h"

namespace {

struct GainState {
    int32_t blocks;
    int32_t latency;
    double tempo;
    int64_t ticks;
    int32_t playing;
};

struct GainContext {
    const int32_t* bypass;         // 0
    const float* gain;             // 1
    float* const* inputs;          // 2
    float* const* outputs;         // 3
    const int32_t* bufferLength;   // 4
    const AAX_CSampleRate* rate;   // 5
    float* meters;                 // 6
    AAX_IMIDINode* transportNode;  // 7
    GainState* state;              // 8
    int32_t* timerTicks;           // 9
};

template <int Channels>
void Render(void* const begin[], const void* end) {
    for (void* const* instance = begin; instance != end; ++instance) {
        GainContext& context = *static_cast<GainContext*>(*instance);
        const int32_t frames = *context.bufferLength;
        const float gain = *context.bypass ? 1.0f : *context.gain;
        float inPeak = context.meters[0];
        float outPeak = context.meters[1];
        for (int c = 0; c < Channels; ++c) {
            const float* in = context.inputs[c];
            float* out = context.outputs[c];
            for (int32_t i = 0; i < frames; ++i) {
                out[i] = in[i] * gain;
                if (c == 0) {
                    inPeak = std::fmax(inPeak, std::fabs(in[i]));
                    outPeak = std::fmax(outPeak, std::fabs(out[i]));
                }
            }
        }
        context.meters[0] = inPeak;
        context.meters[1] = outPeak;
        context.meters[2] = *context.gain;
        context.meters[3] = static_cast<float>(*context.timerTicks);
        GainState& state = *context.state;
        ++state.blocks;
        state.latency = kTestGainLatency;
        if (AAX_ITransport* transport = context.transportNode->GetTransport()) {
            bool playing = false;
            transport->GetCurrentTempo(&state.tempo);
            transport->GetCurrentTickPosition(&state.ticks);
            transport->IsTransportPlaying(&playing);
            state.playing = playing ? 1 : 0;
        }
        (void)context.rate;
    }
}

class GainParameters : public AAX_CEffectParameters {
protected:
    AAX_Result EffectInit() override {
        mParameterManager.AddParameter(new AAX_CParameter<bool>(
            cDefaultMasterBypassID, "Master Bypass", false, AAX_CBinaryTaperDelegate<bool>(),
            AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true));
        mParameterManager.AddParameter(new AAX_CParameter<float>(
            kTestGainParameterID, "Gain", 0.5f, AAX_CLinearTaperDelegate<float, 0>(0.0f, 1.0f),
            AAX_CNumberDisplayDelegate<float, 2, 0>(), true));
        mPacketDispatcher.RegisterPacket(cDefaultMasterBypassID, 0);
        mPacketDispatcher.RegisterPacket(kTestGainParameterID, 1);
        return AAX_SUCCESS;
    }

public:
    AAX_Result ResetFieldData(AAX_CFieldIndex field, void* data, uint32_t size) const override {
        if (field == 8) {
            if (!data || size != sizeof(GainState)) return AAX_ERROR_PORT_ID_OUT_OF_RANGE;
            new (data) GainState{0, -1, 0.0, 0, 0};
            return AAX_SUCCESS;
        }
        return AAX_CEffectParameters::ResetFieldData(field, data, size);
    }
};

class GainDirectData : public AAX_CEffectDirectData {
protected:
    AAX_Result TimerWakeup_PrivateDataAccess(AAX_IPrivateDataAccess* access) override {
        GainState state;
        AAX_Result result = access->ReadPortDirect(8, 0, sizeof state, &state);
        if (result != AAX_SUCCESS) return result;
        if (Controller() && state.latency >= 0) Controller()->SetSignalLatency(state.latency);
        ++mTicks;
        return access->WritePortDirect(9, 0, sizeof mTicks, &mTicks);
    }

private:
    int32_t mTicks = 0;
};

AAX_IEffectParameters* CreateParameters() { return new GainParameters; }
AAX_IEffectDirectData* CreateDirectData() { return new GainDirectData; }

const AAX_CTypeID kMeters[4] = {AAX_FourCC("tIn "), AAX_FourCC("tOut"), AAX_FourCC("tGn "), AAX_FourCC("tTck")};

void DescribeVariant(AAX_IComponentDescriptor& component, int32_t stemFormat, AAX_CTypeID nativeID) {
    AAX_CheckedResult err;
    err = component.AddDataInPort(0, sizeof(int32_t));
    err = component.AddDataInPort(1, sizeof(float));
    err = component.AddAudioIn(2);
    err = component.AddAudioOut(3);
    err = component.AddAudioBufferLength(4);
    err = component.AddSampleRate(5);
    err = component.AddMeters(6, kMeters, 4);
    err = component.AddMIDINode(7, AAX_eMIDINodeType_Transport, "Transport", 0xFFFF);
    err = component.AddPrivateData(8, sizeof(GainState));
    err = component.AddPrivateData(9, sizeof(int32_t));
    AAX_IPropertyMap* properties = component.NewPropertyMap();
    if (!properties) throw AAX::Exception::ResultError(AAX_ERROR_NULL_OBJECT);
    properties->AddProperty(AAX_eProperty_ManufacturerID, static_cast<int32_t>(kTestGainManufacturer));
    properties->AddProperty(AAX_eProperty_ProductID, static_cast<int32_t>(kTestGainProduct));
    properties->AddProperty(AAX_eProperty_PlugInID_Native, static_cast<int32_t>(nativeID));
    properties->AddProperty(AAX_eProperty_InputStemFormat, stemFormat);
    properties->AddProperty(AAX_eProperty_OutputStemFormat, stemFormat);
#ifndef TEST_GAIN_WITHOUT_RENDER
    err = component.AddProcessProc_Native(stemFormat == AAX_eStemFormat_Mono ? Render<1> : Render<2>, properties);
#endif
}

AAX_Result Describe(AAX_IEffectDescriptor& effect) {
    AAX_IComponentDescriptor* component = effect.NewComponentDescriptor();
    if (!component) return AAX_ERROR_NULL_OBJECT;
    effect.AddName(kTestGainName);
    effect.AddCategory(AAX_ePlugInCategory_Dynamics);
    DescribeVariant(*component, AAX_eStemFormat_Mono, kTestGainMonoID);
    AAX_CheckedResult err = effect.AddComponent(component);
    DescribeVariant(*component, AAX_eStemFormat_Stereo, kTestGainStereoID);
    err = effect.AddComponent(component);
    err = effect.AddProcPtr(reinterpret_cast<void*>(&CreateParameters), kAAX_ProcPtrID_Create_EffectParameters);
    err = effect.AddProcPtr(reinterpret_cast<void*>(&CreateDirectData), kAAX_ProcPtrID_Create_EffectDirectData);
    for (AAX_CTypeID meter : kMeters) {
        AAX_IPropertyMap* properties = effect.NewPropertyMap();
        if (!properties) return AAX_ERROR_NULL_OBJECT;
        properties->AddProperty(AAX_eProperty_Meter_Type, AAX_eMeterType_Other);
        effect.AddMeterDescription(meter, "Test", properties);
    }
    return AAX_SUCCESS;
}

}  // namespace

ACFRESULT ACFRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** definition) {
    try {
        AAX_VCollection collection(host);
        AAX_IEffectDescriptor* effect = collection.NewDescriptor();
        if (!effect) return AAX_ERROR_NULL_OBJECT;
        AAX_Result result = Describe(*effect);
        if (result == AAX_SUCCESS) result = collection.AddEffect(kTestGainEffectID, effect);
        if (result != AAX_SUCCESS) AAX_CHostServices::HandleAssertFailure(__FILE__, __LINE__, "result == AAX_SUCCESS");
        collection.SetManufacturerName("Test Works");
        collection.AddPackageName(kTestGainName);
        collection.SetPackageVersion(kTestGainVersion);
        if (!definition) return AAX_ERROR_NULL_OBJECT;
        *definition = collection.GetIUnknown();
        AAX_CHostServices::Trace(AAX_eTracePriorityHost_Normal, "registered %s", kTestGainName);
        return *definition ? result : AAX_ERROR_NULL_OBJECT;
    } catch (const std::exception& error) {
        AAX_CHostServices::Trace(AAX_eTracePriorityHost_Critical, "registration failed: %s", error.what());
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

ACFRESULT ACFRegisterComponent(IACFUnknown*, uint32_t, IACFComponentDefinition** component) {
    if (component) *component = nullptr;
    return AAX_SUCCESS;
}

ACFRESULT ACFGetClassFactory(IACFUnknown*, const acfCLSID&, const acfIID&, void** factory) {
    if (factory) *factory = nullptr;
    return AAX_ERROR_UNIMPLEMENTED;
}

ACFRESULT ACFCanUnloadNow() { return CACFUnknown::GetActiveObjectCount(); }

ACFRESULT ACFStartup(IACFUnknown* host) {
    if (!AAX_CHostServices::Exists() && host) AAX_CHostServices::Set(host);
    else if (AAX_CHostServices::Exists() && !host) AAX_CHostServices::Set(nullptr);
    return AAX_SUCCESS;
}

ACFRESULT ACFShutdown(IACFUnknown*) {
    AAX_CHostServices::Set(nullptr);
    return AAX_SUCCESS;
}

ACFRESULT ACFGetSDKVersion(uint64_t* version) {
    if (version) *version = kAAX_SDKVersion;
    return AAX_SUCCESS;
}
