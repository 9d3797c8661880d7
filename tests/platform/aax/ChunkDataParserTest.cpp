#include <gtest/gtest.h>

#include <string>
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

TEST(ChunkDataParser, RoundTripThroughAChunkRecordKeepsEveryValueByNameAndType) {
    const AAX_CChunkDataParser source = Sample();
    std::vector<uint64_t> storage((AAX_ChunkRecordSize(static_cast<uint32_t>(source.GetChunkDataSize())) + 7) / 8);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*>(storage.data());
    ASSERT_EQ(AAX_SUCCESS, source.GetChunkData(chunk));
    EXPECT_EQ(source.GetChunkDataSize(), chunk->fSize);
    const auto* bytes = reinterpret_cast<const unsigned char*>(chunk->fData);
    EXPECT_EQ(1, bytes[0]);  // version 1, 5 entries, little-endian
    EXPECT_EQ(5, bytes[4]);

    AAX_CChunkDataParser parser;
    ASSERT_EQ(AAX_SUCCESS, parser.LoadChunk(chunk));
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
    EXPECT_EQ(Write(source), Write(parser));

    chunk->fSize = -1;
    EXPECT_EQ(AAX_ERROR_INCORRECT_CHUNK_SIZE, parser.LoadChunk(chunk));
    EXPECT_TRUE(parser.IsEmpty());
    EXPECT_EQ(AAX_ERROR_NULL_OBJECT, parser.LoadChunk(nullptr));
}

TEST(ChunkDataParser, RefusesTruncatedOrDamagedDataAndLeavesParserEmpty) {
    const std::vector<unsigned char> good = Write(Sample());
    auto refused = [](std::vector<unsigned char> bytes) {
        AAX_CChunkDataParser parser = Sample();
        return parser.LoadChunkData(bytes.data(), static_cast<uint32_t>(bytes.size())) == AAX_ERROR_MALFORMED_CHUNK &&
               parser.IsEmpty();
    };
    // Exact-size copies, so that a read past the end is caught by ASan.
    for (size_t size = 0; size < good.size(); ++size)
        EXPECT_TRUE(refused(std::vector<unsigned char>(good.begin(), good.begin() + static_cast<long>(size)))) << size;

    const struct {
        size_t at;
        unsigned char value;
        const char* what;
    } damage[] = {{0, 2, "newer format version"},
                  {4, 6, "more entries claimed than present"},
                  {4, 4, "fewer entries claimed: trailing bytes"},
                  {7, 0x40, "huge count"},
                  {8, 'x', "unknown type"},
                  {9, 0, "empty name"},
                  {good.size() - 9, 0xFF, "string longer than the data"}};  // last entry's length field
    for (const auto& d : damage) {
        std::vector<unsigned char> bytes = good;
        bytes[d.at] = d.value;
        EXPECT_TRUE(refused(bytes)) << d.what;
    }
    std::vector<unsigned char> trailing = good;
    trailing.push_back(0);
    EXPECT_TRUE(refused(trailing)) << "trailing byte";
}

TEST(ChunkDataParser, LongNamesAreCutAndEmptyNamesIgnored) {
    AAX_CChunkDataParser parser;
    parser.AddDouble(std::string(300, 'n').c_str(), 1.0);
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

TEST(ChunkDataParser, FloatBitsSurviveALoadAndWriteUnchanged) {
    // One float entry holding a signalling NaN: widening it to double would
    // quiet it and change the bytes written back.
    const std::vector<unsigned char> bytes = {1,   0,   0,   0,   1,   0,    0,    0,    'f', 5,
                                              'L', 'e', 'v', 'e', 'l', 0x00, 0xbc, 0x96, 0xff};
    AAX_CChunkDataParser parser;
    ASSERT_EQ(AAX_SUCCESS, parser.LoadChunkData(bytes.data(), static_cast<uint32_t>(bytes.size())));
    EXPECT_EQ(bytes, Write(parser));
}
