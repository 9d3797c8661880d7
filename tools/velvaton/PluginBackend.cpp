#include "PluginBackend.h"

#include "AAX_Errors.h"
#include "AAX_FourCC.h"
#include "velvaTonParameters.h"

#include <utility>

namespace {

const AAX_CTypeID kAllChunkID = AAX_FourCC("All ");
constexpr int32_t kGainReductionMeter = 2;

std::string resultText(AAX_Result result) {
    return "the plug-in answered " + std::to_string(result);
}

}  // namespace

PluginBackend::PluginBackend(PluginRenderSettings settings) : settings_(std::move(settings)) {}

bool PluginBackend::prepare(int sampleRate, int channels, const double* values, std::string& error) {
    if (channels < 1 || channels > 2) {
        error = "the plug-in takes one or two channels";
        return false;
    }
    if (sampleRate < AAXHostInstance::kMinSampleRate || sampleRate > AAXHostInstance::kMaxSampleRate) {
        error = "the sample rate " + std::to_string(sampleRate) + " Hz is outside the host's 22050 to 192000 Hz";
        return false;
    }
    if (settings_.libraryPath.empty()) {
        error = "no plug-in library found (build it, or name it in VELVATON_PLUGIN)";
        return false;
    }
    std::string reason;
    if (host_.load(settings_.libraryPath, &reason) != AAX_SUCCESS) {
        error = "cannot load the plug-in: " + reason;
        return false;
    }
    AAX_Result result = AAX_SUCCESS;
    instance_ = host_.createInstance(channels == 1 ? AAXHostVariant::Mono : AAXHostVariant::Stereo,
                                     static_cast<double>(sampleRate), &result);
    if (!instance_) {
        error = "cannot create a plug-in instance: " + resultText(result);
        return false;
    }
    channels_ = channels;
    sampleRate_ = static_cast<double>(sampleRate);

    if (!settings_.restoreState.empty()) {
        AAXHostChunk chunk;
        chunk.id = kAllChunkID;
        chunk.data = settings_.restoreState;
        result = instance_->setChunk(chunk);
        if (result != AAX_SUCCESS) {
            error = "the state file does not restore: " + resultText(result);
            return false;
        }
        // The restored values reach the host's parameters (and through them
        // the engine) when the host answers the plug-in's requests.
        instance_->idle();
    }
    // The chosen values as a user's edits in the host's controls: touch, set,
    // release. The plug-in hears the touched value and records it.
    for (int32_t slot = 0; slot < kPresetValues; ++slot) {
        if (!settings_.edited[slot] || !(getParameterFlags(slot) & kFlagHostParameter))
            continue;
        const std::string id = parameterIdTable[slot];
        instance_->touchParameter(id);
        result = instance_->setParameterValue(id, values[slot]);
        instance_->releaseParameter(id);
        if (result != AAX_SUCCESS) {
            error = "cannot set " + id + ": " + resultText(result);
            return false;
        }
    }
    instance_->idle();
    if (settings_.bypass) {
        std::string bypassID;
        instance_->masterBypassID(&bypassID);
        result = instance_->setParameterValue(bypassID, 1.0);
        if (result != AAX_SUCCESS) {
            error = "cannot bypass the plug-in: " + resultText(result);
            return false;
        }
    }
    lastAutomated_.assign(settings_.automation.size(), -1.0);
    return true;
}

void PluginBackend::applyAutomation() {
    const double seconds = static_cast<double>(position_) / sampleRate_;
    for (size_t i = 0; i < settings_.automation.size(); ++i) {
        double value = 0.0;
        if (!settings_.automation[i].valueAt(seconds, value) || value == lastAutomated_[i])
            continue;
        lastAutomated_[i] = value;
        instance_->setParameterValue(parameterIdTable[settings_.automation[i].index], value);
    }
}

void PluginBackend::process(float** channels, uint32_t frames) {
    applyAutomation();
    const float* inputs[2] = {channels[0], channels[1]};
    instance_->process(inputs, channels, static_cast<int32_t>(frames));
    position_ += frames;
}

double PluginBackend::gainReduction() {
    return static_cast<double>(instance_->meterValue(kGainReductionMeter));
}

bool PluginBackend::saveState(std::vector<uint8_t>& bytes, std::string& error) {
    AAXHostChunk chunk;
    const AAX_Result result = instance_ ? instance_->getChunk(kAllChunkID, &chunk) : AAX_ERROR_NOT_INITIALIZED;
    if (result != AAX_SUCCESS) {
        error = "cannot read the plug-in's state: " + resultText(result);
        return false;
    }
    bytes = std::move(chunk.data);
    return true;
}
