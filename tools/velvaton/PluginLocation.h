#pragma once

#include <string>

// The plug-in library the tool loads: $VELVATON_PLUGIN when set, else
// libvelvaTon.so beside the executable, else the one of the build tree the
// tool was built in. Answers the first that exists ("" when none does).
std::string findPluginLibrary();
