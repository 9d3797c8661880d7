#include "HRXPresetContainer.h"

#include "BigEndianContainer.h"
#include "ContainerBytes.h"
#include "velvaTonParameters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <cmath>
#include <tuple>
#include <string>

namespace {

HRXPresetRecord filledRecord(float value, const char* name) {
    HRXPresetRecord record;
    std::memset(&record, 0, sizeof record);
    setPresetRecordName(record, name);
    for (float& v : record.values)
        v = value;
    return record;
}

// Offset of the value of the n-th parameter entry (parameters 0, 2..7).
size_t valueOffset(int entry) {
    return 41 + 168 + 32 * static_cast<size_t>(entry) + 24;
}

TEST(PresetContainer, FactoryPresetIsThe433ByteLayout) {
    HRXPresetRecord kick = factoryRecord(15);
    const std::vector<uint8_t> bytes = serializePreset(kick, 7, 125);
    ASSERT_EQ(bytes.size(), 433u);

    const uint8_t header[41] = {'N', 'T', 'V', 'H', 0x22, 0x00, 0x01, 0x00, 0x02, 12, 0, 0, 0, 8, 0, 0,
                                0,   0,   0,   0,   0,    0x88, 0x01, 0,    0,  // 392
                                13,  0,   0,   0,   7,    0,    0,    0,    125,  0,  0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(bytes.data(), header, sizeof header), 0);
    EXPECT_EQ(wordAt(bytes, 41), 0u);  // name entry: type, size, slot
    EXPECT_EQ(wordAt(bytes, 45), 156u);
    EXPECT_EQ(wordAt(bytes, 49), 0u);
    EXPECT_EQ(std::memcmp(bytes.data() + 53, "Kick", 5), 0);
    for (size_t i = 58; i < 41 + 168; ++i)
        ASSERT_EQ(bytes[i], 0) << i;  // rest of the name field, the 0 word and 128 zeros

    const uint32_t stored[7] = {0, 2, 3, 4, 5, 6, 7};
    for (size_t e = 0; e < 7; ++e) {  // type 1, size 20, slot 0, index, 0, 0, value, 0
        uint32_t expected[8] = {1, 20, 0, stored[e], 0, 0, 0, 0};
        std::memcpy(&expected[6], &kick.values[stored[e]], 4);
        EXPECT_EQ(std::memcmp(bytes.data() + 41 + 168 + 32 * e, expected, 32), 0) << e;
    }
    // Garbage after the name's terminator does not reach the file.
    std::memset(kick.name + 5, 0x77, sizeof kick.name - 5);
    EXPECT_EQ(serializePreset(kick, 7, 125), bytes);
}

TEST(PresetContainer, RoundTripsBitExactInBothByteOrders) {
    HRXPresetRecord original = filledRecord(0.0f, "Round trip");
    const float stored[7] = {
        0.1f, 1.0f / 3.0f, std::numeric_limits<float>::denorm_min(), 1.0f, std::nextafter(1.0f, 0.0f), 0.0f, 0.133f};
    for (int32_t e = 0; e < 7; ++e)
        original.values[e == 0 ? 0 : e + 1] = stored[e];
    const std::vector<uint8_t> little = serializePreset(original, 0, 100);
    const std::vector<uint8_t> big = toBigEndianContainer(little);
    EXPECT_EQ(std::memcmp(big.data(), "HVTN", 4), 0);
    for (const std::vector<uint8_t>& bytes : {little, big}) {
        HRXPresetRecord loaded = filledRecord(0.25f, "before");
        ASSERT_TRUE(readPresetContainer(bytes.data(), bytes.size(), loaded));
        EXPECT_STREQ(loaded.name, "Round trip");
        for (int32_t i = 0; i < kPresetValues; ++i) {
            const bool isStored = i == 0 || (i >= 2 && i <= 7);
            const float expected = isStored ? original.values[i] : 0.25f;  // spare slots untouched
            EXPECT_EQ(std::memcmp(&loaded.values[i], &expected, 4), 0) << i;
        }
        HRXPresetRecord pasted = filledRecord(0.25f, "before");
        ASSERT_EQ(readClipboardContainer(bytes.data(), bytes.size(), pasted), HRXClipboardRead::Accepted);
        EXPECT_TRUE(sameRecord(pasted, loaded));
    }
}

// A file takes the default for a bad value; the clipboard undoes its whole
// walk for an out-of-range value and takes 0 for a NaN.
TEST(PresetContainer, BadValuesInAFileVersusTheClipboard) {
    std::vector<uint8_t> bytes = serializePreset(factoryRecord(15), 0, 100);
    putFloat(bytes, valueOffset(0), 0.25f);  // parameter 0, before the bad one
    putFloat(bytes, valueOffset(2), 1.5f);   // parameter 3
    HRXPresetRecord loaded = filledRecord(0.9f, "x");
    ASSERT_TRUE(readPresetContainer(bytes.data(), bytes.size(), loaded));
    EXPECT_EQ(loaded.values[3], 0.5f);
    EXPECT_EQ(loaded.values[0], 0.25f);
    EXPECT_STREQ(loaded.name, "Kick");

    const HRXPresetRecord before = filledRecord(0.9f, "clipboard 10:00:00");
    HRXPresetRecord clipboard = before;
    EXPECT_EQ(readClipboardContainer(bytes.data(), bytes.size(), clipboard), HRXClipboardRead::Accepted);
    EXPECT_TRUE(sameRecord(clipboard, before));

    bytes = serializePreset(factoryRecord(23), 0, 100);
    putFloat(bytes, valueOffset(5), std::numeric_limits<float>::quiet_NaN());  // parameter 6
    putFloat(bytes, valueOffset(1), -0.5f);                                    // parameter 2
    loaded = filledRecord(0.9f, "x");
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
        const HRXClipboardRead read = readClipboardContainer(cut.data(), cut.size(), record);
        EXPECT_EQ(read, size < 5 ? HRXClipboardRead::Foreign : HRXClipboardRead::Damaged) << size;
        EXPECT_TRUE(sameRecord(record, before)) << size;
    }
    const std::pair<size_t, uint32_t> corruptions[] = {
        {21, 393},
        {21, 0xffffffffu},  // payload size beyond the bytes present
        {13, 9},
        {13, 0x7fffffffu},  // more entries than present
        {45, 157},
        {45, 0xfffffff4u},            // name data past the next entry / wrapping an offset
        {45, 23},                     // name entry too small for a name
        {41 + 168 + 4, 15},           // parameter entry too small for its value
        {41 + 168 + 32 * 6 + 4, 21},  // last entry's data past the end
    };
    for (const auto& [at, word] : corruptions) {
        std::vector<uint8_t> bytes = good;
        putWord(bytes, at, word);
        HRXPresetRecord record = before;
        EXPECT_FALSE(readPresetContainer(bytes.data(), bytes.size(), record)) << at << " " << word;
        EXPECT_EQ(readClipboardContainer(bytes.data(), bytes.size(), record), HRXClipboardRead::Damaged) << at;
        EXPECT_TRUE(sameRecord(record, before));
    }
    // A negative entry count is within bounds: nothing to walk.
    std::vector<uint8_t> bytes = good;
    putWord(bytes, 13, 0xffffffffu);
    HRXPresetRecord record = before;
    EXPECT_TRUE(readPresetContainer(bytes.data(), bytes.size(), record));
    EXPECT_TRUE(sameRecord(record, before));
}

TEST(PresetContainer, MagicKindAndUnterminatedName) {
    std::vector<uint8_t> bytes = serializePreset(factoryRecord(15), 0, 100);
    const HRXPresetRecord before = filledRecord(0.9f, "untouched");
    HRXPresetRecord record = before;
    bytes[4] = kContainerKindBank;
    EXPECT_FALSE(readPresetContainer(bytes.data(), bytes.size(), record));
    EXPECT_EQ(readClipboardContainer(bytes.data(), 5, record), HRXClipboardRead::Accepted);
    bytes[4] = kContainerKindPreset;
    bytes[0] = 'X';
    EXPECT_FALSE(readPresetContainer(bytes.data(), bytes.size(), record));
    EXPECT_EQ(readClipboardContainer(bytes.data(), bytes.size(), record), HRXClipboardRead::Foreign);
    EXPECT_EQ(readClipboardContainer(nullptr, 0, record), HRXClipboardRead::Foreign);
    EXPECT_TRUE(sameRecord(record, before));

    bytes[0] = 'N';
    std::memset(bytes.data() + 53, 'N', 24);  // name without terminator: cut to 23
    ASSERT_TRUE(readPresetContainer(bytes.data(), bytes.size(), record));
    EXPECT_EQ(std::string(record.name), std::string(23, 'N'));
    record = before;
    ASSERT_EQ(readClipboardContainer(bytes.data(), bytes.size(), record), HRXClipboardRead::Accepted);
    EXPECT_EQ(std::string(record.name), std::string(23, 'N'));
}

struct Bank {
    Bank() {
        HRXPresetRecord clipboard;
        buildFactoryBank(records, clipboard);
        templateRecord = records[0];
    }
    bool restore(const std::vector<uint8_t>& bytes, HRXBankRestore& result, size_t size = SIZE_MAX) {
        return restoreBank(bytes.data(), std::min(size, bytes.size()), records, templateRecord, result);
    }
    HRXPresetRecord records[kBankRecords];
    HRXPresetRecord templateRecord;
};

constexpr size_t kRecordBytes = 168 + 7 * 32;

size_t recordOffset(int record) {
    return 41 + kRecordBytes * static_cast<size_t>(record);
}

TEST(BankForm, WritesThreeRecordsAndRestoresThem) {
    Bank source;
    std::memcpy(source.records[0].values, source.records[15].values, sizeof source.records[0].values);
    setPresetRecordName(source.records[0], "current setup");
    const std::vector<uint8_t> bytes = serializeBank(source.records, 29, 140);
    ASSERT_EQ(bytes.size(), 1217u);
    EXPECT_EQ(std::memcmp(bytes.data(), "NTVH\x38", 5), 0);
    EXPECT_EQ(wordAt(bytes, 13), 24u);                  // entries
    EXPECT_EQ(wordAt(bytes, 21), 1176u);                // payload
    EXPECT_EQ(wordAt(bytes, recordOffset(2) + 8), 2u);  // slot of the third name entry

    Bank target;
    HRXBankRestore result;
    ASSERT_TRUE(target.restore(bytes, result));
    EXPECT_EQ(result.auxWord, 29);
    EXPECT_EQ(result.zoomPercent, 140);
    EXPECT_EQ(result.currentProgram, 0);
    // Stored parameters come back; the others are the template's (0.0 in the bank).
    for (int r = 0; r < 3; ++r)
        EXPECT_TRUE(sameRecord(target.records[r], source.records[r])) << r;
}

TEST(BankForm, SlotsNamesCurrentProgramAndValuesAreClamped) {
    Bank source;
    std::vector<uint8_t> bytes = serializeBank(source.records, 0, 0);
    putFloat(bytes, recordOffset(0) + 168 + 24, std::numeric_limits<float>::quiet_NaN());
    putFloat(bytes, recordOffset(0) + 168 + 32 + 24, -0.5f);
    putFloat(bytes, recordOffset(0) + 168 + 64 + 24, 7.0f);
    std::memset(bytes.data() + recordOffset(1) + 12, 0, 24);  // record 1: empty name
    // Current program 50 and a negative one become 0; the name entry of
    // record 2 names a foreign slot and is skipped.
    const std::tuple<uint32_t, uint32_t, int32_t> cases[] = {
        {43u, 50u, 0}, {0xffffffffu, 0xfffffffeu, 0}, {43u, 2u, 2}};
    for (const auto& [foreignSlot, program, expectedProgram] : cases) {
        putWord(bytes, recordOffset(2) + 8, foreignSlot);
        putWord(bytes, 17, program);
        Bank target;
        setPresetRecordName(target.records[1], "will be reset");
        target.records[1].values[10] = 0.3f;
        target.records[2].values[9] = 0.75f;
        HRXBankRestore result;
        result.zoomPercent = 123;
        ASSERT_TRUE(target.restore(bytes, result));
        EXPECT_EQ(result.currentProgram, expectedProgram);
        EXPECT_EQ(result.zoomPercent, 0);  // not above 0: not taken
        EXPECT_EQ(target.records[0].values[0], 0.0f);
        EXPECT_EQ(target.records[0].values[2], 0.0f);
        EXPECT_EQ(target.records[0].values[3], 1.0f);
        EXPECT_STREQ(target.records[1].name, "Default");  // an empty name resets to the template
        EXPECT_EQ(target.records[1].values[10], 0.0f);
        EXPECT_EQ(target.records[1].values[kRatio], source.records[1].values[kRatio]);
        EXPECT_EQ(target.records[2].values[9], 0.75f);  // name entry skipped: no reset
    }
}

TEST(BankForm, ContainerRunningPastItsEndRestoresNothing) {
    Bank source;
    setPresetRecordName(source.records[0], "from the chunk");
    const std::vector<uint8_t> good = serializeBank(source.records, 5, 150);
    const Bank pristine;
    for (size_t size = 0; size < good.size(); ++size) {
        Bank target;
        HRXBankRestore result;
        result.auxWord = -3;
        EXPECT_FALSE(target.restore(good, result, size)) << size;
        EXPECT_EQ(std::memcmp(target.records, pristine.records, sizeof target.records), 0) << size;
        EXPECT_EQ(result.auxWord, -3);
    }
    const std::pair<size_t, uint32_t> corruptions[] = {
        {13, 25}, {13, 0x80000000u}, {21, 1177}, {41 + 4, 0xfffffff4u}, {41 + 168 + 4, 3}};
    for (const auto& [at, word] : corruptions) {
        std::vector<uint8_t> bytes = good;
        putWord(bytes, at, word);
        Bank target;
        HRXBankRestore result;
        EXPECT_FALSE(target.restore(bytes, result)) << at;
        EXPECT_EQ(std::memcmp(target.records, pristine.records, sizeof target.records), 0);
    }
}

}  // namespace
