#pragma once

// The probe build of the plug-in library, loaded by a host of its own, with
// the controller's and the preset system's entries looked up by name.

#include "AAXHost.h"
#include "AAX_Errors.h"

#include <dlfcn.h>

#include <string>

#include <gtest/gtest.h>

class ProbedPlugin {
public:
    typedef void (*Set)(AAX_IEffectParameters*, int32_t, double);
    typedef double (*Get)(AAX_IEffectParameters*, int32_t);
    typedef int32_t (*Count)(AAX_IEffectParameters*);
    typedef void (*Select)(AAX_IEffectParameters*, int32_t);
    typedef void (*Switch)(AAX_IEffectParameters*, double);

    ProbedPlugin() {
        std::string error;
        EXPECT_EQ(AAX_SUCCESS, host.load(VELVATON_PROBE_PLUGIN_PATH, &error)) << error;
        handle = dlopen(VELVATON_PROBE_PLUGIN_PATH, RTLD_NOW | RTLD_NOLOAD);
        edit = find<Set>("velvaTonProbe_editParameter");
        set = find<Set>("velvaTonProbe_setParameter");
        value = find<Get>("velvaTonProbe_value");
        pending = find<Count>("velvaTonProbe_mailboxPending");
        historySteps = find<Count>("velvaTonProbe_historySteps");
        selectPreset = find<Select>("velvaTonProbe_selectPreset");
        selectSetup = find<Switch>("velvaTonProbe_selectSetup");
        EXPECT_TRUE(edit && set && value && pending && historySteps && selectPreset && selectSetup);
    }
    ~ProbedPlugin() {
        if (handle)
            dlclose(handle);
    }
    ProbedPlugin(const ProbedPlugin&) = delete;
    ProbedPlugin& operator=(const ProbedPlugin&) = delete;

    AAXHost host;
    void* handle = nullptr;
    Set edit = nullptr;       // the editor's output
    Set set = nullptr;        // the controller's setParameter
    Get value = nullptr;      // the controller's stored value
    Count pending = nullptr;  // 1 while the mailbox waits for the timer
    Count historySteps = nullptr;
    Select selectPreset = nullptr;
    Switch selectSetup = nullptr;

private:
    template <class F>
    F find(const char* name) {
        return handle ? reinterpret_cast<F>(dlsym(handle, name)) : nullptr;
    }
};
