#pragma once

#include <cstdint>
#include <string>

// Looks a host parameter up by its table name ("Ratio", "Time", ...), ignoring
// case. Answers the slot index, or -1 when no host parameter has that name.
int32_t findHostParameterByName(const std::string& name);

// Parses a normalised value: a finite decimal number from 0 to 1, nothing else.
bool parseNormalisedValue(const std::string& text, double& value, std::string& error);

// Parses NAME=VALUE into a slot index and a normalised value, VALUE in either
// notation of ParameterNotation.h; on failure `error` names the problem.
bool parseParameterAssignment(const std::string& text, int32_t& index, double& value, std::string& error);

// The host parameter names, comma separated, for messages and help texts.
std::string hostParameterNames();
