#pragma once

#include "HRX_LV2_Product.h"

#include <string>

// The bundle's descriptions in Turtle, written from the product's parameter
// table and factory bank: nothing in them is kept by hand.

// manifest.ttl: the plug-ins, the UI and the presets with the files that
// describe them.
std::string HRX_LV2_ManifestTurtle(const HRX_LV2_Product& product);
// The mono and stereo plug-ins (ports, names, ranges, defaults, scale
// points, units) and their X11 UI.
std::string HRX_LV2_PluginTurtle(const HRX_LV2_Product& product);
// The factory presets as pset:Preset of both plug-ins, each category a
// pset:Bank.
std::string HRX_LV2_PresetsTurtle(const HRX_LV2_Product& product);

// File names of the descriptions inside the bundle.
constexpr const char* kHRX_LV2_PluginFile = "plugins.ttl";
constexpr const char* kHRX_LV2_PresetsFile = "presets.ttl";
