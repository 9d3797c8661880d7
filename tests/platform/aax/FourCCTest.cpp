#include <gtest/gtest.h>

#include <cstring>

#include "AAX_Errors.h"
#include "AAX_Exception.h"
#include "AAX_FourCC.h"

TEST(FourCC, FirstCharacterIsMostSignificantAndMemoryReadsBackwards) {
    constexpr AAX_CTypeID code = AAX_FourCC("HVTN");
    static_assert(code == 0x4856544Eu, "first character in the top byte");
    char memory[4];
    std::memcpy(memory, &code, 4);
    EXPECT_EQ(0, std::memcmp(memory, "NTVH", 4));  // little-endian storage
    char text[5];
    AAX_FourCCToString(AAX_FourCC("All "), text);
    EXPECT_STREQ("All ", text);
    EXPECT_EQ(AAX_FourCC("mtcA"), AAX_FourCCFromMemoryBytes("Actm"));
    EXPECT_EQ(0xFF000041u, AAX_FourCC("\xff\0\0A")) << "high-bit characters do not sign-extend";
}

TEST(CheckedResult, ThrowsOnFailureWithCodeInMessage) {
    AAX_CheckedResult result;
    EXPECT_NO_THROW(result = AAX_SUCCESS);
    try {
        result = AAX_ERROR_NULL_OBJECT;
        FAIL() << "no exception";
    } catch (const AAX::Exception::ResultError& error) {
        EXPECT_EQ(AAX_ERROR_NULL_OBJECT, error.Result());
        EXPECT_EQ("AAX error -20004", error.What());
    }
}
