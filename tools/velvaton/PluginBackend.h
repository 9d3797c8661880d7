#pragma once

#include "AAXHost.h"
#include "AutomationLane.h"
#include "RenderBackend.h"
#include "velvaTonParameters.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// What a plug-in render does besides the audio.
struct PluginRenderSettings {
    std::string libraryPath;
    bool bypass = false;                     // the host's master bypass
    std::vector<AutomationLane> automation;  // host automation, at block boundaries
    std::vector<uint8_t> restoreState;       // 'All ' chunk data to restore first (empty: none)
    // Slots whose starting value the user chose (preset or --set); they are
    // applied as the user's edits, through the plug-in's controller.
    bool edited[kPresetValues] = {};
};

// Runs blocks through the plug-in library, loaded by the host, as a host's
// insert does: one instance of the file's variant at the file's rate.
class PluginBackend : public RenderBackend {
public:
    explicit PluginBackend(PluginRenderSettings settings);

    bool prepare(int sampleRate, int channels, const double* values, std::string& error) override;
    void process(float** channels, uint32_t frames) override;
    double gainReduction() override;

    // The data bytes of the instance's 'All ' chunk once prepared.
    bool saveState(std::vector<uint8_t>& bytes, std::string& error);
    // The prepared instance (null before prepare), for a host window.
    AAXHostInstance* instance() const { return instance_.get(); }

private:
    void applyAutomation();

    PluginRenderSettings settings_;
    AAXHost host_;
    std::unique_ptr<AAXHostInstance> instance_;
    int channels_ = 0;
    double sampleRate_ = 0.0;
    int64_t position_ = 0;
    std::vector<double> lastAutomated_;
};
