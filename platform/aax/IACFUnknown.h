#pragma once

#include "AAX.h"

class AAX_IHostServices;
class AAX_ICollection;
class AAX_IController;
class AAX_IAutomationDelegate;
class AAX_ITransport;
class AAX_IEffectParameters;

// The host's root interface. The entry points receive the host's process-wide
// one (host services and a description collection); Initialize of each
// per-instance object receives that instance's one (controller, automation
// delegate, transport and the instance's parameters object). An accessor that
// does not apply answers null. The host owns every object handed out here;
// they stay valid until the call they came with ends (entry points) or until
// Uninitialize (instance objects).
class IACFUnknown {
public:
    virtual AAX_IHostServices* GetHostServices() = 0;
    virtual AAX_ICollection* GetCollection() = 0;
    virtual AAX_IController* GetController() = 0;
    virtual AAX_IAutomationDelegate* GetAutomationDelegate() = 0;
    virtual AAX_ITransport* GetTransport() = 0;
    virtual AAX_IEffectParameters* GetEffectParameters() = 0;

protected:
    ~IACFUnknown() = default;
};

// What the registration hands back to the host: the collection it described
// into (the host-side object, see AAX_VCollection::GetIUnknown).
class IACFPluginDefinition {
protected:
    ~IACFPluginDefinition() = default;
};

// Component definitions and class factories are not used by this format's
// plug-ins; the entry points answer null for them.
class IACFComponentDefinition {
protected:
    ~IACFComponentDefinition() = default;
};

struct acfUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
typedef acfUID acfCLSID;
typedef acfUID acfIID;
typedef int32_t ACFRESULT;
