#include "AAXHostLibrary.h"

#include <dlfcn.h>

#include <map>

#include "AAX_Errors.h"

AAX_Result AAXHostServices::HandleAssertFailure(const char* file, int32_t line, const char* note, int32_t flags) {
    assertions.push_back(AAXHostAssertion{file ? file : "", line, note ? note : "", flags});
    return AAX_SUCCESS;
}

AAX_Result AAXHostServices::Trace(int32_t priority, const char* message) {
    traces.push_back(AAXHostTrace{priority, message ? message : ""});
    return AAX_SUCCESS;
}

class AAXHostLibrary::Root final : public IACFUnknown {
public:
    explicit Root(AAXHostServices& services) : services_(services) {}
    AAX_IHostServices* GetHostServices() override { return &services_; }
    AAX_ICollection* GetCollection() override { return nullptr; }
    AAX_IController* GetController() override { return nullptr; }
    AAX_IAutomationDelegate* GetAutomationDelegate() override { return nullptr; }
    AAX_ITransport* GetTransport() override { return nullptr; }
    AAX_IEffectParameters* GetEffectParameters() override { return nullptr; }

private:
    AAXHostServices& services_;
};

namespace {

// Open libraries by dlopen handle (main thread only).
std::map<void*, std::weak_ptr<AAXHostLibrary>>& OpenLibraries() {
    static std::map<void*, std::weak_ptr<AAXHostLibrary>> libraries;
    return libraries;
}

int32_t gLeaked = 0;

template <typename Proc>
bool Resolve(void* handle, const char* name, Proc* proc, std::string* missing) {
    *proc = reinterpret_cast<Proc>(dlsym(handle, name));
    if (!*proc) {
        if (!missing->empty())
            missing->append(", ");
        missing->append(name);
    }
    return *proc != nullptr;
}

}  // namespace

std::shared_ptr<AAXHostLibrary> AAXHostLibrary::open(const std::string& path, std::string* error) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        if (error)
            *error = dlerror();
        return nullptr;
    }
    auto& libraries = OpenLibraries();
    const auto found = libraries.find(handle);
    if (found != libraries.end()) {
        if (std::shared_ptr<AAXHostLibrary> shared = found->second.lock()) {
            dlclose(handle);  // the shared library holds its own reference
            return shared;
        }
    }
    std::shared_ptr<AAXHostLibrary> library(new AAXHostLibrary(handle));
    library->path_ = path;
    std::string missing;
    AAXHostEntryPoints& e = library->entryPoints_;
    Resolve(handle, "ACFRegisterPlugin", &e.registerPlugin, &missing);
    Resolve(handle, "ACFRegisterComponent", &e.registerComponent, &missing);
    Resolve(handle, "ACFGetClassFactory", &e.getClassFactory, &missing);
    Resolve(handle, "ACFCanUnloadNow", &e.canUnloadNow, &missing);
    Resolve(handle, "ACFStartup", &e.startup, &missing);
    Resolve(handle, "ACFShutdown", &e.shutdown, &missing);
    Resolve(handle, "ACFGetSDKVersion", &e.getSDKVersion, &missing);
    if (!missing.empty()) {
        if (error)
            *error = path + ": missing entry points: " + missing;
        e = AAXHostEntryPoints();  // nothing to shut down
        return nullptr;
    }
    library->root_ = std::make_unique<Root>(library->services_);
    if (e.getSDKVersion(&library->sDKVersion_) != AAX_SUCCESS)
        library->sDKVersion_ = 0;
    e.startup(library->root_.get());
    libraries[handle] = library;
    return library;
}

AAXHostLibrary::~AAXHostLibrary() {
    bool unload = true;
    if (entryPoints_.shutdown) {
        entryPoints_.shutdown(root_.get());
        unload = entryPoints_.canUnloadNow() == 0;
    }
    auto& libraries = OpenLibraries();
    const auto found = libraries.find(handle_);
    if (found != libraries.end() && found->second.expired())
        libraries.erase(found);
    if (unload) {
        dlclose(handle_);
    } else {
        ++gLeaked;
    }
}

AAXHostLibrary::AAXHostLibrary(void* handle) : handle_(handle) {}

IACFUnknown* AAXHostLibrary::hostInterface() {
    return root_.get();
}

int32_t AAXHostLibrary::leaked() {
    return gLeaked;
}
