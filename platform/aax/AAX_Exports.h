#pragma once

#include "AAX.h"
#include "IACFUnknown.h"

// The seven entry points a plug-in library exports with C linkage (the only
// symbols it exports). The host resolves them by these names, calls
// ACFGetSDKVersion, ACFStartup and ACFRegisterPlugin after loading, and
// ACFShutdown before unloading (which it does only when ACFCanUnloadNow
// answers 0).
#define AAX_EXPORT extern "C" __attribute__((visibility("default")))

// The framework revision that plug-ins built on it report.
constexpr uint64_t kAAX_SDKVersion = 0x00000204013449EAull;

AAX_EXPORT ACFRESULT ACFRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** definition);
AAX_EXPORT ACFRESULT ACFRegisterComponent(IACFUnknown* host, uint32_t index, IACFComponentDefinition** component);
AAX_EXPORT ACFRESULT ACFGetClassFactory(IACFUnknown* host, const acfCLSID& classID, const acfIID& interfaceID,
                                        void** factory);
AAX_EXPORT ACFRESULT ACFCanUnloadNow();
AAX_EXPORT ACFRESULT ACFStartup(IACFUnknown* host);
AAX_EXPORT ACFRESULT ACFShutdown(IACFUnknown* host);
AAX_EXPORT ACFRESULT ACFGetSDKVersion(uint64_t* version);

typedef ACFRESULT (*ACFRegisterPluginProc)(IACFUnknown*, IACFPluginDefinition**);
typedef ACFRESULT (*ACFRegisterComponentProc)(IACFUnknown*, uint32_t, IACFComponentDefinition**);
typedef ACFRESULT (*ACFGetClassFactoryProc)(IACFUnknown*, const acfCLSID&, const acfIID&, void**);
typedef ACFRESULT (*ACFCanUnloadNowProc)();
typedef ACFRESULT (*ACFStartupProc)(IACFUnknown*);
typedef ACFRESULT (*ACFShutdownProc)(IACFUnknown*);
typedef ACFRESULT (*ACFGetSDKVersionProc)(uint64_t*);
