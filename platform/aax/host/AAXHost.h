#pragma once

#include <memory>
#include <string>
#include <vector>

#include "AAXHostDescription.h"
#include "AAXHostInstance.h"
#include "AAXHostLibrary.h"

enum class AAXHostVariant { Mono, Stereo };

// Loads a plug-in library and creates instances of its first effect.
//
//   AAXHost host;
//   if (host.load("libplugin.so", &error) != AAX_SUCCESS) ...
//   auto instance = host.createInstance(AAXHostVariant::Stereo, 48000.0);
//   instance->process(inputs, outputs, frames);
//
// load: dlopen (a library already open in the process is shared), entry
// points, ACFGetSDKVersion, ACFStartup, ACFRegisterPlugin into a fresh
// collection, then the description checks. An instance keeps the library
// loaded; unloading happens when the host and its last instance are gone.
class AAXHost {
public:
    AAXHost() = default;
    ~AAXHost() = default;
    AAXHost(const AAXHost&) = delete;
    AAXHost& operator=(const AAXHost&) = delete;

    // AAX_ERROR_PLUGIN_NOT_LOADED (library or entry points missing), the
    // registration's own failure, or AAX_ERROR_INVALID_DESCRIPTION; error
    // gets the reason.
    AAX_Result load(const std::string& path, std::string* error = nullptr);
    void unload();
    bool isLoaded() const { return library_ != nullptr; }

    const AAXHostDescription& description() const { return description_; }
    uint64_t sdkVersion() const;
    // The library's entry points (for hosts and tests that call them directly).
    const AAXHostEntryPoints* entryPoints() const;
    // ACFCanUnloadNow of the loaded library (-1 when none).
    int32_t canUnloadNow() const;
    // Assertion reports and trace lines the library sent (shared by every host
    // using the same library).
    const std::vector<AAXHostAssertion>& assertions() const;
    const std::vector<AAXHostTrace>& traces() const;

    // The component of the first effect whose input and output stem formats
    // match the variant; null when there is none.
    const AAXHostComponent* findComponent(AAXHostVariant variant) const;
    // Creates parameters object (Initialize), render state (ResetFieldData of
    // every private field), direct-data object; null with result set on failure.
    std::unique_ptr<AAXHostInstance> createInstance(AAXHostVariant variant, double sampleRate,
                                                    AAX_Result* result = nullptr);

private:
    std::shared_ptr<AAXHostLibrary> library_;
    AAXHostDescription description_;
};
