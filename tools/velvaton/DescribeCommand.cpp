// velvaton describe [LIBRARY]: what a host learns from the plug-in library.
#include "AAXHost.h"
#include "AAX_Errors.h"
#include "AAX_FourCC.h"
#include "AAX_IEffectParameters.h"
#include "Command.h"
#include "PluginLocation.h"

#include <cstdio>
#include <cstring>
#include <string>

extern const char kDescribeUsage[] =
    "usage: velvaton describe [LIBRARY]\n"
    "\n"
    "Loads the plug-in library as a host does (default: the one the tool finds\n"
    "beside itself or in its build tree; VELVATON_PLUGIN names another) and prints\n"
    "its description: names, package, ids, both variants with their stem formats,\n"
    "render-state fields and properties, the host parameters of an instance, and\n"
    "the meters.\n";

namespace {

// A four-character code as written ('HVTN') and as it lies in memory ("NTVH").
std::string codeText(uint32_t code) {
    char text[5];
    AAX_FourCCToString(code, text);
    char memory[5] = {};
    std::memcpy(memory, &code, 4);
    for (char& c : memory)
        if (c != '\0' && (c < 0x20 || c > 0x7e))
            c = '?';
    return std::string("'") + text + "' (\"" + memory + "\")";
}

const char* fieldKind(AAXHostFieldKind kind) {
    switch (kind) {
    case AAXHostFieldKind::AudioIn: return "audio input";
    case AAXHostFieldKind::AudioOut: return "audio output";
    case AAXHostFieldKind::BufferLength: return "buffer length";
    case AAXHostFieldKind::SampleRate: return "sample rate";
    case AAXHostFieldKind::DataInPort: return "data-in port";
    case AAXHostFieldKind::PrivateData: return "private data";
    case AAXHostFieldKind::Meters: return "meters";
    case AAXHostFieldKind::MIDINode: return "MIDI node";
    }
    return "?";
}

const char* propertyName(int32_t property) {
    switch (property) {
    case AAX_eProperty_ManufacturerID: return "manufacturer id";
    case AAX_eProperty_ProductID: return "product id";
    case AAX_eProperty_PlugInID_Native: return "native plug-in id";
    case AAX_eProperty_PlugInID_AudioSuite: return "AudioSuite plug-in id";
    case AAX_eProperty_InputStemFormat: return "input stem format";
    case AAX_eProperty_OutputStemFormat: return "output stem format";
    case AAX_eProperty_CanBypass: return "can bypass";
    case AAX_eProperty_Meter_Type: return "meter type";
    case AAX_eProperty_Meter_Orientation: return "orientation";
    case AAX_eProperty_Meter_Ballistics: return "ballistics";
    default: return "property";
    }
}

bool isCodeProperty(int32_t property) {
    return property == AAX_eProperty_ManufacturerID || property == AAX_eProperty_ProductID ||
           property == AAX_eProperty_PlugInID_Native || property == AAX_eProperty_PlugInID_AudioSuite;
}

void printField(const AAXHostField& field) {
    std::printf("      %2d  %-13s", field.index, fieldKind(field.kind));
    switch (field.kind) {
    case AAXHostFieldKind::DataInPort:
        std::printf(" %u bytes, %s", field.size,
                    field.option == AAX_eDataInPortType_Buffered ? "buffered" : "unbuffered");
        break;
    case AAXHostFieldKind::PrivateData: std::printf(" %u bytes, options %u", field.size, field.option); break;
    case AAXHostFieldKind::Meters: std::printf(" %zu ids", field.meterIDs.size()); break;
    case AAXHostFieldKind::MIDINode:
        std::printf(" kind %u, \"%s\", channels 0x%04X", field.option, field.name.c_str(), field.channelMask);
        break;
    default: break;
    }
    std::printf("\n");
}

void printComponent(const AAXHostComponent& component, int number) {
    const int32_t stem = component.inputStemFormat();
    std::printf("  variant %d: %s, input stem 0x%X, output stem 0x%X\n", number,
                AAX_STEM_FORMAT_CHANNEL_COUNT(stem) == 1 ? "mono" : "stereo", stem, component.outputStemFormat());
    std::printf("    properties:\n");
    for (const auto& property : component.properties) {
        if (isCodeProperty(property.first))
            std::printf("      %3d %-22s %s\n", property.first, propertyName(property.first),
                        codeText(static_cast<uint32_t>(property.second)).c_str());
        else
            std::printf("      %3d %-22s 0x%X\n", property.first, propertyName(property.first), property.second);
    }
    std::printf("    fields (in declaration order):\n");
    for (const AAXHostField& field : component.fields)
        printField(field);
}

void printParameters(AAXHost& host) {
    AAX_Result result = AAX_SUCCESS;
    auto instance = host.createInstance(AAXHostVariant::Stereo, 48000.0, &result);
    if (!instance) {
        std::printf("host parameters: no instance could be created (%d)\n", result);
        return;
    }
    AAX_IEffectParameters* parameters = instance->parameters();
    std::printf("host parameters (%d):\n", instance->parameterCount());
    std::printf("  %-18s %-18s %8s %6s  %s\n", "identifier", "name", "default", "steps", "kind");
    for (int32_t i = 0; i < instance->parameterCount(); ++i) {
        const std::string id = instance->parameterID(i);
        std::string name;
        instance->parameterName(id, &name);
        double defaultValue = 0.0;
        int32_t steps = 0;
        AAX_EParameterType type = AAX_eParameterType_Continuous;
        AAX_CBoolean automatable = 0;
        parameters->GetParameterDefaultNormalizedValue(id.c_str(), &defaultValue);
        parameters->GetParameterNumberOfSteps(id.c_str(), &steps);
        parameters->GetParameterType(id.c_str(), &type);
        parameters->GetParameterIsAutomatable(id.c_str(), &automatable);
        std::printf("  %-18s %-18s %8.4f %6d  %s%s\n", ("\"" + id + "\"").c_str(), ("\"" + name + "\"").c_str(),
                    defaultValue, steps, type == AAX_eParameterType_Discrete ? "discrete" : "continuous",
                    automatable ? ", automatable" : "");
    }
}

void printMeters(const AAXHostEffect& effect) {
    std::printf("meters (%zu):\n", effect.meters.size());
    for (size_t position = 0; position < effect.meters.size(); ++position) {
        const AAXHostMeter& meter = effect.meters[position];
        std::printf("  %2zu  %-16s %-15s", position, codeText(meter.id).c_str(), meter.name.c_str());
        for (const auto& property : meter.properties)
            std::printf(" %s %d", propertyName(property.first), property.second);
        std::printf("\n");
    }
}

}  // namespace

int runDescribe(int argc, char** argv) {
    if (argc > 1 || (argc == 1 && argv[0][0] == '-')) {
        std::fprintf(stderr, "velvaton describe: expected at most one library (see velvaton describe --help)\n");
        return kExitUsage;
    }
    const std::string path = argc == 1 ? argv[0] : findPluginLibrary();
    if (path.empty()) {
        std::fprintf(stderr, "velvaton describe: no plug-in library found (name one, or set VELVATON_PLUGIN)\n");
        return kExitFailed;
    }
    AAXHost host;
    std::string error;
    if (host.load(path, &error) != AAX_SUCCESS) {
        std::fprintf(stderr, "velvaton describe: %s\n", error.c_str());
        return kExitFailed;
    }
    const AAXHostDescription& description = host.description();
    std::printf("library:      %s\n", path.c_str());
    std::printf("SDK version:  0x%016llX\n", static_cast<unsigned long long>(host.sdkVersion()));
    std::printf("manufacturer: \"%s\"\n", description.manufacturerName.c_str());
    std::printf("packages:    ");
    for (const std::string& name : description.packageNames)
        std::printf(" \"%s\"", name.c_str());
    std::printf("\nversion:      %u\n", description.packageVersion);
    for (const AAXHostEffect& effect : description.effects) {
        std::printf("effect:       %s\n", effect.id.c_str());
        for (const std::string& name : effect.names)
            std::printf("  name \"%s\"\n", name.c_str());
        for (uint32_t category : effect.categories)
            std::printf("  category %u\n", category);
        for (const AAXHostResource& resource : effect.resources)
            std::printf("  resource type %d \"%s\"\n", resource.type, resource.info.c_str());
        std::printf("  creation procedures:");
        for (const auto& proc : effect.procs)
            std::printf(" %d", proc.first);
        std::printf("\n");
        int number = 1;
        for (const AAXHostComponent& component : effect.components)
            printComponent(component, number++);
    }
    printParameters(host);
    if (!description.effects.empty())
        printMeters(description.effects[0]);
    return kExitSuccess;
}
