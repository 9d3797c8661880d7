#pragma once

#include "LV2TestHost.h"

#include <string>
#include <vector>

// Every parameter away from its default, in the editor's notation (for
// `velvaton render --set`) and as the LV2 ports' values.
extern const std::vector<std::string> kEditorSettings;
extern const PortSettings kPortSettings;

// `input` rendered by `velvaton render` through the AAX plug-in library.
Channels renderWithTool(const Channels& input, int rate, const std::vector<std::string>& settings);
