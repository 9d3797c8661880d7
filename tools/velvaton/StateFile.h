#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The data bytes of a plug-in's 'All ' chunk in a file of their own, as
// `render --save-state` writes them and `render --state` reads them.
constexpr size_t kMaxStateFileSize = 1u << 20;

// Reads the whole file (at most kMaxStateFileSize bytes, at least one).
bool readStateFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error);

// Writes the bytes to `path`, which appears only when complete.
bool writeStateFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error);
