#include "CHRXBitmap.h"
#include "CHRXBitmapWrapper.h"
#include "HRXEmbeddedImages.h"
#include "HRXLibraryResources.h"
#include "HRXResourceIds.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

struct ImageSize {
    uint32_t id;
    double width;  // logical units
    double height;
};

// Every embedded image with the logical size the editor lays it out by.
constexpr ImageSize kImages[] = {
    {11128, 400, 275}, {12129, 106, 234}, {12130, 31, 217},  {12139, 31, 217},  {12151, 100, 43},
    {12152, 113, 46},  {12153, 100, 43},  {12171, 798, 684}, {12173, 570, 570}, {12177, 912, 912},
    {12181, 70, 490},  {12200, 400, 275}, {90001, 120, 120},
};

uint32_t bigEndian32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

}  // namespace

TEST(EmbeddedImages, EveryIdHoldsAnRgbaPngAtTwiceTheLogicalSizeOfItsBitmap) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (const ImageSize& image : kImages) {
        SCOPED_TRACE(image.id);
        HRXEmbeddedImage png;
        ASSERT_TRUE(findEmbeddedImage(image.id, png));
        ASSERT_GT(png.size, 33u);
        EXPECT_EQ(std::memcmp(png.data, kSignature, 8), 0);
        EXPECT_EQ(std::memcmp(png.data + 12, "IHDR", 4), 0);
        EXPECT_EQ(bigEndian32(png.data + 16), uint32_t(image.width * 2));
        EXPECT_EQ(bigEndian32(png.data + 20), uint32_t(image.height * 2));
        EXPECT_EQ(png.data[24], 8);  // bits per channel
        EXPECT_EQ(png.data[25], 6);  // colour type: RGBA
        EXPECT_EQ(std::memcmp(png.data + png.size - 8, "IEND", 4), 0);

        HRXBitmap* bitmap = getLibraryBitmap(image.id);
        ASSERT_NE(bitmap, nullptr);
        // Library bitmaps live as long as the library: forget does not free them.
        bitmap->forget();
        bitmap->forget();
        bitmap->remember();
        EXPECT_DOUBLE_EQ(bitmap->getWidth(), image.width);
        EXPECT_DOUBLE_EQ(bitmap->getHeight(), image.height);
    }
    HRXEmbeddedImage none;
    EXPECT_FALSE(findEmbeddedImage(12345, none));
    EXPECT_EQ(none.data, nullptr);
    EXPECT_EQ(none.size, 0u);
    EXPECT_EQ(getLibraryBitmap(12345), nullptr);
    EXPECT_EQ(getLibraryBitmap(kHRXNoBitmap), nullptr);
}

TEST(BitmapWrapper, EmptyWrapperHasSizeZeroAndAnAbsentIdABlankImage) {
    Brackenworks::CHRXBitmapWrapper empty(kHRXNoBitmap);
    EXPECT_EQ(empty.getBitmap(), nullptr);
    EXPECT_DOUBLE_EQ(empty.getWidth(), 0.0);
    EXPECT_DOUBLE_EQ(empty.getHeight(), 0.0);
    EXPECT_EQ(empty.createPixelAccess(), nullptr);

    // An id without an image gives a blank 400 x 350-pixel bitmap.
    Brackenworks::CHRXBitmapWrapper absent(4242);
    ASSERT_NE(absent.getBitmap(), nullptr);
    EXPECT_DOUBLE_EQ(absent.getWidth(), 200.0);
    EXPECT_DOUBLE_EQ(absent.getHeight(), 175.0);
    std::unique_ptr<HRXBitmapPixelAcces> access(absent.createPixelAccess());
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->getBitmapWidth(), 400u);
    EXPECT_EQ(access->getBitmapHeight(), 350u);
    uint8_t r = 1, g = 1, b = 1, a = 1;
    ASSERT_TRUE(access->setPosition(399, 349));
    access->getColor(r, g, b, a);
    EXPECT_EQ(a, 0);
    EXPECT_FALSE(access->setPosition(400, 0));
}

TEST(BitmapWrapper, DecodesOnceOnFirstUse) {
    Brackenworks::CHRXBitmapWrapper wrapper(kHRXBitmapTimeKnob);
    Brackenworks::CHRXBitmap* bitmap = wrapper.getBitmap();
    ASSERT_NE(bitmap, nullptr);
    EXPECT_FALSE(bitmap->isLoadAttempted());
    EXPECT_EQ(bitmap->getNumPlatformBitmaps(), 0u);

    EXPECT_DOUBLE_EQ(wrapper.getWidth(), 570.0);
    EXPECT_TRUE(bitmap->isLoadAttempted());
    ASSERT_EQ(bitmap->getNumPlatformBitmaps(), 1u);
    VSTGUI::PlatformBitmap* decoded = bitmap->getPlatformBitmap();
    EXPECT_DOUBLE_EQ(decoded->getScaleFactor(), 2.0);

    EXPECT_DOUBLE_EQ(wrapper.getHeight(), 570.0);
    EXPECT_DOUBLE_EQ(wrapper.getWidth(), 570.0);
    EXPECT_EQ(bitmap->getNumPlatformBitmaps(), 1u);
    EXPECT_EQ(bitmap->getPlatformBitmap(), decoded);
}
