#include "HRXPresetContainer.h"

#include "BigEndianContainer.h"
#include "velvaTonFactoryPresets.h"
#include "velvaTonParameters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {

HRXPresetRecord factoryRecord(int32_t slot) {
    HRXPresetRecord bank[kFactoryPresetSlots];
    HRXPresetRecord clipboard;
    buildFactoryBank(bank, clipboard);
    return bank[slot];
}

HRXPresetRecord filledRecord(float value, const char* name) {
    HRXPresetRecord record;
    std::memset(&record, 0, sizeof record);
    setPresetRecordName(record, name);
    for (float& v : record.values)
        v = value;
    return record;
}

uint32_t wordAt(const std::vector<uint8_t>& bytes, size_t at) {
    uint32_t w;
    std::memcpy(&w, bytes.data() + at, 4);
    return w;  // the test machine is little-endian, like the format
}

void putWord(std::vector<uint8_t>& bytes, size_t at, uint32_t w) {
    std::memcpy(bytes.data() + at, &w, 4);
}

void putFloat(std::vector<uint8_t>& bytes, size_t at, float f) {
    std::memcpy(bytes.data() + at, &f, 4);
}

// Offset of the value of the n-th parameter entry (parameters 0, 2..7).
size_t valueOffset(int entry) {
    return 41 + 168 + 32 * static_cast<size_t>(entry) + 24;
}

bool sameRecord(const HRXPresetRecord& a, const HRXPresetRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(PresetContainer, FactoryPresetIsThe433ByteLayout) {
    HRXPresetRecord kick = factoryRecord(15);
    const std::vector<uint8_t> bytes = serializePreset(kick, 7, 125);
    ASSERT_EQ(bytes.size(), kSinglePresetContainerSize);

    const uint8_t header[41] = {'N', 'T', 'V', 'H', 0x22, 0x00, 0x01, 0x00, 0x02,
                                12, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0x88, 0x01, 0, 0,  // 392
                                13, 0, 0, 0, 7, 0, 0, 0, 125, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(bytes.data(), header, sizeof header), 0);

    EXPECT_EQ(wordAt(bytes, 41), 0u);      // name entry
    EXPECT_EQ(wordAt(bytes, 45), 156u);
    EXPECT_EQ(wordAt(bytes, 49), 0u);
    EXPECT_EQ(std::memcmp(bytes.data() + 53, "Kick", 5), 0);
    for (size_t i = 58; i < 41 + 168; ++i)
        ASSERT_EQ(bytes[i], 0) << i;  // rest of the name field, the 0 word and 128 zeros

    const int32_t stored[7] = {0, 2, 3, 4, 5, 6, 7};
    for (int e = 0; e < 7; ++e) {
        const size_t at = 41 + 168 + 32 * static_cast<size_t>(e);
        EXPECT_EQ(wordAt(bytes, at), 1u);
        EXPECT_EQ(wordAt(bytes, at + 4), 20u);
        EXPECT_EQ(wordAt(bytes, at + 8), 0u);
        EXPECT_EQ(wordAt(bytes, at + 12), static_cast<uint32_t>(stored[e]));
        EXPECT_EQ(wordAt(bytes, at + 16), 0u);
        EXPECT_EQ(wordAt(bytes, at + 20), 0u);
        float value;
        std::memcpy(&value, bytes.data() + at + 24, 4);
        EXPECT_EQ(value, kick.values[stored[e]]);
        EXPECT_EQ(wordAt(bytes, at + 28), 0u);
    }

    // Garbage after the name's terminator does not reach the file.
    std::memset(kick.name + 5, 0x77, sizeof kick.name - 5);
    EXPECT_EQ(serializePreset(kick, 7, 125), bytes);
}

TEST(PresetContainer, RoundTripsBitExactInBothByteOrders) {
    std::mt19937 random(1234);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int round = 0; round < 50; ++round) {
        HRXPresetRecord original = filledRecord(0.0f, "Round trip");
        for (float& v : original.values)
            v = unit(random);
        original.values[3] = std::numeric_limits<float>::denorm_min();
        original.values[4] = 1.0f;
        const std::vector<uint8_t> little = serializePreset(original, 0, 100);
        for (const std::vector<uint8_t>& bytes : {little, toBigEndianContainer(little)}) {
            HRXPresetRecord loaded = filledRecord(0.25f, "before");
            ASSERT_TRUE(readPresetContainer(bytes.data(), bytes.size(), loaded));
            EXPECT_STREQ(loaded.name, "Round trip");
            for (int32_t i = 0; i < kPresetRecordValues; ++i) {
                const bool stored = i == 0 || (i >= 2 && i <= 7);
                const float expected = stored ? original.values[i] : 0.25f;
                EXPECT_EQ(std::memcmp(&loaded.values[i], &expected, 4), 0) << i;
            }
            HRXPresetRecord pasted = filledRecord(0.25f, "before");
            ASSERT_EQ(readClipboardContainer(bytes.data(), bytes.size(), pasted),
                      HRXClipboardRead::Accepted);
            EXPECT_TRUE(sameRecord(pasted, loaded));
        }
    }
    const std::vector<uint8_t> big = toBigEndianContainer(serializePreset(factoryRecord(1), 0, 100));
    EXPECT_EQ(std::memcmp(big.data(), "HVTN", 4), 0);
    EXPECT_EQ(big[8], 0x00);  // format word reversed: 02 00 01 00
    EXPECT_EQ(big[5], 0x02);
}

TEST(PresetContainer, OutOfRangeValueFileTakesDefaultClipboardRejectsAll) {
    HRXPresetRecord source = factoryRecord(15);
    std::vector<uint8_t> bytes = serializePreset(source, 0, 100);
    putFloat(bytes, valueOffset(2), 1.5f);  // parameter 3
    putFloat(bytes, valueOffset(0), 0.25f); // parameter 0, before the bad one

    HRXPresetRecord loaded = filledRecord(0.9f, "x");
    ASSERT_TRUE(readPresetContainer(bytes.data(), bytes.size(), loaded));
    EXPECT_EQ(loaded.values[3], 0.5f);
    EXPECT_EQ(loaded.values[0], 0.25f);
    EXPECT_STREQ(loaded.name, "Kick");

    const HRXPresetRecord before = filledRecord(0.9f, "clipboard 10:00:00");
    HRXPresetRecord clipboard = before;
    EXPECT_EQ(readClipboardContainer(bytes.data(), bytes.size(), clipboard), HRXClipboardRead::Accepted);
    EXPECT_TRUE(sameRecord(clipboard, before));

    HRXContainerHeader header;
    bool swapped = true;
    ASSERT_TRUE(readContainerHeader(bytes.data(), bytes.size(), header, swapped));
    EXPECT_FALSE(swapped);
    EXPECT_EQ(parsePresetEntries(bytes.data() + 41, bytes.size() - 41, header, false, clipboard),
              HRXEntryWalk::Rejected);
    EXPECT_TRUE(sameRecord(clipboard, before));
}

TEST(PresetContainer, NotANumberFileTakesDefaultClipboardTakesZero) {
    std::vector<uint8_t> bytes = serializePreset(factoryRecord(23), 0, 100);
    putFloat(bytes, valueOffset(5), std::numeric_limits<float>::quiet_NaN());  // parameter 6
    putFloat(bytes, valueOffset(1), -0.5f);  // parameter 2: file takes the default
    HRXPresetRecord loaded = filledRecord(0.9f, "x");
    ASSERT_TRUE(readPresetContainer(bytes.data(), bytes.size(), loaded));
    EXPECT_EQ(loaded.values[6], 0.15f);
    EXPECT_EQ(loaded.values[2], 0.5f);

    putFloat(bytes, valueOffset(1), 0.75f);
    HRXPresetRecord pasted = filledRecord(0.9f, "x");
    EXPECT_EQ(readClipboardContainer(bytes.data(), bytes.size(), pasted), HRXClipboardRead::Accepted);
    EXPECT_EQ(pasted.values[6], 0.0f);
    EXPECT_EQ(pasted.values[2], 0.75f);
}

TEST(PresetContainer, IndexesAboveElevenAndUnknownTypesAreSkipped) {
    std::vector<uint8_t> bytes = serializePreset(factoryRecord(0), 0, 100);
    putWord(bytes, valueOffset(6) - 12, 12);  // parameter 7's entry now names index 12
    putFloat(bytes, valueOffset(6), 5.0f);    // out of range but ignored for index 12
    putWord(bytes, valueOffset(5) - 24, 9);   // parameter 6's entry becomes type 9
    HRXPresetRecord loaded = filledRecord(0.9f, "x");
    ASSERT_TRUE(readPresetContainer(bytes.data(), bytes.size(), loaded));
    EXPECT_EQ(loaded.values[7], 0.9f);
    EXPECT_EQ(loaded.values[6], 0.9f);
    EXPECT_EQ(loaded.values[5], 0.5f);
    HRXPresetRecord pasted = filledRecord(0.9f, "x");
    EXPECT_EQ(readClipboardContainer(bytes.data(), bytes.size(), pasted), HRXClipboardRead::Accepted);
    EXPECT_TRUE(sameRecord(pasted, loaded));
}

TEST(PresetContainer, TruncatedOrOverclaimingInputLoadsNothing) {
    const std::vector<uint8_t> good = serializePreset(factoryRecord(15), 0, 100);
    const HRXPresetRecord before = filledRecord(0.9f, "untouched");
    for (size_t size = 0; size < good.size(); ++size) {
        std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(size));
        HRXPresetRecord record = before;
        EXPECT_FALSE(readPresetContainer(cut.data(), cut.size(), record)) << size;
        EXPECT_TRUE(sameRecord(record, before)) << size;
        const HRXClipboardRead read = readClipboardContainer(cut.data(), cut.size(), record);
        EXPECT_EQ(read, size < 5 ? HRXClipboardRead::Foreign : HRXClipboardRead::Damaged) << size;
        EXPECT_TRUE(sameRecord(record, before)) << size;
    }

    struct Corruption {
        size_t at;
        uint32_t word;
    };
    const Corruption corruptions[] = {
        {21, 393},          // payload size beyond the bytes present
        {21, 0xffffffffu},
        {13, 9},            // one entry more than present
        {13, 0x7fffffffu},
        {45, 157},          // name entry data running into the next entry... and past the end
        {45, 0xfffffff4u},  // data size that wraps an offset
        {45, 23},           // name entry too small for a name
        {41 + 168 + 4, 15}, // parameter entry too small for its value
        {41 + 168 + 32 * 6 + 4, 21},  // last entry's data past the end
    };
    for (const Corruption& c : corruptions) {
        std::vector<uint8_t> bytes = good;
        putWord(bytes, c.at, c.word);
        HRXPresetRecord record = before;
        EXPECT_FALSE(readPresetContainer(bytes.data(), bytes.size(), record)) << c.at << " " << c.word;
        EXPECT_EQ(readClipboardContainer(bytes.data(), bytes.size(), record), HRXClipboardRead::Damaged)
            << c.at << " " << c.word;
        EXPECT_TRUE(sameRecord(record, before));
    }
    // Fewer entries than present, or a negative count, is within bounds.
    std::vector<uint8_t> bytes = good;
    putWord(bytes, 13, 0xffffffffu);
    HRXPresetRecord record = before;
    EXPECT_TRUE(readPresetContainer(bytes.data(), bytes.size(), record));
    EXPECT_TRUE(sameRecord(record, before));
}

TEST(PresetContainer, MagicAndKindDecide) {
    std::vector<uint8_t> bytes = serializePreset(factoryRecord(15), 0, 100);
    const HRXPresetRecord before = filledRecord(0.9f, "untouched");
    HRXPresetRecord record = before;
    bytes[4] = kContainerKindBank;
    EXPECT_FALSE(readPresetContainer(bytes.data(), bytes.size(), record));
    EXPECT_EQ(readClipboardContainer(bytes.data(), 5, record), HRXClipboardRead::Accepted);
    EXPECT_TRUE(sameRecord(record, before));
    bytes[4] = kContainerKindPreset;
    bytes[0] = 'X';
    EXPECT_FALSE(readPresetContainer(bytes.data(), bytes.size(), record));
    EXPECT_EQ(readClipboardContainer(bytes.data(), bytes.size(), record), HRXClipboardRead::Foreign);
    EXPECT_EQ(readClipboardContainer(nullptr, 0, record), HRXClipboardRead::Foreign);
    EXPECT_TRUE(sameRecord(record, before));
}

TEST(PresetContainer, NameWithoutTerminatorIsCut) {
    std::vector<uint8_t> bytes = serializePreset(factoryRecord(15), 0, 100);
    std::memset(bytes.data() + 53, 'N', 24);
    HRXPresetRecord record = filledRecord(0.9f, "x");
    ASSERT_TRUE(readPresetContainer(bytes.data(), bytes.size(), record));
    EXPECT_EQ(std::string(record.name), std::string(23, 'N'));
    record = filledRecord(0.9f, "x");
    ASSERT_EQ(readClipboardContainer(bytes.data(), bytes.size(), record), HRXClipboardRead::Accepted);
    EXPECT_EQ(std::string(record.name), std::string(23, 'N'));
}

}  // namespace
