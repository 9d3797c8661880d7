#include "HRX_LV2_Turtle.h"
#include "HRXPresetRecord.h"
#include "HRXProduct.h"

#include "HRX_LV2_Messages.h"
#include "HRX_LV2_Ports.h"
#include "HRX_LV2_StateMailbox.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <set>
#include <vector>

namespace {

const char* const kPrefixes =
    "@prefix atom: <http://lv2plug.in/ns/ext/atom#> .\n"
    "@prefix doap: <http://usefulinc.com/ns/doap#> .\n"
    "@prefix foaf: <http://xmlns.com/foaf/0.1/> .\n"
    "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
    "@prefix patch: <http://lv2plug.in/ns/ext/patch#> .\n"
    "@prefix pset: <http://lv2plug.in/ns/ext/presets#> .\n"
    "@prefix rdf: <http://www.w3.org/1999/02/22-rdf-syntax-ns#> .\n"
    "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
    "@prefix rsz: <http://lv2plug.in/ns/ext/resize-port#> .\n"
    "@prefix state: <http://lv2plug.in/ns/ext/state#> .\n"
    "@prefix ui: <http://lv2plug.in/ns/extensions/ui#> .\n"
    "@prefix units: <http://lv2plug.in/ns/extensions/units#> .\n"
    "@prefix urid: <http://lv2plug.in/ns/ext/urid#> .\n\n";

constexpr int32_t kChannelCounts[] = {1, 2};

std::string iri(const std::string& text) {
    return "<" + text + ">";
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) >= 0x20)
            out += c;
    }
    return out + "\"";
}

// The shortest decimal that reads back as the same float, written with a
// point and without an exponent, so that it is a decimal literal.
std::string decimal(float value) {
    char text[64] = {};
    for (const char* format : {"%.*g", "%.*f"}) {
        for (int digits = 1; digits <= 12; ++digits) {
            std::snprintf(text, sizeof text, format, digits, static_cast<double>(value));
            if (std::strtof(text, nullptr) == value)
                break;
        }
        if (!std::strchr(text, 'e'))
            break;
    }
    std::string out = text;
    if (out.find('.') == std::string::npos)
        out += ".0";
    return out;
}

std::string integer(float value) {
    return std::to_string(static_cast<long>(std::lround(value)));
}

std::string portNumber(const HRX_LV2_Control& control, float value) {
    return control.kind == HRX_LV2_Control::Kind::Enumeration ? integer(value) : decimal(value);
}

std::string nameOf(int32_t slot) {
    char name[64] = {};
    ::product().getParameterName(slot, name);
    return name;
}

// "AttackRatio" -> "attack_ratio", "Gain Reduction" -> "gain_reduction".
std::string symbolOf(const std::string& name) {
    std::string out;
    for (size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (std::isupper(c) && i > 0 && std::islower(static_cast<unsigned char>(name[i - 1])))
            out += '_';
        out += std::isalnum(c) ? static_cast<char>(std::tolower(c)) : '_';
    }
    return out;
}

// "Glue Things Together" -> "glue-things-together".
std::string slugOf(const std::string& name) {
    std::string out;
    for (const char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!out.empty() && out.back() != '-')
            out += '-';
    }
    while (!out.empty() && out.back() == '-')
        out.pop_back();
    return out;
}

struct Preset {
    std::string name;
    int32_t category;
    std::vector<double> values;
};

// The factory bank with each name once (the bank repeats "Default" and "Init").
std::vector<Preset> presetsOf() {
    std::vector<Preset> presets;
    std::set<std::string> names;
    for (int32_t slot = 0; slot < kBankRecords; ++slot) {
        Preset preset;
        preset.values.assign(static_cast<size_t>(kPresetValues), 0.0);
        char name[kPresetNameSize + 1] = {};
        HRXPresetPlacement placement{-1, 0};
        ::product().getFactoryPreset(slot, preset.values.data(), name, &placement);
        preset.category = placement.category;
        preset.name = name;
        if (names.insert(preset.name).second)
            presets.push_back(preset);
    }
    return presets;
}

std::string presetUri(const HRX_LV2_Product& product, const Preset& preset) {
    return std::string(product.uri) + "/preset/" + slugOf(preset.name);
}

std::string bankUri(const HRX_LV2_Product& product, int32_t category) {
    return std::string(product.uri) + "/bank/" + slugOf(::product().getFactoryCategoryName(category));
}

std::string appliesTo(const HRX_LV2_Product& product) {
    std::string out;
    for (const int32_t channels : kChannelCounts)
        out += (out.empty() ? "" : " , ") + iri(HRX_LV2_PluginUri(product, channels));
    return out;
}

std::string controlPort(int32_t index, const HRX_LV2_Control& control, float defaultValue) {
    const std::string name = nameOf(control.slot);
    std::string out = "\t\ta lv2:InputPort , lv2:ControlPort ;\n";
    out += "\t\tlv2:index " + std::to_string(index) + " ;\n";
    out += "\t\tlv2:symbol " + quoted(symbolOf(name)) + " ;\n";
    out += "\t\tlv2:name " + quoted(name) + " ;\n";
    out += "\t\tlv2:default " + portNumber(control, defaultValue) + " ;\n";
    out += "\t\tlv2:minimum " + portNumber(control, control.minimum) + " ;\n";
    out += "\t\tlv2:maximum " + portNumber(control, control.maximum);
    if (control.unit)
        out += " ;\n\t\tunits:unit units:" + std::string(control.unit);
    if (control.kind == HRX_LV2_Control::Kind::Enumeration) {
        out += " ;\n\t\tlv2:portProperty lv2:integer , lv2:enumeration ;\n\t\tlv2:scalePoint ";
        const double span = static_cast<double>(control.maximum) - static_cast<double>(control.minimum);
        for (int32_t position = 0; position <= static_cast<int32_t>(span); ++position) {
            char display[64] = {};
            ::product().getParameterDisplay(control.slot, position / span, display);
            out += std::string(position ? " , " : "") + "[\n\t\t\trdfs:label " + quoted(display) +
                   " ;\n\t\t\trdf:value " + std::to_string(static_cast<long>(control.minimum) + position) + "\n\t\t]";
        }
    }
    return out;
}

std::string simplePort(const char* kinds, uint32_t index, const std::string& symbol, const std::string& name,
                       const std::string& rest) {
    std::string out = std::string("\t\ta ") + kinds + " ;\n";
    out += "\t\tlv2:index " + std::to_string(index) + " ;\n";
    out += "\t\tlv2:symbol " + quoted(symbol) + " ;\n";
    out += "\t\tlv2:name " + quoted(name);
    if (!rest.empty())
        out += " ;\n" + rest;
    return out;
}

std::string meterRange() {
    return "\t\tlv2:default 0.0 ;\n\t\tlv2:minimum 0.0 ;\n\t\tlv2:maximum 1.0";
}

// The UI's messages; a host without a UI may leave them unconnected.
std::string atomPort(const char* direction, uint32_t index, const char* symbol, const char* name) {
    return simplePort((std::string(direction) + " , atom:AtomPort").c_str(), index, symbol, name,
                      "\t\tatom:bufferType atom:Sequence ;\n\t\tatom:supports patch:Message ;\n"
                      "\t\tlv2:designation lv2:control ;\n\t\tlv2:portProperty lv2:connectionOptional ;\n"
                      "\t\trsz:minimumSize " +
                          std::to_string(HRX_LV2_StateMailbox::kCapacity));
}

std::string projectUri(const HRX_LV2_Product& product) {
    return std::string(product.uri) + "#project";
}

// Both plug-ins belong to one project, which names its maintainer.
std::string projectDescription(const HRX_LV2_Product& product) {
    const HRXProductDescriptor& descriptor = ::product();
    return iri(projectUri(product)) + "\n\ta doap:Project ;\n\tdoap:name " + quoted(descriptor.productName) +
           " ;\n\tdoap:maintainer [\n\t\ta foaf:Organization ;\n\t\tfoaf:name " + quoted(descriptor.makerName) +
           " ;\n\t\tfoaf:homepage " + iri(descriptor.makerWebAddress) + "\n\t] .\n\n";
}

std::string pluginDescription(const HRX_LV2_Product& product, int32_t channels) {
    const HRX_LV2_Ports ports(product.controlCount, channels);
    std::vector<double> defaults(static_cast<size_t>(kPresetValues), 0.0);
    ::product().getFactoryPreset(0, defaults.data(), nullptr, nullptr);

    std::vector<std::string> list;
    for (int32_t i = 0; i < product.controlCount; ++i) {
        const HRX_LV2_Control& control = product.controls[i];
        list.push_back(
            controlPort(i, control, HRX_LV2_PortValue(control, defaults[static_cast<size_t>(control.slot)])));
    }
    list.push_back(simplePort("lv2:InputPort , lv2:ControlPort", ports.enabled(), "enabled", "Enabled",
                              "\t\tlv2:designation lv2:enabled ;\n\t\tlv2:default 1 ;\n\t\tlv2:minimum 0 ;\n"
                              "\t\tlv2:maximum 1 ;\n\t\tlv2:portProperty lv2:integer , lv2:toggled"));
    list.push_back(
        simplePort("lv2:OutputPort , lv2:ControlPort", ports.inputPeak(), "input_peak", "Input Peak", meterRange()));
    list.push_back(
        simplePort("lv2:OutputPort , lv2:ControlPort", ports.outputPeak(), "output_peak", "Output Peak", meterRange()));
    const std::string gainReduction = nameOf(kGainReductionSlot);
    list.push_back(simplePort("lv2:OutputPort , lv2:ControlPort", ports.gainReduction(), symbolOf(gainReduction),
                              gainReduction, meterRange()));
    list.push_back(atomPort("lv2:InputPort", ports.controlIn(), "control", "Control"));
    list.push_back(atomPort("lv2:OutputPort", ports.notify(), "notify", "Notify"));
    const char* const sides[] = {"_l", "_r"};
    const char* const sideNames[] = {" L", " R"};
    for (int32_t channel = 0; channel < channels; ++channel) {
        const std::string suffix = channels == 1 ? "" : sides[channel];
        const std::string nameSuffix = channels == 1 ? "" : sideNames[channel];
        list.push_back(simplePort("lv2:InputPort , lv2:AudioPort", ports.audioIn(static_cast<uint32_t>(channel)),
                                  "in" + suffix, "In" + nameSuffix, ""));
    }
    for (int32_t channel = 0; channel < channels; ++channel) {
        const std::string suffix = channels == 1 ? "" : sides[channel];
        const std::string nameSuffix = channels == 1 ? "" : sideNames[channel];
        list.push_back(simplePort("lv2:OutputPort , lv2:AudioPort", ports.audioOut(static_cast<uint32_t>(channel)),
                                  "out" + suffix, "Out" + nameSuffix, ""));
    }

    std::string out = iri(HRX_LV2_PluginUri(product, channels)) + "\n";
    out += "\ta lv2:Plugin , lv2:CompressorPlugin ;\n";
    out += "\tdoap:name " + quoted(::product().productName) + " ;\n";
    out += "\tlv2:project " + iri(projectUri(product)) + " ;\n";
    out += "\tlv2:optionalFeature lv2:hardRTCapable , urid:map ;\n";
    out += "\tlv2:extensionData state:interface ;\n";
    out += "\tui:ui " + iri(HRX_LV2_UiUri(product)) + " ;\n";
    out += "\tlv2:port ";
    for (size_t i = 0; i < list.size(); ++i)
        out += std::string(i ? " , " : "") + "[\n" + list[i] + "\n\t]";
    return out + " .\n\n";
}

std::string uiDescription(const HRX_LV2_Product& product) {
    const std::string gainReduction = symbolOf(nameOf(kGainReductionSlot));
    std::string out = iri(HRX_LV2_UiUri(product)) + "\n";
    out += "\ta ui:X11UI ;\n";
    out += "\tlv2:requiredFeature urid:map , ui:parent , ui:idleInterface ;\n";
    out += "\tlv2:optionalFeature ui:resize , ui:touch , ui:noUserResize ;\n";
    out += "\tlv2:extensionData ui:idleInterface ;\n";
    out += "\tui:portNotification ";
    bool first = true;
    for (const int32_t channels : kChannelCounts) {
        const std::string plugin = iri(HRX_LV2_PluginUri(product, channels));
        out += first ? "" : " , ";
        out += "[\n\t\tui:plugin " + plugin;
        out += " ;\n\t\tlv2:symbol " + quoted(gainReduction);
        out += " ;\n\t\tui:protocol ui:floatProtocol\n\t] , [\n\t\tui:plugin " + plugin;
        out += " ;\n\t\tlv2:symbol \"notify\" ;\n\t\tui:protocol atom:eventTransfer\n\t]";
        first = false;
    }
    return out + " .\n";
}

}  // namespace

std::string HRX_LV2_ManifestTurtle(const HRX_LV2_Product& product) {
    std::string out = kPrefixes;
    for (const int32_t channels : kChannelCounts) {
        out += iri(HRX_LV2_PluginUri(product, channels)) + "\n\ta lv2:Plugin ;\n\tlv2:binary " +
               iri(product.dspBinary) + " ;\n\trdfs:seeAlso " + iri(kHRX_LV2_PluginFile) + " .\n\n";
    }
    out += iri(HRX_LV2_UiUri(product)) + "\n\ta ui:X11UI ;\n\tui:binary " + iri(product.uiBinary) +
           " ;\n\trdfs:seeAlso " + iri(kHRX_LV2_PluginFile) + " .\n";
    for (const Preset& preset : presetsOf()) {
        out += "\n" + iri(presetUri(product, preset)) + "\n\ta pset:Preset ;\n\tlv2:appliesTo " + appliesTo(product) +
               " ;\n\trdfs:seeAlso " + iri(kHRX_LV2_PresetsFile) + " .\n";
    }
    return out;
}

std::string HRX_LV2_PluginTurtle(const HRX_LV2_Product& product) {
    std::string out = kPrefixes + projectDescription(product);
    for (const int32_t channels : kChannelCounts)
        out += pluginDescription(product, channels);
    return out + uiDescription(product);
}

std::string HRX_LV2_PresetsTurtle(const HRX_LV2_Product& product) {
    std::string out = kPrefixes;
    const std::vector<Preset> presets = presetsOf();
    std::set<int32_t> categories;
    for (const Preset& preset : presets) {
        if (preset.category >= 0 && ::product().getFactoryCategoryName(preset.category))
            categories.insert(preset.category);
    }
    for (const int32_t category : categories) {
        out += iri(bankUri(product, category)) + "\n\ta pset:Bank ;\n\trdfs:label " +
               quoted(::product().getFactoryCategoryName(category)) + " .\n\n";
    }
    for (const Preset& preset : presets) {
        out += iri(presetUri(product, preset)) + "\n\ta pset:Preset ;\n\tlv2:appliesTo " + appliesTo(product) +
               " ;\n\trdfs:label " + quoted(preset.name) + " ;\n";
        if (categories.count(preset.category))
            out += "\tpset:bank " + iri(bankUri(product, preset.category)) + " ;\n";
        // Port values as floats: hosts hand a preset's values to the ports as
        // they read them.
        out += "\tlv2:port ";
        for (int32_t i = 0; i < product.controlCount; ++i) {
            const HRX_LV2_Control& control = product.controls[i];
            const float value = HRX_LV2_PortValue(control, preset.values[static_cast<size_t>(control.slot)]);
            out += std::string(i ? " , " : "") + "[\n\t\tlv2:symbol " + quoted(symbolOf(nameOf(control.slot))) +
                   " ;\n\t\tpset:value " + decimal(value) + "\n\t]";
        }
        out += " .\n\n";
    }
    return out;
}
