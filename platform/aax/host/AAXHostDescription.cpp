#include "AAXHostDescription.h"

#include "AAX_FourCC.h"

const AAXHostField* AAXHostComponent::field(AAX_CFieldIndex index) const {
    for (const AAXHostField& f : fields) {
        if (f.index == index)
            return &f;
    }
    return nullptr;
}

const AAXHostField* AAXHostComponent::firstField(AAXHostFieldKind kind) const {
    for (const AAXHostField& f : fields) {
        if (f.kind == kind)
            return &f;
    }
    return nullptr;
}

bool AAXHostComponent::property(AAX_EProperty key, int32_t* value) const {
    const auto found = properties.find(key);
    if (found == properties.end())
        return false;
    if (value)
        *value = found->second;
    return true;
}

int32_t AAXHostComponent::inputStemFormat() const {
    int32_t format = AAX_eStemFormat_None;
    property(AAX_eProperty_InputStemFormat, &format);
    return format;
}

int32_t AAXHostComponent::outputStemFormat() const {
    int32_t format = AAX_eStemFormat_None;
    property(AAX_eProperty_OutputStemFormat, &format);
    return format;
}

const AAXHostMeter* AAXHostEffect::meter(AAX_CTypeID meterID) const {
    for (const AAXHostMeter& m : meters) {
        if (m.id == meterID)
            return &m;
    }
    return nullptr;
}

namespace {

bool StemFormatUsable(int32_t format) {
    const int32_t channels = AAX_STEM_FORMAT_CHANNEL_COUNT(format);
    return format > 0 && channels >= 1 && channels <= 8;
}

void CheckComponent(const AAXHostEffect& effect, const AAXHostComponent& component, const std::string& where,
                    std::vector<std::string>& problems) {
    if (!component.firstField(AAXHostFieldKind::AudioIn))
        problems.push_back(where + ": no audio input");
    if (!component.firstField(AAXHostFieldKind::AudioOut))
        problems.push_back(where + ": no audio output");
    if (!component.firstField(AAXHostFieldKind::BufferLength))
        problems.push_back(where + ": no buffer length");
    if (!component.processProc)
        problems.push_back(where + ": no render procedure");
    if (!StemFormatUsable(component.inputStemFormat()))
        problems.push_back(where + ": bad input stem format");
    if (!StemFormatUsable(component.outputStemFormat()))
        problems.push_back(where + ": bad output stem format");
    int32_t meterFields = 0;
    for (const AAXHostField& field : component.fields) {
        if (field.kind == AAXHostFieldKind::Meters && ++meterFields == 2) {
            problems.push_back(where + ": more than one meters field");
        }
        for (AAX_CTypeID id : field.meterIDs) {
            if (!effect.meter(id)) {
                char code[5];
                AAX_FourCCToString(id, code);
                problems.push_back(where + ": meter '" + code + "' has no description");
            }
        }
    }
}

}  // namespace

std::vector<std::string> AAXHostCheckDescription(const AAXHostDescription& description) {
    std::vector<std::string> problems;
    if (description.effects.empty())
        problems.push_back("no effect described");
    for (size_t e = 0; e < description.effects.size(); ++e) {
        const AAXHostEffect& effect = description.effects[e];
        const std::string where = "effect " + std::to_string(e);
        if (effect.id.empty())
            problems.push_back(where + ": empty id");
        if (effect.names.empty())
            problems.push_back(where + ": no name");
        const auto create = effect.procs.find(kAAX_ProcPtrID_Create_EffectParameters);
        if (create == effect.procs.end() || !create->second) {
            problems.push_back(where + ": no parameters-object creation procedure");
        }
        if (effect.components.empty())
            problems.push_back(where + ": no component");
        for (size_t c = 0; c < effect.components.size(); ++c) {
            CheckComponent(effect, effect.components[c], where + " component " + std::to_string(c), problems);
        }
    }
    return problems;
}
