#pragma once

#include <string>
#include <vector>

#include "AAX.h"

class AAX_CString;

// Named values in the framework's chunk data format (the data of the 'elck'
// chunk). Byte layout, little-endian:
//   0  uint32  format version (kChunkFormatVersion)
//   4  uint32  entry count
//   8  entries: uint8 type, uint8 name length n (1..255), n name bytes, then
//      the value: 'f' float32, 'd' float64, 'i' int32, 'h' int16,
//      's' uint32 length L and L bytes.
// Reading is bounded by the bytes given: truncated data, an unknown type or
// version, a count that disagrees with the entries, or trailing bytes make the
// whole load fail and leave the parser empty. Names longer than 255 bytes are
// cut; Find* answers the first entry of that name and type.
class AAX_CChunkDataParser {
public:
    static constexpr uint32_t kChunkFormatVersion = 1;

    void AddFloat(const char* name, float value);
    void AddDouble(const char* name, double value);
    void AddInt32(const char* name, int32_t value);
    void AddInt16(const char* name, int16_t value);
    void AddString(const char* name, const char* value);

    bool FindFloat(const char* name, float* value) const;
    bool FindDouble(const char* name, double* value) const;
    bool FindInt32(const char* name, int32_t* value) const;
    bool FindInt16(const char* name, int16_t* value) const;
    bool FindString(const char* name, AAX_CString* value) const;

    // Replaces the content by the parsed data; AAX_ERROR_MALFORMED_CHUNK on any
    // fault (content then empty).
    AAX_Result LoadChunkData(const void* data, uint32_t size);
    // The same for a host chunk record holding chunk->fSize data bytes
    // (negative: AAX_ERROR_INCORRECT_CHUNK_SIZE; null: AAX_ERROR_NULL_OBJECT).
    AAX_Result LoadChunk(const AAX_SPlugInChunk* chunk);

    int32_t GetChunkDataSize() const;
    // Writes GetChunkDataSize() bytes; AAX_ERROR_INCORRECT_CHUNK_SIZE (nothing
    // written) when capacity is smaller.
    AAX_Result WriteChunkData(void* data, uint32_t capacity) const;
    // Writes the data into chunk->fData and sets chunk->fSize; the record must
    // have room for GetChunkDataSize() data bytes.
    AAX_Result GetChunkData(AAX_SPlugInChunk* chunk) const;
    int32_t GetChunkVersion() const { return static_cast<int32_t>(kChunkFormatVersion); }

    bool IsEmpty() const { return entries_.empty(); }
    int32_t NumEntries() const { return static_cast<int32_t>(entries_.size()); }
    void Clear() { entries_.clear(); }

private:
    struct Entry {
        char type;
        std::string name;
        double number;     // d, i, h (exactly representable)
        float single;      // f, kept as stored so NaN payloads survive a round trip
        std::string text;  // s
    };
    // Answers the new entry, or null when the name is refused.
    Entry* Add(char type, const char* name, double number, const char* text);
    const Entry* Find(char type, const char* name) const;

    std::vector<Entry> entries_;
};
