#include "HRX_AAX_Describe.h"

#include "AAX_CHostServices.h"
#include "AAX_Errors.h"
#include "AAX_ICollection.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IPropertyMap.h"
#include "HRX_AAX_DirectData.h"
#include "HRX_AAX_Identifiers.h"
#include "HRX_AAX_RenderState.h"
#include "HRX_HVTN_2210_AAX_Parameters_Wrapper.h"
#include "HRX_HVTN_2210_HRX_AAXWrapper_GUI.h"
#include "HRXProduct.h"

namespace {

// The source named in assertion reports, as the host's log shows it.
constexpr const char* kReportFile = "HRXLIB/format/aax/HRX_Wrappers/HRX_AAX_Describe";

void check(AAX_Result result, int32_t line, const char* condition) {
    if (result != AAX_SUCCESS)
        AAX_CHostServices::HandleAssertFailure(kReportFile, line, condition, 1);
}

#define HRX_CHECK_SUCCESS(call) check((call), __LINE__, "err == AAX_SUCCESS")
#define HRX_CHECK_ZERO(call) check((call), __LINE__, "err == 0")

struct Variant {
    AAX_EStemFormat stemFormat;
    AAX_CTypeID nativeID;
    AAX_CProcessProc render;
};

constexpr Variant kMono{AAX_eStemFormat_Mono, kHRX_PlugInID_Mono, HRX_AAX_RenderMono};
constexpr Variant kStereo{AAX_eStemFormat_Stereo, kHRX_PlugInID_Stereo, HRX_AAX_RenderStereo};

void declareFields(AAX_IComponentDescriptor& component) {
    HRX_CHECK_SUCCESS(component.AddAudioIn(kField_AudioIn));
    HRX_CHECK_SUCCESS(component.AddAudioOut(kField_AudioOut));
    HRX_CHECK_SUCCESS(component.AddAudioBufferLength(kField_BufferLength));
    HRX_CHECK_SUCCESS(component.AddSampleRate(kField_SampleRate));
    HRX_CHECK_SUCCESS(component.AddMeters(kField_Meters, kHRX_MeterIDs, kHRX_MeterCount));
    HRX_CHECK_ZERO(component.AddMIDINode(kField_MIDIInput, AAX_eMIDINodeType_LocalInput, product().productName,
                                         kHRX_MIDIChannelMask));
    HRX_CHECK_ZERO(component.AddMIDINode(kField_Transport, AAX_eMIDINodeType_Transport, kHRX_TransportNodeName,
                                         kHRX_MIDIChannelMask));
    HRX_CHECK_SUCCESS(component.AddDataInPort(kField_MasterBypass, sizeof(int32_t)));
    for (AAX_CFieldIndex port = 0; port < kPresetValues; ++port)
        component.AddDataInPort(kField_FirstParameterPort + port, sizeof(float));
    HRX_CHECK_SUCCESS(component.AddPrivateData(kField_RenderCache, sizeof(HRX_AAX_RenderCache)));
    HRX_CHECK_SUCCESS(component.AddPrivateData(kField_EngineSampleRate, sizeof(float)));
    HRX_CHECK_SUCCESS(component.AddPrivateData(kField_Latency, sizeof(int32_t)));
    HRX_CHECK_SUCCESS(component.AddPrivateData(kField_Engine, static_cast<int32_t>(product().engineSize)));
}

void describeVariant(AAX_IComponentDescriptor& component, const Variant& variant) {
    declareFields(component);
    AAX_IPropertyMap* properties = component.NewPropertyMap();
    if (!properties) {
        AAX_CHostServices::HandleAssertFailure(kReportFile, __LINE__, "properties", 1);
        return;
    }
    properties->AddProperty(AAX_eProperty_ManufacturerID, static_cast<AAX_CPropertyValue>(kHRX_ManufacturerID));
    properties->AddProperty(AAX_eProperty_ProductID, static_cast<AAX_CPropertyValue>(kHRX_ProductID));
    properties->AddProperty(AAX_eProperty_CanBypass, 1);
    properties->AddProperty(AAX_eProperty_InputStemFormat, variant.stemFormat);
    properties->AddProperty(AAX_eProperty_OutputStemFormat, variant.stemFormat);
    properties->AddProperty(AAX_eProperty_PlugInID_Native, static_cast<AAX_CPropertyValue>(variant.nativeID));
    properties->AddProperty(AAX_eProperty_PlugInID_AudioSuite,
                            static_cast<AAX_CPropertyValue>(kHRX_PlugInID_AudioSuite));
    HRX_CHECK_SUCCESS(component.AddProcessProc_Native(variant.render, properties));
}

AAX_Result describeMeters(AAX_IEffectDescriptor& effect) {
    for (int32_t position = 0; position < kHRX_MeterCount; ++position) {
        AAX_IPropertyMap* properties = effect.NewPropertyMap();
        if (!properties)
            return AAX_ERROR_NULL_OBJECT;
        switch (position) {
        case kHRX_MeterInput: properties->AddProperty(AAX_eProperty_Meter_Type, AAX_eMeterType_Input); break;
        case kHRX_MeterOutput: properties->AddProperty(AAX_eProperty_Meter_Type, AAX_eMeterType_Output); break;
        case kHRX_MeterGainReduction: properties->AddProperty(AAX_eProperty_Meter_Type, AAX_eMeterType_CLGain); break;
        default: properties->AddProperty(AAX_eProperty_Meter_Type, AAX_eMeterType_Other); break;
        }
        properties->AddProperty(AAX_eProperty_Meter_Orientation, AAX_eMeterOrientation_Default);
        if (position >= kHRX_FirstCustomMeter)
            properties->AddProperty(AAX_eProperty_Meter_Ballistics, AAX_eMeterBallisticType_NoDecay);
        effect.AddMeterDescription(kHRX_MeterIDs[position], HRX_AAX_MeterName(position), properties);
    }
    return AAX_SUCCESS;
}

AAX_Result describeEffect(AAX_IEffectDescriptor& effect) {
    AAX_IComponentDescriptor* component = effect.NewComponentDescriptor();
    if (!component)
        return AAX_ERROR_NULL_OBJECT;
    effect.AddName(product().productName);
    effect.AddCategory(AAX_ePlugInCategory_Dynamics);

    // One descriptor object serves both variants: the stereo declarations
    // replace the mono ones after the mono variant was copied.
    describeVariant(*component, kMono);
    HRX_CHECK_SUCCESS(effect.AddComponent(component));
    describeVariant(*component, kStereo);
    HRX_CHECK_SUCCESS(effect.AddComponent(component));

    HRX_CHECK_SUCCESS(effect.AddProcPtr(reinterpret_cast<void*>(&HRX_HVTN_2210_AAX_Parameters_Wrapper::Create),
                                        kAAX_ProcPtrID_Create_EffectParameters));
    effect.AddResourceInfo(AAX_eResourceType_PageTable, product().pageTableFileName);
    HRX_CHECK_SUCCESS(effect.AddProcPtr(reinterpret_cast<void*>(&HRX_HVTN_2210_HRX_AAXWrapper_GUI::Create),
                                        kAAX_ProcPtrID_Create_EffectGUI));
    HRX_CHECK_SUCCESS(effect.AddProcPtr(reinterpret_cast<void*>(&HRX_AAX_DirectData::Create),
                                        kAAX_ProcPtrID_Create_EffectDirectData));
    return describeMeters(effect);
}

}  // namespace

AAX_Result HRX_AAX_Describe(AAX_ICollection* collection) {
    AAX_Result result = AAX_SUCCESS;
    AAX_IEffectDescriptor* effect = collection->NewDescriptor();
    if (!effect) {
        result = AAX_ERROR_NULL_OBJECT;
    } else {
        result = describeEffect(*effect);
        if (result == AAX_SUCCESS)
            result = collection->AddEffect(product().effectId, effect);
        if (result != AAX_SUCCESS)
            AAX_CHostServices::HandleAssertFailure(kReportFile, __LINE__, "result == AAX_SUCCESS", 1);
    }

    const HRXProductDescriptor& descriptor = product();
    collection->SetManufacturerName(descriptor.makerName);
    collection->AddPackageName(descriptor.productDescription);
    collection->AddPackageName(descriptor.productName);
    collection->AddPackageName(descriptor.productName);
    collection->SetPackageVersion(descriptor.packageVersion);
    return result;
}
