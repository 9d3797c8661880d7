#include "AAX_CChunkDataParser.h"

#include <cstring>

#include "AAX_CString.h"
#include "AAX_Errors.h"

namespace {

constexpr size_t kMaxNameLength = 255;
constexpr size_t kHeaderSize = 8;
constexpr size_t kSmallestEntry = 1 + 1 + 1 + 2;  // type, length, 1-byte name, int16

size_t ValueSize(char type) {
    switch (type) {
    case 'f': return 4;
    case 'd': return 8;
    case 'i': return 4;
    case 'h': return 2;
    default: return 0;
    }
}

void PutLE(unsigned char* out, uint64_t value, size_t bytes) {
    for (size_t i = 0; i < bytes; ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * i));
}

uint64_t GetLE(const unsigned char* in, size_t bytes) {
    uint64_t value = 0;
    for (size_t i = 0; i < bytes; ++i)
        value |= static_cast<uint64_t>(in[i]) << (8 * i);
    return value;
}

// Reads forward through [data, data + size); every read checks the bytes left.
class Reader {
public:
    Reader(const unsigned char* data, size_t size) : data_(data), left_(size) {}
    size_t Left() const { return left_; }
    bool Take(size_t bytes, const unsigned char** out) {
        if (bytes > left_)
            return false;
        *out = data_;
        data_ += bytes;
        left_ -= bytes;
        return true;
    }
    bool Number(size_t bytes, uint64_t* value) {
        const unsigned char* in = nullptr;
        if (!Take(bytes, &in))
            return false;
        *value = GetLE(in, bytes);
        return true;
    }

private:
    const unsigned char* data_;
    size_t left_;
};

}  // namespace

AAX_CChunkDataParser::Entry* AAX_CChunkDataParser::Add(char type, const char* name, double number, const char* text) {
    if (!name || name[0] == '\0')
        return nullptr;
    Entry entry;
    entry.type = type;
    entry.name.assign(name, strnlen(name, kMaxNameLength));
    entry.number = number;
    entry.single = 0.0f;
    if (text)
        entry.text = text;
    entries_.push_back(std::move(entry));
    return &entries_.back();
}

void AAX_CChunkDataParser::AddFloat(const char* name, float value) {
    if (Entry* entry = Add('f', name, 0.0, nullptr))
        entry->single = value;
}
void AAX_CChunkDataParser::AddDouble(const char* name, double value) {
    Add('d', name, value, nullptr);
}
void AAX_CChunkDataParser::AddInt32(const char* name, int32_t value) {
    Add('i', name, value, nullptr);
}
void AAX_CChunkDataParser::AddInt16(const char* name, int16_t value) {
    Add('h', name, value, nullptr);
}
void AAX_CChunkDataParser::AddString(const char* name, const char* value) {
    Add('s', name, 0.0, value ? value : "");
}

const AAX_CChunkDataParser::Entry* AAX_CChunkDataParser::Find(char type, const char* name) const {
    if (!name)
        return nullptr;
    for (const Entry& entry : entries_) {
        if (entry.type == type && entry.name == name)
            return &entry;
    }
    return nullptr;
}

bool AAX_CChunkDataParser::FindFloat(const char* name, float* value) const {
    const Entry* entry = Find('f', name);
    if (!entry || !value)
        return false;
    *value = entry->single;
    return true;
}

bool AAX_CChunkDataParser::FindDouble(const char* name, double* value) const {
    const Entry* entry = Find('d', name);
    if (!entry || !value)
        return false;
    *value = entry->number;
    return true;
}

bool AAX_CChunkDataParser::FindInt32(const char* name, int32_t* value) const {
    const Entry* entry = Find('i', name);
    if (!entry || !value)
        return false;
    *value = static_cast<int32_t>(entry->number);
    return true;
}

bool AAX_CChunkDataParser::FindInt16(const char* name, int16_t* value) const {
    const Entry* entry = Find('h', name);
    if (!entry || !value)
        return false;
    *value = static_cast<int16_t>(entry->number);
    return true;
}

bool AAX_CChunkDataParser::FindString(const char* name, AAX_CString* value) const {
    const Entry* entry = Find('s', name);
    if (!entry || !value)
        return false;
    value->Set(entry->text.c_str());
    return true;
}

int32_t AAX_CChunkDataParser::GetChunkDataSize() const {
    size_t size = kHeaderSize;
    for (const Entry& entry : entries_) {
        size += 2 + entry.name.size();
        size += entry.type == 's' ? 4 + entry.text.size() : ValueSize(entry.type);
    }
    return size > 0x7FFFFFFF ? -1 : static_cast<int32_t>(size);
}

AAX_Result AAX_CChunkDataParser::WriteChunkData(void* data, uint32_t capacity) const {
    const int32_t size = GetChunkDataSize();
    if (size < 0 || !data)
        return size < 0 ? AAX_ERROR_INCORRECT_CHUNK_SIZE : AAX_ERROR_NULL_OBJECT;
    if (capacity < static_cast<uint32_t>(size))
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    unsigned char* out = static_cast<unsigned char*>(data);
    PutLE(out, kChunkFormatVersion, 4);
    PutLE(out + 4, entries_.size(), 4);
    out += kHeaderSize;
    for (const Entry& entry : entries_) {
        *out++ = static_cast<unsigned char>(entry.type);
        *out++ = static_cast<unsigned char>(entry.name.size());
        // NOLINTNEXTLINE(bugprone-not-null-terminated-result): names are length-prefixed
        std::memcpy(out, entry.name.data(), entry.name.size());
        out += entry.name.size();
        switch (entry.type) {
        case 'f': {
            uint32_t bits;
            std::memcpy(&bits, &entry.single, 4);
            PutLE(out, bits, 4);
            break;
        }
        case 'd': {
            uint64_t bits;
            std::memcpy(&bits, &entry.number, 8);
            PutLE(out, bits, 8);
            break;
        }
        case 'i': PutLE(out, static_cast<uint32_t>(static_cast<int32_t>(entry.number)), 4); break;
        case 'h': PutLE(out, static_cast<uint16_t>(static_cast<int16_t>(entry.number)), 2); break;
        default:
            PutLE(out, entry.text.size(), 4);
            // NOLINTNEXTLINE(bugprone-not-null-terminated-result): texts are length-prefixed
            std::memcpy(out + 4, entry.text.data(), entry.text.size());
            out += entry.text.size();
            break;
        }
        out += entry.type == 's' ? 4 : ValueSize(entry.type);
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CChunkDataParser::GetChunkData(AAX_SPlugInChunk* chunk) const {
    if (!chunk)
        return AAX_ERROR_NULL_OBJECT;
    const int32_t size = GetChunkDataSize();
    if (size < 0)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    const AAX_Result result = WriteChunkData(chunk->fData, static_cast<uint32_t>(size));
    if (result == AAX_SUCCESS)
        chunk->fSize = size;
    return result;
}

AAX_Result AAX_CChunkDataParser::LoadChunk(const AAX_SPlugInChunk* chunk) {
    if (!chunk)
        return AAX_ERROR_NULL_OBJECT;
    if (chunk->fSize < 0) {
        Clear();
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    }
    return LoadChunkData(chunk->fData, static_cast<uint32_t>(chunk->fSize));
}

AAX_Result AAX_CChunkDataParser::LoadChunkData(const void* data, uint32_t size) {
    Clear();
    if (!data)
        return size == 0 ? AAX_ERROR_MALFORMED_CHUNK : AAX_ERROR_NULL_OBJECT;
    Reader reader(static_cast<const unsigned char*>(data), size);
    uint64_t version = 0;
    uint64_t count = 0;
    if (!reader.Number(4, &version) || version != kChunkFormatVersion || !reader.Number(4, &count) ||
        count > reader.Left() / kSmallestEntry) {
        return AAX_ERROR_MALFORMED_CHUNK;
    }
    std::vector<Entry> entries;
    entries.reserve(static_cast<size_t>(count));
    for (uint64_t i = 0; i < count; ++i) {
        const unsigned char* head = nullptr;
        const unsigned char* name = nullptr;
        if (!reader.Take(2, &head) || head[1] == 0 || !reader.Take(head[1], &name)) {
            return AAX_ERROR_MALFORMED_CHUNK;
        }
        Entry entry;
        entry.type = static_cast<char>(head[0]);
        entry.name.assign(reinterpret_cast<const char*>(name), head[1]);
        entry.number = 0.0;
        entry.single = 0.0f;
        uint64_t bits = 0;
        switch (entry.type) {
        case 'f': {
            if (!reader.Number(4, &bits))
                return AAX_ERROR_MALFORMED_CHUNK;
            const uint32_t narrow = static_cast<uint32_t>(bits);
            std::memcpy(&entry.single, &narrow, 4);
            break;
        }
        case 'd':
            if (!reader.Number(8, &bits))
                return AAX_ERROR_MALFORMED_CHUNK;
            std::memcpy(&entry.number, &bits, 8);
            break;
        case 'i':
            if (!reader.Number(4, &bits))
                return AAX_ERROR_MALFORMED_CHUNK;
            entry.number = static_cast<int32_t>(static_cast<uint32_t>(bits));
            break;
        case 'h':
            if (!reader.Number(2, &bits))
                return AAX_ERROR_MALFORMED_CHUNK;
            entry.number = static_cast<int16_t>(static_cast<uint16_t>(bits));
            break;
        case 's': {
            const unsigned char* text = nullptr;
            if (!reader.Number(4, &bits) || !reader.Take(static_cast<size_t>(bits), &text)) {
                return AAX_ERROR_MALFORMED_CHUNK;
            }
            entry.text.assign(reinterpret_cast<const char*>(text), static_cast<size_t>(bits));
            if (entry.text.find('\0') != std::string::npos)
                return AAX_ERROR_MALFORMED_CHUNK;
            break;
        }
        default: return AAX_ERROR_MALFORMED_CHUNK;
        }
        entries.push_back(std::move(entry));
    }
    if (reader.Left() != 0)
        return AAX_ERROR_MALFORMED_CHUNK;
    entries_ = std::move(entries);
    return AAX_SUCCESS;
}
