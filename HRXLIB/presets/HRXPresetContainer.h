#pragma once

#include "HRXPresetRecord.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The byte container of preset files, the preset clipboard and the state
// chunk: a packed 41-byte header and a payload of typed entries.
//
// Header (all words 32-bit, written little-endian):
//   0 magic 'HVTN' (bytes "NTVH")   4 kind (1 byte)      5 format word
//   9 parameter count              13 entry count       17 current program
//  21 payload size                 25 last parameter id 29 auxiliary word
//  33 zoom percent                 37 reserved
// Entry: type (0 name, 1 parameter), data size, slot, then the data.
//   name entry: 24 name bytes, 0, 128 zero bytes (data size 156)
//   parameter entry: index, 0, 0, float value, 0 (data size 20)
//
// Every reader is bounded by the bytes it is given: the header, each entry
// header, each entry's data and the entry count must fit in the bytes
// present, or the reader changes nothing. Nothing here allocates except the
// writers' result vectors.

constexpr uint32_t kContainerMagic = 0x4856544Eu;  // 'HVTN'
constexpr uint32_t kContainerMagicSwapped = 0x4E545648u;
constexpr uint8_t kContainerKindPreset = 0x22;  // one record: file, clipboard
constexpr uint8_t kContainerKindBank = 0x38;    // three records: state chunk
constexpr uint32_t kContainerFormatWord = 0x02000100u;
constexpr uint32_t kContainerLastParameterId = 13;
constexpr size_t kContainerHeaderSize = 41;
constexpr size_t kContainerZoomPercentOffset = 33;
constexpr size_t kEntryHeaderSize = 12;
constexpr uint32_t kEntryTypeName = 0;
constexpr uint32_t kEntryTypeParameter = 1;
constexpr uint32_t kNameEntryDataSize = 156;
constexpr uint32_t kParameterEntryDataSize = 20;
constexpr size_t kSinglePresetContainerSize = 433;  // 41 + 168 + 7 * 32
constexpr int32_t kBankContainerRecords = 3;
constexpr size_t kBankContainerSize = 1217;  // 41 + 3 * (168 + 7 * 32)

struct HRXContainerHeader {
    uint32_t magic = 0;
    uint8_t kind = 0;
    uint32_t formatWord = 0;
    uint32_t parameterCount = 0;
    int32_t entryCount = 0;
    int32_t currentProgram = 0;
    uint32_t payloadSize = 0;
    uint32_t lastParameterId = 0;
    int32_t auxWord = 0;
    int32_t zoomPercent = 0;
    uint32_t reserved = 0;
};

// Decodes the 41-byte header in either byte order. The magic decides:
// bytes "NTVH" native, "HVTN" big-endian (`byteSwapped` set, every word
// reversed). False when fewer than 41 bytes or another magic.
bool readContainerHeader(const uint8_t* data, size_t size, HRXContainerHeader& header, bool& byteSwapped);

// A single-preset container (kind 0x22) of `record`: the parameters 0..11
// whose flags have 0x4 or 0x8, in index order. With the product's table that
// is 433 bytes. Bytes the format leaves open (after the name's terminator)
// are zero, so equal records give equal files.
std::vector<uint8_t> serializePreset(const HRXPresetRecord& record, int32_t auxWord, int32_t zoomPercent);

// The preset-file reader over a container's bytes: magic (either order),
// kind 0x22, header and all entries within `size`. A value that is NaN or
// outside 0..1 becomes its parameter's default; indexes of 12 or more are
// ignored; other entry types are skipped. A name is taken as 23 characters
// and a terminator. False, with `record` untouched, when anything is out of
// bounds or the magic or kind is wrong. (The caller decides whether the
// parameters it needs were present.)
bool readPresetContainer(const uint8_t* data, size_t size, HRXPresetRecord& record);

enum class HRXEntryWalk {
    Applied,   // every entry applied
    Rejected,  // a value outside 0..1 at an index below 12: record restored
    Damaged,   // an entry or the entry count runs past the payload: record untouched
};

// The clipboard walk over a payload (the bytes after the header): NaN
// becomes 0.0; a value outside 0..1 at an index below 12 ends the walk and
// restores the record to its content from before the walk. `payloadSize` is
// the number of bytes really present; the header's payload size must not
// exceed it. A negative entry count walks nothing.
HRXEntryWalk parsePresetEntries(const uint8_t* payload, size_t payloadSize, const HRXContainerHeader& header,
                                bool byteSwapped, HRXPresetRecord& record);

enum class HRXClipboardRead {
    Foreign,   // under 5 bytes, or not the product's magic: paste nothing
    Damaged,   // the product's magic but claims more than it holds: paste nothing
    Accepted,  // paste `clipboardRecord`: updated from a kind-0x22 container,
               // or unchanged (other kind, or a value outside 0..1)
};

// The paste path's reading of the clipboard value's bytes.
HRXClipboardRead readClipboardContainer(const uint8_t* data, size_t size, HRXPresetRecord& clipboardRecord);

// The bank form (kind 0x38) of records[0..2]: per record a name entry and its
// parameter entries, each with the record number as slot. 1217 bytes.
std::vector<uint8_t> serializeBank(const HRXPresetRecord* records, int32_t auxWord, int32_t zoomPercent);

struct HRXBankRestore {
    int32_t auxWord = 0;
    int32_t zoomPercent = 0;     // 0 when the container's was not above 0
    int32_t currentProgram = 0;  // bank record that becomes setup A (0..42)
};

// Restores the bank form into `bank` (43 records). Entries with a slot of 43
// or more are skipped; a name entry resets its record to `templateRecord`
// and takes the name when its first byte is not 0; parameter values are
// clamped (NaN and negative 0.0, above 1 1.0) and stored for indexes 0..11.
// Like the writer, no magic, kind or byte-order handling (the chunk's prefix
// is checked by its reader). False, with `bank` and `result` untouched, when
// the header, an entry or the entry count runs past `size`, or the entry
// count is negative. A current program outside 0..42 gives 0.
bool restoreBank(const uint8_t* data, size_t size, HRXPresetRecord* bank, const HRXPresetRecord& templateRecord,
                 HRXBankRestore& result);
