#include "velvaTonParameters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

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

std::string name(int32_t index) {
    char text[kParameterNameSize + 1] = {};
    getParameterName(index, text);
    return text;
}

TEST(ParameterDisplay, SwitchPositionsRoundHalfUp) {
    EXPECT_EQ(display(0, 0.25), "Clear");
    EXPECT_EQ(display(0, 0.24), "Off");
    EXPECT_EQ(display(0, 0.75), "Valve");
    EXPECT_EQ(display(0, 0.0), "Off");
    EXPECT_EQ(display(2, 0.1667), "1.5:1");
    EXPECT_EQ(display(2, 0.0833), "1.2:1");
    EXPECT_EQ(display(2, 1.0), "10:1");
    EXPECT_EQ(display(3, 0.0), "x0.25");
    EXPECT_EQ(display(3, 1.0), "x4");
    EXPECT_EQ(display(7, 0.0), "-3");
    EXPECT_EQ(display(7, 1.0), "+3");
}

TEST(ParameterDisplay, SevenPositionOutsideRangeLeavesBufferAlone) {
    EXPECT_EQ(display(2, 1.2), "untouched");
    EXPECT_EQ(display(3, -0.2), "x0.25");  // trunc(-0.7) is 0
    EXPECT_EQ(display(3, -0.5), "untouched");
    EXPECT_EQ(display(7, 2.0), "untouched");
}

TEST(ParameterDisplay, NumbersAndGainReduction) {
    EXPECT_EQ(display(6, 0.15), "4.50");
    EXPECT_EQ(display(6, 1.0), "30.00");
    EXPECT_EQ(display(4, 1.0), "10.00");
    EXPECT_EQ(display(4, 0.5), "5.00");
    EXPECT_EQ(display(5, 0.0), "0.00");
    EXPECT_EQ(display(5, 0.5), "5.00");
    EXPECT_EQ(display(5, 0.3), "3.00");
    EXPECT_EQ(display(13, 0.0), "-oo");
    EXPECT_EQ(display(13, 0.000099), "-oo");
    EXPECT_EQ(display(13, 1.0), "0.00");
    EXPECT_EQ(display(13, 0.5), "-6.02");
    EXPECT_EQ(display(1, 0.3), "");
    EXPECT_EQ(display(20, 0.3), "");
    EXPECT_EQ(display(-1, 0.3), "");
}

TEST(ParameterDisplay, DefaultsReadAsThePanelShowsThem) {
    const char* expected[8] = {"Valve", "", "3:1", "x1", "5.00", "5.00", "4.50", "0"};
    for (int32_t i = 0; i < 8; ++i)
        EXPECT_EQ(display(i, getParameterDefault(i)), expected[i]) << i;
}

TEST(FormatParameterNumber, RoundsHalfAwayFromZeroAtTheSecondDecimal) {
    EXPECT_EQ(number(0.125f), "0.13");
    EXPECT_EQ(number(-0.125f), "-0.13");
    EXPECT_EQ(number(2.0f), "2.00");
    EXPECT_EQ(number(10.5f), "10.50");
    EXPECT_EQ(number(0.0f), "0.00");
    EXPECT_EQ(number(-3.52f), "-3.52");
    EXPECT_EQ(number(1234567.0f), "1234567.");
}

TEST(FormatParameterNumber, OutOfRangeLeavesTextUntouched) {
    EXPECT_EQ(number(-10000000.0f), "untouched");
    EXPECT_EQ(number(1.0e9f), "untouched");
}

TEST(ParameterTable, StepsDefaultsFlagsAndNames) {
    for (int32_t i = -3; i < kParameterSlots + 3; ++i) {
        const bool host = i == 0 || (i >= 2 && i <= 7);
        EXPECT_EQ(getParameterFlags(i), host ? 0x9u : (i == 13 ? 0x2u : 0u)) << i;
        EXPECT_EQ(getParameterSteps(i), i == 6 ? 300 : (i == 4 || i == 5) ? 100 : 0) << i;
        EXPECT_EQ(getParameterCoarseSteps(i), i == 6 ? 30 : (i == 4 || i == 5) ? 10 : 0) << i;
        EXPECT_EQ(getParameterDefault(i), i == 0 ? 1.0 : i == 6 ? 0.15 : i == 13 ? 0.0 : 0.5) << i;
    }
    EXPECT_EQ(name(1), " ");
    EXPECT_EQ(name(13), "Gain Reduction");
    EXPECT_EQ(name(99), " ");
}

TEST(ParameterTable, IdentifiersAndLookup) {
    EXPECT_STREQ(parameterIdTable[0], "0: Process");
    EXPECT_STREQ(parameterIdTable[4], "4: Time");
    EXPECT_STREQ(parameterIdTable[7], "7: ValveLevel");
    EXPECT_STREQ(parameterIdTable[13], "13: Gain Reduction");
    EXPECT_STREQ(parameterIdTable[1], "1:  ");
    EXPECT_STREQ(parameterIdTable[12], "12:  ");
    EXPECT_STREQ(parameterIdTable[28], "28:  ");
    EXPECT_EQ(findParameterIndex("2: Ratio"), 2);
    EXPECT_EQ(findParameterIndex("13: Gain Reduction"), 13);
    EXPECT_EQ(findParameterIndex("MasterBypassID"), -1);
    EXPECT_EQ(findParameterIndex("Ratio"), -1);
    EXPECT_EQ(findParameterIndex(""), -1);
}

TEST(ParameterTable, DerivedTables) {
    const uint8_t expectedPreset[kPresetValues] = {1, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(presetValueFlags, expectedPreset, sizeof expectedPreset), 0);
    EXPECT_EQ(meterParameterList[0], 13);
    for (int32_t i = 1; i < kMeterListSize; ++i)
        EXPECT_EQ(meterParameterList[i], -1) << i;
}

}  // namespace
