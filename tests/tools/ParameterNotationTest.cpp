// Parameter values in the editor's notation, as --set and --automate read them.
#include "ParameterNotation.h"
#include "velvaTonParameters.h"

#include <gtest/gtest.h>

namespace {

const int32_t kHostParameters[] = {kProcess, kRatio, kAttackRatio, kTime, kCompression, kOutput, kValveLevel};

std::string display(int32_t index, double value) {
    char text[kParameterDisplaySize + 1] = {};
    getParameterDisplay(index, value, text);
    return text;
}

TEST(ParameterNotation, EveryDisplayedValueReadsBackToAValueShowingTheSame) {
    for (int32_t index : kHostParameters) {
        const bool isSwitch = index == kProcess || index == kRatio || index == kAttackRatio || index == kValveLevel;
        for (int i = 0; i <= 1200; ++i) {
            const double v = i / 1200.0;
            const std::string written = formatParameterValue(index, v);
            // A switch is written exactly as the editor shows it; a bare
            // number with its sign, so it cannot read as a normalised value.
            if (isSwitch) {
                const std::string shown = display(index, v);
                EXPECT_EQ(written, shown == "0" ? "+0" : shown) << index;
            }
            double value = -1.0;
            std::string error;
            ASSERT_TRUE(parseParameterValue(index, written, value, error)) << written << ": " << error;
            EXPECT_EQ(display(index, value), display(index, v)) << written;
            // The host holds the value as a float: it must show the same.
            EXPECT_EQ(display(index, static_cast<float>(value)), display(index, v)) << written;
        }
    }
    EXPECT_EQ(formatParameterValue(kTime, 0.55), "5.5/10");
    EXPECT_EQ(formatParameterValue(kCompression, 0.725), "7.25/10");
    EXPECT_EQ(formatParameterValue(kOutput, 0.15), "4.5dB");
}

TEST(ParameterNotation, EditorValuesAndNormalisedValuesApart) {
    const struct {
        int32_t index;
        const char* text;
        const char* shows;
    } cases[] = {
        {kOutput, "12dB", "12.00"},
        {kOutput, "12 db", "12.00"},
        {kTime, "5.5/10", "5.50"},
        {kProcess, "clear", "Clear"},
        {kRatio, "4:1", "4:1"},
        {kRatio, "4.0:1", "4:1"},
        {kAttackRatio, "X2.5", "x2.5"},
        // ValveLevel's positions carry their sign; unsigned numbers are normalised.
        {kValveLevel, "+2", "+2"},
        {kValveLevel, "+0", "0"},
        {kValveLevel, "-1", "-1"},
        {kValveLevel, "0", "-3"},
        {kValveLevel, "1", "+3"},
        {kValveLevel, "0.5", "0"},
        {kRatio, "1", "10:1"},
        {kOutput, "0.4", "12.00"},
        {kProcess, "0", "Off"},
    };
    for (const auto& c : cases) {
        double value = -1.0;
        std::string error;
        ASSERT_TRUE(parseParameterValue(c.index, c.text, value, error)) << c.text << ": " << error;
        EXPECT_EQ(display(c.index, value), c.shows) << c.text;
    }
    double value = -1.0;
    std::string error;
    ASSERT_TRUE(parseParameterValue(kOutput, "0.15000000596046448", value, error));
    EXPECT_EQ(value, 0.15000000596046448);  // a normalised value is taken as it is
}

TEST(ParameterNotation, RefusedValuesNameTheirNeighbours) {
    const struct {
        int32_t index;
        const char* text;
        const char* message;
    } cases[] = {
        {kOutput, "12.3dB", "Output=12.3dB lies between two positions; nearest: 12dB and 12.5dB"},
        {kOutput, "31dB", "Output=31dB is outside 0dB to 30dB; nearest: 30dB"},
        {kOutput, "-1dB", "nearest: 0dB"},
        {kCompression, "7.3/10", "nearest: 7.25/10 and 7.5/10"},
        {kTime, "10.5/10", "nearest: 10/10"},
        {kRatio, "5:1", "nearest: 4:1 and 6:1"},
        {kAttackRatio, "x2", "nearest: x1.6 and x2.5"},
        {kValveLevel, "+4", "ValveLevel=+4 is outside -3 to +3; nearest: +3"},
        {kProcess, "Clean",
         "Process: 'Clean' is not a number from 0 to 1, nor one of its positions: Off, Clear, Valve"},
        {kTime, "5dB", "0/10 to 10/10"},
        {kOutput, "12", "value 12 is outside 0 to 1 (for the editor's number write 12dB)"},
        {kRatio, "nan", "not a number"},
    };
    for (const auto& c : cases) {
        double value = -1.0;
        std::string error;
        EXPECT_FALSE(parseParameterValue(c.index, c.text, value, error)) << c.text;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.text << ": " << error;
        EXPECT_EQ(value, -1.0) << c.text;
    }
}

}  // namespace
