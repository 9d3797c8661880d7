#include "velvaTonFactoryPresets.h"

#include "velvaTonParameters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr double kSentinel = -7.0;

struct Lookup {
    std::string name;
    double values[kPresetValues];
    HRXPresetPlacement placement;
};

Lookup lookup(int32_t slot) {
    Lookup result;
    for (double& v : result.values)
        v = kSentinel;
    result.placement = {-1, -1};
    char name[kPresetNameSize + 1] = {};  // one spare byte keeps it terminated
    getFactoryPreset(slot, result.values, name, &result.placement);
    result.name = name;
    return result;
}

TEST(FactoryPresets, WritesOnlyTheParametersAPresetSets) {
    const Lookup vox = lookup(23);
    const double expected[kPresetValues] = {0.5, kSentinel, 0.5,       0.5,       0.35,      0.5,
                                            0.1, 0.5,       kSentinel, kSentinel, kSentinel, kSentinel};
    for (int32_t i = 0; i < kPresetValues; ++i)
        EXPECT_EQ(vox.values[i], expected[i]) << i;

    // The stepped ratio positions are the four-digit decimals, not sixths.
    EXPECT_EQ(lookup(2).values[kRatio], 0.1667);
    EXPECT_EQ(lookup(30).values[kRatio], 0.8333);
    getFactoryPreset(5, nullptr, nullptr, nullptr);  // null outputs are simply not written
}

TEST(FactoryBank, BuildsFortyThreeRecordsAndTheClipboard) {
    HRXPresetRecord bank[kFactoryPresetSlots];
    std::memset(bank, 0x5a, sizeof bank);
    HRXPresetRecord clipboard;
    std::memset(&clipboard, 0x5a, sizeof clipboard);
    ::testing::internal::CaptureStderr();
    buildFactoryBank(bank, clipboard);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");  // every factory name fits

    const float defaultValues[kPresetValues] = {1.0f,  0.0f, 0.5f, 0.5f, 0.5f, 0.5f,
                                                0.15f, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f};
    EXPECT_STREQ(bank[0].name, "Default");
    EXPECT_STREQ(bank[32].name, "Default");
    EXPECT_EQ(std::memcmp(bank[0].values, defaultValues, sizeof defaultValues), 0);
    EXPECT_EQ(std::memcmp(&bank[0], &bank[32], sizeof bank[0]), 0);
    EXPECT_EQ(std::memcmp(&clipboard, &bank[0], sizeof clipboard), 0);

    EXPECT_EQ(bank[15].values[kOutput], 0.133f);  // "Kick"
    for (int32_t slot = 33; slot < kFactoryPresetSlots; ++slot) {
        EXPECT_STREQ(bank[slot].name, "Init");
        for (int32_t i = 0; i < kPresetValues; ++i)
            EXPECT_EQ(bank[slot].values[i], static_cast<float>(getParameterDefault(i)));
    }
    // Name fields are zero after the terminator, so records compare as bytes.
    for (const HRXPresetRecord& record : bank) {
        for (size_t i = std::strlen(record.name); i < sizeof record.name; ++i)
            ASSERT_EQ(record.name[i], '\0') << record.name;
    }
}

TEST(FactoryBank, NameOfTwentyThreeFitsAndLongerIsCutWithAWarning) {
    HRXPresetRecord record{};
    ::testing::internal::CaptureStderr();
    storeFactoryName(record, "ABCDEFGHIJKLMNOPQRSTUVW", stderr);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_STREQ(record.name, "ABCDEFGHIJKLMNOPQRSTUVW");

    // A 24-character name fills a 24-byte buffer with no terminator.
    char full[kPresetNameSize];
    std::memcpy(full, "ABCDEFGHIJKLMNOPQRSTUVWX", kPresetNameSize);
    ::testing::internal::CaptureStderr();
    storeFactoryName(record, full, stderr);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "\n*********************************************************\n"
              "WARNING: preset name is too long!\n24 chars\n***  ABCDEFGHIJKLMNOPQRSTUVWX ***\n"
              "*********************************************************\n");
    EXPECT_STREQ(record.name, "ABCDEFGHIJKLMNOPQRSTUVW");

    storeFactoryName(record, "Kick", nullptr);
    EXPECT_EQ(std::memcmp(record.name, "Kick\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 24), 0);
}

}  // namespace
