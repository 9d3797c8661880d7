#include <gtest/gtest.h>

#include <limits>

#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"

TEST(LinearTaper, MapsRangeAndClampsWithOrWithoutRounding) {
    const AAX_CLinearTaperDelegate<float, 0> exact(-10.0f, 30.0f);
    EXPECT_FLOAT_EQ(0.0f, exact.NormalizedToReal(0.25));
    EXPECT_FLOAT_EQ(30.0f, exact.NormalizedToReal(7.0));
    EXPECT_FLOAT_EQ(-10.0f, exact.NormalizedToReal(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_DOUBLE_EQ(0.25, exact.RealToNormalized(0.0f));
    EXPECT_DOUBLE_EQ(1.0, exact.RealToNormalized(99.0f));
    EXPECT_EQ(0.123456789f, (AAX_CLinearTaperDelegate<float, 0>(0.0f, 1.0f).NormalizedToReal(0.123456789)))
        << "precision 0 keeps every digit";
    EXPECT_EQ(0.123f, AAX_CLinearTaperDelegate<float>(0.0f, 1.0f).NormalizedToReal(0.123456789))
        << "default precision rounds to 1/1000";
    EXPECT_EQ(0.0, (AAX_CLinearTaperDelegate<double, 0>(2.0, 2.0).RealToNormalized(2.0)))
        << "an empty range does not divide by zero";
}

TEST(NumberDisplay, PrecisionSpacingAndLengthLimit) {
    const AAX_CNumberDisplayDelegate<float, 2, 0> two;
    AAX_CString text;
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
