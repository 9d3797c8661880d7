#pragma once

#include <cstddef>
#include <cstdint>

struct HRXPresetRecord;

// The product's state chunk data: a prefix (the word 0x02000000 and the
// product's code, stateChunkPrefixSize bytes in all) before the preset
// manager's bank form.

// Writes the prefix; `data` holds at least the product's prefix size.
void writeStateChunkPrefix(uint8_t* data);
// Whether `data` begins with a prefix bearing the product's code, in either
// byte order (a big-endian writer stored it reversed).
bool hasStateChunkPrefix(const uint8_t* data, size_t size);
// Whether `size` bytes of state data would restore: the prefix, and a bank
// form that lies within the bytes after it (tried on scratch records made
// from `templateRecord`; nothing else is touched).
bool isRestorableState(const uint8_t* data, size_t size, const HRXPresetRecord& templateRecord);
