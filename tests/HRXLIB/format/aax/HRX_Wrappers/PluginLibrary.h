#pragma once

// The built plug-in library and a host that has it loaded.

#include "AAXHost.h"

#include <string>

#include <gtest/gtest.h>

inline std::string pluginLibraryPath() {
    return VELVATON_PLUGIN_PATH;
}

inline void loadPlugin(AAXHost& host) {
    std::string error;
    ASSERT_EQ(AAX_SUCCESS, host.load(pluginLibraryPath(), &error)) << error;
}
