#include "HRXPresetContainer.h"

#include "HRXProduct.h"

#include <cmath>
#include <cstring>

namespace {

uint32_t loadLittleEndian(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

uint32_t swapBytes(uint32_t word) {
    return (word >> 24) | ((word >> 8) & 0xff00u) | ((word << 8) & 0xff0000u) | (word << 24);
}

uint32_t loadWord(const uint8_t* bytes, bool byteSwapped) {
    const uint32_t word = loadLittleEndian(bytes);
    return byteSwapped ? swapBytes(word) : word;
}

float floatFromBits(uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void storeWord(uint8_t* bytes, uint32_t word) {
    bytes[0] = static_cast<uint8_t>(word);
    bytes[1] = static_cast<uint8_t>(word >> 8);
    bytes[2] = static_cast<uint8_t>(word >> 16);
    bytes[3] = static_cast<uint8_t>(word >> 24);
}

void storeFloat(uint8_t* bytes, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    storeWord(bytes, bits);
}

constexpr size_t kNameEntrySize = kEntryHeaderSize + kNameEntryDataSize;
constexpr size_t kParameterEntrySize = kEntryHeaderSize + kParameterEntryDataSize;
// Bytes of entry data a reader needs: the name field; the index and value words.
constexpr uint32_t kNameBytesNeeded = kPresetNameSize;
constexpr uint32_t kParameterBytesNeeded = 16;
constexpr size_t kParameterValueOffset = 12;  // within a parameter entry's data

bool isStoredParameter(int32_t index) {
    return (product().getParameterFlags(index) & (kFlagStoredInPreset | kFlagUndoableEdit)) != 0;
}

int32_t storedParameterCount() {
    int32_t count = 0;
    for (int32_t i = 0; i < kPresetValues; ++i)
        count += isStoredParameter(i) ? 1 : 0;
    return count;
}

// One entry as the walkers see it, its words already in native order.
struct Entry {
    uint32_t type;
    uint32_t slot;
    const uint8_t* data;      // at least the bytes its type needs
    uint32_t parameterIndex;  // parameter entries only
    float value;              // parameter entries only
};

// Walks `entryCount` entries of a payload of `payloadSize` bytes, calling
// visit(entry) for each until it answers false. Returns false when an entry
// header, an entry's data, or the bytes its type needs would run past the
// payload; visit is then not called for that entry or any later one.
template <typename Visit>
bool walkEntries(const uint8_t* payload, size_t payloadSize, int32_t entryCount, bool byteSwapped, Visit visit) {
    size_t offset = 0;
    for (int32_t n = 0; n < entryCount; ++n) {
        if (payloadSize - offset < kEntryHeaderSize)
            return false;
        const uint8_t* header = payload + offset;
        Entry entry{};
        entry.type = loadWord(header, byteSwapped);
        const uint32_t dataSize = loadWord(header + 4, byteSwapped);
        entry.slot = loadLittleEndian(header + 8);
        entry.data = header + kEntryHeaderSize;
        const size_t available = payloadSize - offset - kEntryHeaderSize;
        if (dataSize > available)
            return false;
        if (entry.type == kEntryTypeName && dataSize < kNameBytesNeeded)
            return false;
        if (entry.type == kEntryTypeParameter) {
            if (dataSize < kParameterBytesNeeded)
                return false;
            entry.parameterIndex = loadWord(entry.data, byteSwapped);
            entry.value = floatFromBits(loadWord(entry.data + kParameterValueOffset, byteSwapped));
        }
        if (!visit(entry))
            return true;
        offset += kEntryHeaderSize + dataSize;
    }
    return true;
}

bool structureFits(const uint8_t* payload, size_t payloadSize, int32_t entryCount, bool byteSwapped) {
    return walkEntries(payload, payloadSize, entryCount, byteSwapped, [](const Entry&) { return true; });
}

// The name field of an entry, always terminated.
void takeName(HRXPresetRecord& record, const uint8_t* data) {
    std::memcpy(record.name, data, kPresetNameSize);
    record.name[kPresetNameLength] = '\0';
}

void writeHeader(uint8_t* out, uint8_t kind, int32_t entryCount, uint32_t payloadSize, int32_t auxWord,
                 int32_t zoomPercent) {
    storeWord(out + 0, kContainerMagic);
    out[4] = kind;
    storeWord(out + 5, kContainerFormatWord);
    storeWord(out + 9, static_cast<uint32_t>(kPresetValues));
    storeWord(out + 13, static_cast<uint32_t>(entryCount));
    storeWord(out + 17, 0);
    storeWord(out + 21, payloadSize);
    storeWord(out + 25, kContainerLastParameterId);
    storeWord(out + 29, static_cast<uint32_t>(auxWord));
    storeWord(out + 33, static_cast<uint32_t>(zoomPercent));
    storeWord(out + 37, 0);
}

// Writes the name entry and the parameter entries of one record at `out`
// (zeroed beforehand); returns the bytes written.
size_t writeRecordEntries(uint8_t* out, const HRXPresetRecord& record, uint32_t slot) {
    storeWord(out + 0, kEntryTypeName);
    storeWord(out + 4, kNameEntryDataSize);
    storeWord(out + 8, slot);
    const size_t nameLength = strnlen(record.name, kPresetNameLength);
    std::memcpy(out + kEntryHeaderSize, record.name, nameLength);
    size_t offset = kNameEntrySize;
    for (int32_t i = 0; i < kPresetValues; ++i) {
        if (!isStoredParameter(i))
            continue;
        uint8_t* entry = out + offset;
        storeWord(entry + 0, kEntryTypeParameter);
        storeWord(entry + 4, kParameterEntryDataSize);
        storeWord(entry + 8, slot);
        storeWord(entry + kEntryHeaderSize, static_cast<uint32_t>(i));
        storeFloat(entry + kEntryHeaderSize + kParameterValueOffset, record.values[i]);
        offset += kParameterEntrySize;
    }
    return offset;
}

size_t recordEntriesSize() {
    return kNameEntrySize + static_cast<size_t>(storedParameterCount()) * kParameterEntrySize;
}

bool isProductMagic(const uint8_t* data) {
    const uint32_t magic = loadLittleEndian(data);
    return magic == kContainerMagic || magic == kContainerMagicSwapped;
}

}  // namespace

bool readContainerHeader(const uint8_t* data, size_t size, HRXContainerHeader& header, bool& byteSwapped) {
    if (data == nullptr || size < kContainerHeaderSize || !isProductMagic(data))
        return false;
    const bool swapped = loadLittleEndian(data) == kContainerMagicSwapped;
    HRXContainerHeader h;
    h.magic = kContainerMagic;
    h.kind = data[4];
    h.formatWord = loadWord(data + 5, swapped);
    h.parameterCount = loadWord(data + 9, swapped);
    h.entryCount = static_cast<int32_t>(loadWord(data + 13, swapped));
    h.currentProgram = static_cast<int32_t>(loadWord(data + 17, swapped));
    h.payloadSize = loadWord(data + 21, swapped);
    h.lastParameterId = loadWord(data + 25, swapped);
    h.auxWord = static_cast<int32_t>(loadWord(data + 29, swapped));
    h.zoomPercent = static_cast<int32_t>(loadWord(data + kContainerZoomPercentOffset, swapped));
    h.reserved = loadWord(data + 37, swapped);
    header = h;
    byteSwapped = swapped;
    return true;
}

std::vector<uint8_t> serializePreset(const HRXPresetRecord& record, int32_t auxWord, int32_t zoomPercent) {
    const size_t payloadSize = recordEntriesSize();
    std::vector<uint8_t> out(kContainerHeaderSize + payloadSize, 0);
    writeHeader(out.data(), kContainerKindPreset, 1 + storedParameterCount(), static_cast<uint32_t>(payloadSize),
                auxWord, zoomPercent);
    writeRecordEntries(out.data() + kContainerHeaderSize, record, 0);
    return out;
}

bool readPresetContainer(const uint8_t* data, size_t size, HRXPresetRecord& record) {
    HRXContainerHeader header;
    bool swapped = false;
    if (!readContainerHeader(data, size, header, swapped) || header.kind != kContainerKindPreset)
        return false;
    const uint8_t* payload = data + kContainerHeaderSize;
    if (header.payloadSize > size - kContainerHeaderSize)
        return false;
    if (!structureFits(payload, header.payloadSize, header.entryCount, swapped))
        return false;
    walkEntries(payload, header.payloadSize, header.entryCount, swapped, [&](const Entry& entry) {
        if (entry.type == kEntryTypeName) {
            takeName(record, entry.data);
        } else if (entry.type == kEntryTypeParameter && entry.parameterIndex < static_cast<uint32_t>(kPresetValues)) {
            const int32_t index = static_cast<int32_t>(entry.parameterIndex);
            const float value = entry.value;
            const bool valid = !std::isnan(value) && value >= 0.0f && value <= 1.0f;
            record.values[index] = valid ? value : static_cast<float>(product().getParameterDefault(index));
        }
        return true;
    });
    return true;
}

HRXEntryWalk parsePresetEntries(const uint8_t* payload, size_t payloadSize, const HRXContainerHeader& header,
                                bool byteSwapped, HRXPresetRecord& record) {
    if (header.payloadSize > payloadSize || (payload == nullptr && header.payloadSize != 0))
        return HRXEntryWalk::Damaged;
    if (!structureFits(payload, header.payloadSize, header.entryCount, byteSwapped))
        return HRXEntryWalk::Damaged;
    const HRXPresetRecord backup = record;
    HRXEntryWalk result = HRXEntryWalk::Applied;
    walkEntries(payload, header.payloadSize, header.entryCount, byteSwapped, [&](const Entry& entry) {
        if (entry.type == kEntryTypeName) {
            takeName(record, entry.data);
        } else if (entry.type == kEntryTypeParameter) {
            float value = std::isnan(entry.value) ? 0.0f : entry.value;
            const bool inRecord = entry.parameterIndex < static_cast<uint32_t>(kPresetValues);
            if (inRecord && (value < 0.0f || value > 1.0f)) {
                record = backup;
                result = HRXEntryWalk::Rejected;
                return false;
            }
            if (inRecord)
                record.values[entry.parameterIndex] = value;
        }
        return true;
    });
    return result;
}

HRXClipboardRead readClipboardContainer(const uint8_t* data, size_t size, HRXPresetRecord& clipboardRecord) {
    if (data == nullptr || size < 5 || !isProductMagic(data))
        return HRXClipboardRead::Foreign;
    if (data[4] != kContainerKindPreset)
        return HRXClipboardRead::Accepted;
    HRXContainerHeader header;
    bool swapped = false;
    if (!readContainerHeader(data, size, header, swapped))
        return HRXClipboardRead::Damaged;
    const HRXEntryWalk walk =
        parsePresetEntries(data + kContainerHeaderSize, size - kContainerHeaderSize, header, swapped, clipboardRecord);
    return walk == HRXEntryWalk::Damaged ? HRXClipboardRead::Damaged : HRXClipboardRead::Accepted;
}

std::vector<uint8_t> serializeBank(const HRXPresetRecord* records, int32_t auxWord, int32_t zoomPercent) {
    const size_t perRecord = recordEntriesSize();
    const size_t payloadSize = perRecord * kBankContainerRecords;
    std::vector<uint8_t> out(kContainerHeaderSize + payloadSize, 0);
    writeHeader(out.data(), kContainerKindBank, kBankContainerRecords * (1 + storedParameterCount()),
                static_cast<uint32_t>(payloadSize), auxWord, zoomPercent);
    size_t offset = kContainerHeaderSize;
    for (int32_t r = 0; r < kBankContainerRecords; ++r)
        offset += writeRecordEntries(out.data() + offset, records[r], static_cast<uint32_t>(r));
    return out;
}

bool restoreBank(const uint8_t* data, size_t size, HRXPresetRecord* bank, const HRXPresetRecord& templateRecord,
                 HRXBankRestore& result) {
    if (data == nullptr || size < kContainerHeaderSize)
        return false;
    // The bank form is always written little-endian; its magic is not
    // consulted (the chunk's prefix has been checked).
    const int32_t entryCount = static_cast<int32_t>(loadLittleEndian(data + 13));
    const uint32_t currentProgram = loadLittleEndian(data + 17);
    const uint32_t payloadSize = loadLittleEndian(data + 21);
    const int32_t auxWord = static_cast<int32_t>(loadLittleEndian(data + 29));
    const int32_t zoomPercent = static_cast<int32_t>(loadLittleEndian(data + kContainerZoomPercentOffset));
    if (entryCount < 0 || payloadSize > size - kContainerHeaderSize)
        return false;
    const uint8_t* payload = data + kContainerHeaderSize;
    if (!structureFits(payload, payloadSize, entryCount, false))
        return false;

    walkEntries(payload, payloadSize, entryCount, false, [&](const Entry& entry) {
        if (entry.slot >= static_cast<uint32_t>(kBankRecords))
            return true;
        HRXPresetRecord& record = bank[entry.slot];
        if (entry.type == kEntryTypeName) {
            record = templateRecord;
            if (entry.data[0] != 0)
                takeName(record, entry.data);
        } else if (entry.type == kEntryTypeParameter) {
            float value = entry.value;
            if (std::isnan(value) || value < 0.0f)
                value = 0.0f;
            else if (value > 1.0f)
                value = 1.0f;
            if (entry.parameterIndex < static_cast<uint32_t>(kPresetValues))
                record.values[entry.parameterIndex] = value;
        }
        return true;
    });

    result.auxWord = auxWord;
    result.zoomPercent = zoomPercent > 0 ? zoomPercent : 0;
    result.currentProgram =
        currentProgram < static_cast<uint32_t>(kBankRecords) ? static_cast<int32_t>(currentProgram) : 0;
    return true;
}
