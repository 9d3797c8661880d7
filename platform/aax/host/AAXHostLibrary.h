#pragma once

#include <memory>
#include <string>
#include <vector>

#include "AAX_Exports.h"
#include "AAX_IHostServices.h"
#include "IACFUnknown.h"

struct AAXHostAssertion {
    std::string file;
    int32_t line = 0;
    std::string note;
    int32_t flags = 0;
};

struct AAXHostTrace {
    int32_t priority = 0;
    std::string message;
};

// The host services a loaded library reports to: it records every assertion
// report and trace line. Main thread only.
class AAXHostServices final : public AAX_IHostServices {
public:
    AAX_Result HandleAssertFailure(const char* file, int32_t line, const char* note, int32_t flags) override;
    AAX_Result Trace(int32_t priority, const char* message) override;
    std::vector<AAXHostAssertion> assertions;
    std::vector<AAXHostTrace> traces;
};

struct AAXHostEntryPoints {
    ACFRegisterPluginProc registerPlugin = nullptr;
    ACFRegisterComponentProc registerComponent = nullptr;
    ACFGetClassFactoryProc getClassFactory = nullptr;
    ACFCanUnloadNowProc canUnloadNow = nullptr;
    ACFStartupProc startup = nullptr;
    ACFShutdownProc shutdown = nullptr;
    ACFGetSDKVersionProc getSDKVersion = nullptr;
};

// One plug-in library loaded into the process, shared by every AAXHost and
// instance that uses it (a second open of the same file shares the first).
// Opening resolves the seven entry points, reads the SDK version and calls
// ACFStartup; the last release calls ACFShutdown and unloads the library when
// ACFCanUnloadNow answers 0 (otherwise it stays loaded, see leaked()).
class AAXHostLibrary {
public:
    static std::shared_ptr<AAXHostLibrary> open(const std::string& path, std::string* error);
    ~AAXHostLibrary();
    AAXHostLibrary(const AAXHostLibrary&) = delete;
    AAXHostLibrary& operator=(const AAXHostLibrary&) = delete;

    const AAXHostEntryPoints& entryPoints() const { return entryPoints_; }
    uint64_t sdkVersion() const { return sDKVersion_; }
    AAXHostServices& services() { return services_; }
    // The process-wide host interface given to ACFStartup: host services only.
    IACFUnknown* hostInterface();
    const std::string& path() const { return path_; }
    // Libraries that were still busy (ACFCanUnloadNow non-zero) at their last
    // release and therefore never unloaded, in this process.
    static int32_t leaked();

private:
    explicit AAXHostLibrary(void* handle);

    class Root;
    void* handle_;
    std::string path_;
    AAXHostEntryPoints entryPoints_;
    uint64_t sDKVersion_ = 0;
    AAXHostServices services_;
    std::unique_ptr<Root> root_;
};
