#pragma once

#include <string>

// The starting values of `velvaton render --preset NAME` or
// `--preset-file FILE.hrx`: the preset's stored parameters (0, 2..7) are
// written into `values` (one per parameter slot); the others keep theirs.
// False, with `error` set, when the preset cannot be found or read.
bool applyRenderPreset(const std::string& presetName, const std::string& presetFile, double* values,
                       std::string& error);
