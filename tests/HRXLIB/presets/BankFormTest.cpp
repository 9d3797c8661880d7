#include "HRXPresetContainer.h"

#include "velvaTonFactoryPresets.h"
#include "velvaTonParameters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

namespace {

struct Bank {
    Bank() {
        HRXPresetRecord clipboard;
        buildFactoryBank(records, clipboard);
        templateRecord = records[0];
    }
    HRXPresetRecord records[kBankRecords];
    HRXPresetRecord templateRecord;
};

void putWord(std::vector<uint8_t>& bytes, size_t at, uint32_t w) {
    std::memcpy(bytes.data() + at, &w, 4);
}

void putFloat(std::vector<uint8_t>& bytes, size_t at, float f) {
    std::memcpy(bytes.data() + at, &f, 4);
}

constexpr size_t kRecordBytes = 168 + 7 * 32;

// Offset of the value of parameter entry `entry` of bank record `record`.
size_t valueOffset(int record, int entry) {
    return 41 + kRecordBytes * static_cast<size_t>(record) + 168 + 32 * static_cast<size_t>(entry) + 24;
}

TEST(BankForm, WritesThreeRecordsAndRestoresThem) {
    Bank source;
    std::memcpy(source.records[0].values, source.records[15].values, sizeof source.records[0].values);
    setPresetRecordName(source.records[0], "current setup");
    const std::vector<uint8_t> bytes = serializeBank(source.records, 29, 140);
    ASSERT_EQ(bytes.size(), kBankContainerSize);
    EXPECT_EQ(std::memcmp(bytes.data(), "NTVH\x38", 5), 0);
    uint32_t entryCount, payloadSize, slot;
    std::memcpy(&entryCount, bytes.data() + 13, 4);
    std::memcpy(&payloadSize, bytes.data() + 21, 4);
    std::memcpy(&slot, bytes.data() + 41 + 2 * kRecordBytes + 8, 4);
    EXPECT_EQ(entryCount, 24u);
    EXPECT_EQ(payloadSize, 1176u);
    EXPECT_EQ(slot, 2u);

    Bank target;
    HRXBankRestore result;
    ASSERT_TRUE(restoreBank(bytes.data(), bytes.size(), target.records, target.templateRecord, result));
    EXPECT_EQ(result.auxWord, 29);
    EXPECT_EQ(result.zoomPercent, 140);
    EXPECT_EQ(result.currentProgram, 0);
    // Stored parameters come back; the others are the template's (0.0 in the bank).
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(std::memcmp(&target.records[r], &source.records[r], sizeof target.records[r]), 0) << r;
    EXPECT_STREQ(target.records[0].name, "current setup");
}

TEST(BankForm, SlotsCurrentProgramAndValuesAreClamped) {
    Bank source;
    std::vector<uint8_t> bytes = serializeBank(source.records, 0, 0);
    putWord(bytes, 41 + kRecordBytes * 2 + 8, 43);  // record 2's name entry to slot 43: skipped
    putWord(bytes, 41 + kRecordBytes * 1 + 8, 0xffffffffu);  // negative slot: skipped
    putWord(bytes, 17, 50);                                    // current program 50 -> 0
    putFloat(bytes, valueOffset(0, 0), std::numeric_limits<float>::quiet_NaN());
    putFloat(bytes, valueOffset(0, 1), -0.5f);
    putFloat(bytes, valueOffset(0, 2), 7.0f);
    std::memset(bytes.data() + 41 + kRecordBytes + 12, 0, 24);  // record 1: empty name

    Bank target;
    setPresetRecordName(target.records[1], "old one");
    target.records[2].values[9] = 0.75f;
    HRXBankRestore result;
    result.zoomPercent = 123;
    ASSERT_TRUE(restoreBank(bytes.data(), bytes.size(), target.records, target.templateRecord, result));
    EXPECT_EQ(result.currentProgram, 0);
    EXPECT_EQ(result.zoomPercent, 0);  // not above 0: not taken
    EXPECT_EQ(target.records[0].values[0], 0.0f);
    EXPECT_EQ(target.records[0].values[2], 0.0f);
    EXPECT_EQ(target.records[0].values[3], 1.0f);
    EXPECT_STREQ(target.records[1].name, "old one");  // its name entry had a foreign slot
    EXPECT_EQ(target.records[2].values[9], 0.75f);    // its name entry was skipped: no reset

    putWord(bytes, 17, 0xfffffffeu);  // negative current program
    ASSERT_TRUE(restoreBank(bytes.data(), bytes.size(), target.records, target.templateRecord, result));
    EXPECT_EQ(result.currentProgram, 0);
    putWord(bytes, 17, 2);
    ASSERT_TRUE(restoreBank(bytes.data(), bytes.size(), target.records, target.templateRecord, result));
    EXPECT_EQ(result.currentProgram, 2);
}

TEST(BankForm, EmptyNameResetsToTemplate) {
    Bank source;
    std::vector<uint8_t> bytes = serializeBank(source.records, 0, 100);
    std::memset(bytes.data() + 41 + kRecordBytes + 12, 0, 24);
    Bank target;
    setPresetRecordName(target.records[1], "will be reset");
    target.records[1].values[10] = 0.3f;
    HRXBankRestore result;
    ASSERT_TRUE(restoreBank(bytes.data(), bytes.size(), target.records, target.templateRecord, result));
    EXPECT_STREQ(target.records[1].name, "Default");
    EXPECT_EQ(target.records[1].values[10], 0.0f);
    EXPECT_EQ(target.records[1].values[kRatio], source.records[1].values[kRatio]);
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
        EXPECT_FALSE(restoreBank(good.data(), size, target.records, target.templateRecord, result)) << size;
        EXPECT_EQ(std::memcmp(target.records, pristine.records, sizeof target.records), 0) << size;
        EXPECT_EQ(result.auxWord, -3);
    }
    for (const std::pair<size_t, uint32_t>& c : {std::pair<size_t, uint32_t>{13, 25},
                                                 {13, 0x80000000u},  // negative count
                                                 {21, 1177},
                                                 {41 + 4, 0xfffffff4u},
                                                 {41 + 168 + 4, 3}}) {
        std::vector<uint8_t> bytes = good;
        putWord(bytes, c.first, c.second);
        Bank target;
        HRXBankRestore result;
        EXPECT_FALSE(restoreBank(bytes.data(), bytes.size(), target.records, target.templateRecord, result))
            << c.first;
        EXPECT_EQ(std::memcmp(target.records, pristine.records, sizeof target.records), 0);
    }
}

}  // namespace
