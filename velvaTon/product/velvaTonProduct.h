#pragma once

#include <cstdint>

// Names and places that identify the product and its maker. Everything that
// shows the product to a host, a user or the file system takes them from here.

// How the host lists the plug-in.
constexpr const char* kMakerName = "Brackenworks";
constexpr const char* kProductName = "HRX velvaTon";
constexpr const char* kProductDescription = "HRX velvaTon - opto compressor";
constexpr int32_t kPackageVersion = 2210;
constexpr const char* kPageTableFileName = "HRXvelvaTonPageTables.xml";

// The string under which the effect is added to the host's collection: a
// reverse-domain identifier naming maker and product (the maker's reserved
// domain bracken-works.example, reversed).
constexpr const char* kEffectId = "example.bracken-works.velvaTon";

// The versions the about box and the configuration menu show: the product's,
// the maker's framework it is built on, and the release build's stamp
// (month, day, hour and minute, two digits each).
constexpr const char* kProductVersion = "2.2.1.0";
constexpr const char* kFrameworkVersion = "6.4.6";
constexpr const char* kBuildStamp = "07041411";

// The maker's web site, opened from the about box and the designer photo.
constexpr const char* kMakerWebAddress = "https://www.bracken-works.example/";

// User preset folder: <profile>/Documents/<kMakerDocumentsFolder>/
// <kUserPresetsFolder>/<kProductFolder>. The maker's folder is named after its web domain.
constexpr const char* kMakerDocumentsFolder = "bracken-works.example";
constexpr const char* kUserPresetsFolder = "User Presets";
constexpr const char* kProductFolder = "HRX velvaTon";

// Preset files.
constexpr const char* kPresetFileExtension = ".hrx";
constexpr const char* kPresetFileFilter = "hrx";
constexpr const char* kPresetFileTypeDescription = "HRX Preset";

// The state chunk data: 00 00 00 02, the product code in memory order (the
// four-character code 'HVTN' stored little-endian), then the preset
// manager's bank form.
constexpr const char* kProductCode = "NTVH";
constexpr int32_t kStateChunkPrefixSize = 8;

// Per-user settings: keys (backslash-separated, as the settings store takes
// them) and value names.
constexpr const char* kGlobalSettingsKey = "SOFTWARE\\Bracken-works\\HRXVTME1";
constexpr const char* kSharedSettingsKey = "SOFTWARE\\Bracken-works\\HRXVT1";
constexpr const char* kGlobalSettingNamePattern = "HRXVT1: %d";  // setting 57 -> "HRXVT1: 57"
constexpr const char* kClipboardValueName = "MemoA";             // under kSharedSettingsKey
constexpr const char* kManualPathValueName = "ManualPath";       // under kSharedSettingsKey
