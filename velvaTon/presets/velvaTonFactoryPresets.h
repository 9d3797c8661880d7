#pragma once

#include "HRXPresetRecord.h"

#include <cstdint>
#include <cstdio>

// The factory presets, built into the program, known by slot number.

constexpr int32_t kFactoryPresetSlots = kBankRecords;  // one preset per record of the working bank
constexpr int32_t kFactoryCategoryCount = 4;           // categories 0..3

// Category 0 "Bus Compression", 1 "Drums", 2 "Vocals", 3 "Special";
// nullptr for any other number.
const char* getFactoryCategoryName(int32_t category);

// Writes the preset of `slot` to each output whose pointer is not null:
// `values` (12 doubles): only the parameters the preset sets (0, 2..7; all
// twelve for "Init"), the others keep the caller's content; `name` (24-byte
// buffer): the name, copied with a bound of 24 bytes; `placement`: category
// (only for presets in a category) and designer 0. Slots above 32 are "Init"
// with every parameter at its default. Negative slots are treated as "Init".
void getFactoryPreset(int32_t slot, double* values, char* name, HRXPresetPlacement* placement);

// Stores `name` (read at most 24 bytes) in `record` as the bank does: up to
// 23 characters are kept whole; a longer name is cut to 23 and draws the
// "preset name is too long" warning on `warnings` (the standard error stream
// in the bank).
void storeFactoryName(HRXPresetRecord& record, const char* name, FILE* warnings);

// Fills the 43-record working bank from getFactoryPreset (names via
// storeFactoryName, values as floats; parameters a preset does not set are
// 0.0) and copies slot 0 ("Default") into `clipboardRecord`.
void buildFactoryBank(HRXPresetRecord* bank, HRXPresetRecord& clipboardRecord);
