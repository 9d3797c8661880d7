#include "AAXHost.h"

#include "AAXHostCollection.h"
#include "AAXHostInstanceImpl.h"
#include "AAX_Errors.h"

namespace {

// The host interface handed to ACFRegisterPlugin: services and a collection.
class RegistrationHost : public IACFUnknown {
public:
    RegistrationHost(AAX_IHostServices* services, AAX_ICollection* collection)
        : services_(services), collection_(collection) {}
    AAX_IHostServices* GetHostServices() override { return services_; }
    AAX_ICollection* GetCollection() override { return collection_; }
    AAX_IController* GetController() override { return nullptr; }
    AAX_IAutomationDelegate* GetAutomationDelegate() override { return nullptr; }
    AAX_ITransport* GetTransport() override { return nullptr; }
    AAX_IEffectParameters* GetEffectParameters() override { return nullptr; }

private:
    AAX_IHostServices* services_;
    AAX_ICollection* collection_;
};

const std::vector<AAXHostAssertion> kNoAssertions;
const std::vector<AAXHostTrace> kNoTraces;

}  // namespace

AAX_Result AAXHost::load(const std::string& path, std::string* error) {
    unload();
    std::string reason;
    std::shared_ptr<AAXHostLibrary> library = AAXHostLibrary::open(path, &reason);
    if (!library) {
        if (error)
            *error = reason;
        return AAX_ERROR_PLUGIN_NOT_LOADED;
    }
    AAXHostCollection collection;
    RegistrationHost host(&library->services(), &collection);
    IACFPluginDefinition* definition = nullptr;
    const AAX_Result result = library->entryPoints().registerPlugin(&host, &definition);
    if (result != AAX_SUCCESS) {
        if (error)
            *error = path + ": ACFRegisterPlugin answered " + std::to_string(result);
        return result;
    }
    if (definition != static_cast<IACFPluginDefinition*>(&collection)) {
        if (error)
            *error = path + ": ACFRegisterPlugin handed back no description";
        return AAX_ERROR_INVALID_DESCRIPTION;
    }
    const std::vector<std::string> problems = AAXHostCheckDescription(collection.description());
    if (!problems.empty()) {
        if (error) {
            *error = path + ": ";
            for (size_t i = 0; i < problems.size(); ++i)
                *error += (i ? "; " : "") + problems[i];
        }
        return AAX_ERROR_INVALID_DESCRIPTION;
    }
    description_ = collection.description();
    library_ = std::move(library);
    return AAX_SUCCESS;
}

void AAXHost::unload() {
    library_.reset();
    description_ = AAXHostDescription();
}

uint64_t AAXHost::sdkVersion() const {
    return library_ ? library_->sdkVersion() : 0;
}

const AAXHostEntryPoints* AAXHost::entryPoints() const {
    return library_ ? &library_->entryPoints() : nullptr;
}

int32_t AAXHost::canUnloadNow() const {
    return library_ ? library_->entryPoints().canUnloadNow() : -1;
}

const std::vector<AAXHostAssertion>& AAXHost::assertions() const {
    return library_ ? library_->services().assertions : kNoAssertions;
}

const std::vector<AAXHostTrace>& AAXHost::traces() const {
    return library_ ? library_->services().traces : kNoTraces;
}

const AAXHostComponent* AAXHost::findComponent(AAXHostVariant variant) const {
    if (description_.effects.empty())
        return nullptr;
    const int32_t format = variant == AAXHostVariant::Mono ? AAX_eStemFormat_Mono : AAX_eStemFormat_Stereo;
    for (const AAXHostComponent& component : description_.effects.front().components) {
        if (component.inputStemFormat() == format && component.outputStemFormat() == format)
            return &component;
    }
    return nullptr;
}

std::unique_ptr<AAXHostInstance> AAXHost::createInstance(AAXHostVariant variant, double sampleRate,
                                                         AAX_Result* result) {
    AAX_Result status = AAX_SUCCESS;
    const AAXHostComponent* component = findComponent(variant);
    std::unique_ptr<AAXHostInstance> instance;
    if (!library_) {
        status = AAX_ERROR_PLUGIN_NOT_LOADED;
    } else if (!component ||
               !(sampleRate >= AAXHostInstance::kMinSampleRate && sampleRate <= AAXHostInstance::kMaxSampleRate)) {
        status = AAX_ERROR_INVALID_ARGUMENT;
    } else {
        auto impl = std::make_unique<AAXHostInstance::Impl>(library_, *component, sampleRate);
        status = impl->create(description_.effects.front());
        if (status == AAX_SUCCESS)
            instance.reset(new AAXHostInstance(std::move(impl)));
    }
    if (result)
        *result = status;
    return instance;
}
