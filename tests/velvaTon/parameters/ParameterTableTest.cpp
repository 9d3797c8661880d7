#include "velvaTonParameters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

namespace {

std::string display(int32_t index, double value) {
    char text[kParameterDisplaySize] = "untouched";
    getParameterDisplay(index, value, text);
    return text;
}

std::string number(float value) {
    char text[kParameterDisplaySize] = "untouched";
    formatParameterNumber(value, text);
    return text;
}

TEST(ParameterDisplay, ExactTexts) {
    const struct {
        int32_t index;
        double value;
        const char* text;
    } cases[] = {
        // Switch positions round half up.
        {0, 0.25, "Clear"},
        {0, 0.24, "Off"},
        {0, 0.75, "Valve"},
        {0, 0.0, "Off"},
        {2, 0.1667, "1.5:1"},
        {2, 0.0833, "1.2:1"},
        {2, 1.0, "10:1"},
        {3, 0.0, "x0.25"},
        {3, 1.0, "x4"},
        {7, 0.0, "-3"},
        {7, 1.0, "+3"},
        // Outside the seven positions the buffer is left alone; trunc(-0.7) is 0.
        {2, 1.2, "untouched"},
        {3, -0.2, "x0.25"},
        {3, -0.5, "untouched"},
        {7, 2.0, "untouched"},
        {6, 0.15, "4.50"},
        {6, 1.0, "30.00"},
        {4, 1.0, "10.00"},
        {4, 0.5, "5.00"},
        {5, 0.0, "0.00"},
        {5, 0.5, "5.00"},
        {5, 0.3, "3.00"},
        {13, 0.0, "-oo"},
        {13, 0.000099, "-oo"},
        {13, 1.0, "0.00"},
        {13, 0.5, "-6.02"},
        {1, 0.3, ""},
        {20, 0.3, ""},
        {-1, 0.3, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(display(c.index, c.value), c.text) << c.index << " at " << c.value;

    const char* defaults[8] = {"Valve", "", "3:1", "x1", "5.00", "5.00", "4.50", "0"};
    for (int32_t i = 0; i < 8; ++i)
        EXPECT_EQ(display(i, getParameterDefault(i)), defaults[i]) << i;
}

TEST(FormatParameterNumber, RoundsHalfAwayFromZeroAndRefusesOutOfRange) {
    const struct {
        float value;
        const char* text;
    } cases[] = {{0.125f, "0.13"},     {-0.125f, "-0.13"}, {2.0f, "2.00"},           {10.5f, "10.50"},
                 {0.0f, "0.00"},       {-3.52f, "-3.52"},  {1234567.0f, "1234567."}, {-10000000.0f, "untouched"},
                 {1.0e9f, "untouched"}};
    for (const auto& c : cases)
        EXPECT_EQ(number(c.value), c.text) << c.value;
}

TEST(ParameterTable, IdentifiersLookupAndDerivedTables) {
    const std::pair<int, const char*> ids[] = {
        {0, "0: Process"}, {4, "4: Time"}, {7, "7: ValveLevel"}, {13, "13: Gain Reduction"},
        {1, "1:  "},       {12, "12:  "},  {28, "28:  "}};
    for (const auto& [index, id] : ids)
        EXPECT_STREQ(parameterIdTable[index], id);
    EXPECT_EQ(findParameterIndex("2: Ratio"), 2);
    EXPECT_EQ(findParameterIndex("13: Gain Reduction"), 13);
    for (const char* unknown : {"MasterBypassID", "Ratio", ""})
        EXPECT_EQ(findParameterIndex(unknown), -1) << unknown;

    const uint8_t expectedPreset[kPresetValues] = {1, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(presetValueFlags, expectedPreset, sizeof expectedPreset), 0);
    EXPECT_EQ(meterParameterList[0], 13);
    for (int32_t i = 1; i < kMeterListSize; ++i)
        EXPECT_EQ(meterParameterList[i], -1) << i;
}

}  // namespace
