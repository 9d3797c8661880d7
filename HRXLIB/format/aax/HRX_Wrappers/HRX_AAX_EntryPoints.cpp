// The seven entry points the host resolves in the plug-in library; nothing
// else is exported.
#include "AAX_CHostServices.h"
#include "AAX_Errors.h"
#include "AAX_Exception.h"
#include "AAX_Exports.h"
#include "AAX_VCollection.h"
#include "CACFUnknown.h"
#include "HRX_AAX_Describe.h"
#include "HRX_AAX_Product.h"

#include <exception>

namespace {

constexpr ACFRESULT kACF_E_UNEXPECTED = static_cast<ACFRESULT>(0x8000ffffu);
constexpr const char* kExceptionTrace = "AAXRegisterPlugin exception caught: %s";

ACFRESULT registerPlugin(IACFUnknown* host, IACFPluginDefinition** definition) {
    try {
        AAX_VCollection collection(host);
        AAX_Result result = HRX_AAX_Describe(&collection);
        if (!definition)
            return AAX_ERROR_NULL_OBJECT;
        *definition = nullptr;
        *definition = collection.GetIUnknown();
        if (!*definition)
            result = AAX_ERROR_NULL_OBJECT;
        return result;
    } catch (const AAX::Exception::ResultError& error) {
        AAX_CHostServices::Trace(AAX_eTracePriorityHost_Critical, kExceptionTrace, error.What().c_str());
    } catch (const std::exception& error) {
        AAX_CHostServices::Trace(AAX_eTracePriorityHost_Critical, kExceptionTrace, error.what());
    } catch (...) {
        AAX_CHostServices::Trace(AAX_eTracePriorityHost_Critical, kExceptionTrace, "unknown");
    }
    return AAX_ERROR_UNKNOWN_EXCEPTION;
}

}  // namespace

ACFRESULT ACFRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** definition) {
    HRX_AAX_InstallProduct();
    try {
        return registerPlugin(host, definition);
    } catch (...) {
        return kACF_E_UNEXPECTED;
    }
}

ACFRESULT ACFRegisterComponent(IACFUnknown*, uint32_t, IACFComponentDefinition** component) {
    if (component)
        *component = nullptr;
    return AAX_SUCCESS;
}

ACFRESULT ACFGetClassFactory(IACFUnknown*, const acfCLSID&, const acfIID&, void** factory) {
    if (factory)
        *factory = nullptr;
    return AAX_ERROR_UNIMPLEMENTED;
}

ACFRESULT ACFCanUnloadNow() {
    return CACFUnknown::GetActiveObjectCount();
}

ACFRESULT ACFStartup(IACFUnknown* host) {
    HRX_AAX_InstallProduct();
    if (!AAX_CHostServices::Exists() && host)
        AAX_CHostServices::Set(host);
    else if (AAX_CHostServices::Exists() && !host)
        AAX_CHostServices::Set(nullptr);
    return AAX_SUCCESS;
}

ACFRESULT ACFShutdown(IACFUnknown*) {
    if (AAX_CHostServices::Exists())
        AAX_CHostServices::Set(nullptr);
    return AAX_SUCCESS;
}

ACFRESULT ACFGetSDKVersion(uint64_t* version) {
    if (!version)
        return AAX_ERROR_NULL_OBJECT;
    *version = kAAX_SDKVersion;
    return AAX_SUCCESS;
}
