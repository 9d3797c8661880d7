#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "AAX_CChunkDataParser.h"
#include "AAX_CString.h"
#include "AAX_Errors.h"

namespace {

std::vector<unsigned char> Write(const AAX_CChunkDataParser& parser) {
    std::vector<unsigned char> bytes(static_cast<size_t>(parser.GetChunkDataSize()));
    EXPECT_EQ(AAX_SUCCESS, parser.WriteChunkData(bytes.data(), static_cast<uint32_t>(bytes.size())));
    return bytes;
}

AAX_CChunkDataParser Sample() {
    AAX_CChunkDataParser parser;
    parser.AddDouble("Ratio", 0.25);
    parser.AddFloat("Level", -1.5f);
    parser.AddInt32("Count", -123456);
    parser.AddInt16("Small", -7);
    parser.AddString("Text", "hello");
    return parser;
}

}  // namespace

TEST(ChunkDataParser, RoundTripKeepsEveryValueByNameAndType) {
    const std::vector<unsigned char> bytes = Write(Sample());
    // version 1, 5 entries, little-endian
    EXPECT_EQ(1, bytes[0]);
    EXPECT_EQ(5, bytes[4]);
    AAX_CChunkDataParser parser;
    ASSERT_EQ(AAX_SUCCESS, parser.LoadChunkData(bytes.data(), static_cast<uint32_t>(bytes.size())));
    double ratio = 0;
    float level = 0;
    int32_t count = 0;
    int16_t small = 0;
    AAX_CString text;
    EXPECT_TRUE(parser.FindDouble("Ratio", &ratio));
    EXPECT_TRUE(parser.FindFloat("Level", &level));
    EXPECT_TRUE(parser.FindInt32("Count", &count));
    EXPECT_TRUE(parser.FindInt16("Small", &small));
    EXPECT_TRUE(parser.FindString("Text", &text));
    EXPECT_EQ(0.25, ratio);
    EXPECT_EQ(-1.5f, level);
    EXPECT_EQ(-123456, count);
    EXPECT_EQ(-7, small);
    EXPECT_STREQ("hello", text.Get());
    EXPECT_FALSE(parser.FindFloat("Ratio", &level)) << "type is part of the key";
    EXPECT_FALSE(parser.FindDouble("Missing", &ratio));
    EXPECT_EQ(bytes, Write(parser));
}

TEST(ChunkDataParser, ChunkRecordCarriesSize) {
    const AAX_CChunkDataParser source = Sample();
    std::vector<uint64_t> storage((AAX_ChunkRecordSize(static_cast<uint32_t>(source.GetChunkDataSize())) + 7) / 8);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*>(storage.data());
    ASSERT_EQ(AAX_SUCCESS, source.GetChunkData(chunk));
    EXPECT_EQ(source.GetChunkDataSize(), chunk->fSize);
    AAX_CChunkDataParser parser;
    EXPECT_EQ(AAX_SUCCESS, parser.LoadChunk(chunk));
    EXPECT_EQ(5, parser.NumEntries());
    chunk->fSize = -1;
    EXPECT_EQ(AAX_ERROR_INCORRECT_CHUNK_SIZE, parser.LoadChunk(chunk));
    EXPECT_TRUE(parser.IsEmpty());
    EXPECT_EQ(AAX_ERROR_NULL_OBJECT, parser.LoadChunk(nullptr));
}

TEST(ChunkDataParser, EveryTruncationFailsAndLeavesParserEmpty) {
    const std::vector<unsigned char> bytes = Write(Sample());
    for (size_t size = 0; size < bytes.size(); ++size) {
        // Copy into an exact-size buffer so a read past the end is caught by ASan.
        std::vector<unsigned char> cut(bytes.begin(), bytes.begin() + static_cast<long>(size));
        AAX_CChunkDataParser parser = Sample();
        EXPECT_EQ(AAX_ERROR_MALFORMED_CHUNK, parser.LoadChunkData(cut.data(), static_cast<uint32_t>(size)))
            << "size " << size;
        EXPECT_TRUE(parser.IsEmpty());
    }
}

TEST(ChunkDataParser, RefusesBadVersionCountTypeNameAndTrailingBytes) {
    const std::vector<unsigned char> good = Write(Sample());
    AAX_CChunkDataParser parser;
    auto refused = [&](std::vector<unsigned char> bytes) {
        return parser.LoadChunkData(bytes.data(), static_cast<uint32_t>(bytes.size())) == AAX_ERROR_MALFORMED_CHUNK &&
               parser.IsEmpty();
    };
    std::vector<unsigned char> bytes = good;
    bytes[0] = 2;
    EXPECT_TRUE(refused(bytes)) << "newer format version";
    bytes = good;
    bytes[4] = 6;
    EXPECT_TRUE(refused(bytes)) << "more entries claimed than present";
    bytes = good;
    bytes[4] = 4;
    EXPECT_TRUE(refused(bytes)) << "fewer entries claimed: trailing bytes";
    bytes = good;
    bytes[7] = 0x40;
    EXPECT_TRUE(refused(bytes)) << "huge count";
    bytes = good;
    bytes[8] = 'x';
    EXPECT_TRUE(refused(bytes)) << "unknown type";
    bytes = good;
    bytes[9] = 0;
    EXPECT_TRUE(refused(bytes)) << "empty name";
    bytes = good;
    bytes.push_back(0);
    EXPECT_TRUE(refused(bytes)) << "trailing byte";
    bytes = good;
    bytes[bytes.size() - 9] = 0xFF;  // string length field of the last entry
    EXPECT_TRUE(refused(bytes)) << "string longer than the data";
    EXPECT_EQ(AAX_SUCCESS, parser.LoadChunkData(good.data(), static_cast<uint32_t>(good.size())));
}

TEST(ChunkDataParser, LongNamesAreCutAndEmptyNamesIgnored) {
    AAX_CChunkDataParser parser;
    const std::string longName(300, 'n');
    parser.AddDouble(longName.c_str(), 1.0);
    parser.AddDouble("", 2.0);
    parser.AddDouble(nullptr, 3.0);
    EXPECT_EQ(1, parser.NumEntries());
    double value = 0;
    EXPECT_TRUE(parser.FindDouble(std::string(255, 'n').c_str(), &value));
    AAX_CChunkDataParser reread;
    const std::vector<unsigned char> bytes = Write(parser);
    EXPECT_EQ(AAX_SUCCESS, reread.LoadChunkData(bytes.data(), static_cast<uint32_t>(bytes.size())));
    unsigned char small[4];
    EXPECT_EQ(AAX_ERROR_INCORRECT_CHUNK_SIZE, parser.WriteChunkData(small, sizeof small));
}
