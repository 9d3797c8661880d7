#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"

TEST(LinearTaper, MapsRangeAndClampsWithOrWithoutRounding) {
    const AAX_CLinearTaperDelegate<float, 0> exact(-10.0f, 30.0f);
    EXPECT_FLOAT_EQ(-10.0f, exact.NormalizedToReal(0.0));
    EXPECT_FLOAT_EQ(30.0f, exact.NormalizedToReal(1.0));
    EXPECT_FLOAT_EQ(0.0f, exact.NormalizedToReal(0.25));
    EXPECT_FLOAT_EQ(30.0f, exact.NormalizedToReal(7.0));
    EXPECT_FLOAT_EQ(-10.0f, exact.NormalizedToReal(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_DOUBLE_EQ(0.25, exact.RealToNormalized(0.0f));
    EXPECT_DOUBLE_EQ(1.0, exact.RealToNormalized(99.0f));

    const AAX_CLinearTaperDelegate<float, 0> unit(0.0f, 1.0f);
    EXPECT_EQ(0.123456789f, unit.NormalizedToReal(0.123456789)) << "precision 0 keeps every digit";
    const AAX_CLinearTaperDelegate<float> rounded(0.0f, 1.0f);
    EXPECT_EQ(0.123f, rounded.NormalizedToReal(0.123456789)) << "default precision rounds to 1/1000";

    const AAX_CLinearTaperDelegate<double, 0> flat(2.0, 2.0);
    EXPECT_EQ(0.0, flat.RealToNormalized(2.0)) << "an empty range does not divide by zero";
}

TEST(BinaryTaperAndDisplay, MasterBypassStyle) {
    const AAX_CBinaryTaperDelegate<bool> taper;
    EXPECT_FALSE(taper.NormalizedToReal(0.0));
    EXPECT_FALSE(taper.NormalizedToReal(0.49));
    EXPECT_TRUE(taper.NormalizedToReal(0.5));
    EXPECT_TRUE(taper.NormalizedToReal(1.0));
    EXPECT_EQ(1.0, taper.RealToNormalized(true));
    EXPECT_EQ(0.0, taper.RealToNormalized(false));

    const AAX_CBinaryDisplayDelegate<bool> display("bypass", "on");
    AAX_CString text;
    ASSERT_TRUE(display.ValueToString(false, &text));
    EXPECT_STREQ("bypass", text.Get());
    ASSERT_TRUE(display.ValueToString(true, 2, &text));
    EXPECT_STREQ("on", text.Get());
    ASSERT_TRUE(display.ValueToString(false, 3, &text));
    EXPECT_STREQ("byp", text.Get());
    bool value = false;
    EXPECT_TRUE(display.StringToValue(AAX_CString("on"), &value));
    EXPECT_TRUE(value);
    EXPECT_FALSE(display.StringToValue(AAX_CString("On"), &value));
}

TEST(NumberDisplay, PrecisionSpacingAndLengthLimit) {
    const AAX_CNumberDisplayDelegate<float, 2, 0> two;
    AAX_CString text;
    two.ValueToString(4.5f, &text);
    EXPECT_STREQ("4.50", text.Get());
    two.ValueToString(12.345f, 4, &text);
    EXPECT_STREQ("12.3", text.Get()) << "decimals dropped before cutting";
    two.ValueToString(12345.0f, 3, &text);
    EXPECT_STREQ("123", text.Get()) << "cut when no precision fits";
    two.ValueToString(1.0f, 0, &text);
    EXPECT_STREQ("", text.Get());

    const AAX_CNumberDisplayDelegate<double, 1, 2> spaced;
    spaced.ValueToString(-0.25, &text);
    EXPECT_STREQ("-0.2  ", text.Get());

    float value = 0.0f;
    EXPECT_TRUE(two.StringToValue(AAX_CString(" 3.25 "), &value));
    EXPECT_EQ(3.25f, value);
    EXPECT_FALSE(two.StringToValue(AAX_CString("3.25dB"), &value));
    EXPECT_FALSE(two.StringToValue(AAX_CString(""), &value));
}
