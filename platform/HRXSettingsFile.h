#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Text format of one settings key's file (written by HRXFileSettingsStore):
//
//   HRXSETTINGS 1
//   binary "HRXVT1: 57" 0000803f
//   string "ManualPath" "/home/me/Manual \"2\".pdf"
//   end
//
// - Line 1 is the exact signature "HRXSETTINGS 1". Lines end with '\n'.
// - One line per value: the type word ("binary" or "string"), one blank, the
//   quoted name, one blank, the data. Binary data is lower-case hex, two
//   digits per byte (an empty value is written as ""); string data is quoted.
// - Quoted texts escape '"' as \" and '\' as \\; every byte below 0x20 or
//   from 0x7f upwards is written as \xHH (two lower-case hex digits).
// - The last line is "end"; nothing may follow it.
// - Names are unique within a file and are compared exactly.
// A file that breaks any of these rules, or is larger than
// kMaxSettingsFileSize, is damaged: it yields no values at all.

constexpr size_t kMaxSettingsFileSize = 1u << 20;

struct HRXSettingsValue {
    std::string name;
    bool isString = false;
    std::vector<uint8_t> data;  // binary bytes, or the text's bytes without terminator
};

// Parses a whole file. False (values emptied) when the text is damaged.
bool parseSettingsText(const char* text, size_t size, std::vector<HRXSettingsValue>& values);

// Formats values in the order given (the store keeps them sorted by name, so
// the same values always give the same file).
std::string formatSettingsText(const std::vector<HRXSettingsValue>& values);
