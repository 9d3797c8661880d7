#include "CHRXBitmap.h"
#include "CHRXBitmapWrapper.h"
#include "HRXBitmapAutoReleaseHandler.h"
#include "HRXEmbeddedImages.h"
#include "HRXLibraryResources.h"
#include "HRXResourceIds.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

struct ImageSize {
    uint32_t id;
    double width;   // logical units
    double height;
};

// Every embedded image with the logical size the editor lays it out by.
constexpr ImageSize kImages[] = {
    {11128, 400, 275}, {12129, 106, 234}, {12130, 31, 217},  {12139, 31, 217},  {12151, 100, 43},
    {12152, 113, 46},  {12153, 100, 43},  {12171, 798, 684}, {12173, 570, 570}, {12177, 912, 912},
    {12181, 70, 490},  {12200, 400, 275}, {90001, 120, 120},
};

uint32_t bigEndian32(const uint8_t* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

} // namespace

TEST(EmbeddedImages, EveryIdHoldsAnRgbaPngAtTwiceItsLogicalSize)
{
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
    }
    HRXEmbeddedImage none;
    EXPECT_FALSE(findEmbeddedImage(12345, none));
    EXPECT_EQ(none.data, nullptr);
    EXPECT_EQ(none.size, 0u);
}

TEST(LibraryBitmaps, AnswerTheLogicalSizeOfEveryImage)
{
    for (const ImageSize& image : kImages) {
        SCOPED_TRACE(image.id);
        HRXBitmap* bitmap = getLibraryBitmap(image.id);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_DOUBLE_EQ(bitmap->getWidth(), image.width);
        EXPECT_DOUBLE_EQ(bitmap->getHeight(), image.height);
    }
    EXPECT_EQ(getLibraryBitmap(12345), nullptr);
    EXPECT_EQ(getLibraryBitmap(kHRXNoBitmap), nullptr);
}

TEST(LibraryBitmaps, RememberAndForgetLeaveThemAlive)
{
    HRXBitmap* time = getLibraryBitmap(kHRXBitmapTimeKnob);
    ASSERT_NE(time, nullptr);
    time->forget();
    time->forget();
    time->remember();
    EXPECT_DOUBLE_EQ(time->getWidth(), 570.0);
}

TEST(BitmapWrapper, EmptyWrapperHasNoBitmapAndSizeZero)
{
    Brackenworks::CHRXBitmapWrapper empty(kHRXNoBitmap);
    EXPECT_EQ(empty.getBitmap(), nullptr);
    EXPECT_DOUBLE_EQ(empty.getWidth(), 0.0);
    EXPECT_DOUBLE_EQ(empty.getHeight(), 0.0);
    EXPECT_EQ(empty.createPixelAccess(), nullptr);
}

TEST(BitmapWrapper, AnIdWithoutAnImageGivesABlank400By350PixelBitmap)
{
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

TEST(BitmapWrapper, DecodesOnceOnFirstUse)
{
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

TEST(BitmapWrapper, PixelAccessReadsTheStoredPixels)
{
    Brackenworks::CHRXBitmapWrapper wrapper(kHRXBitmapTimeKnob);
    std::unique_ptr<HRXBitmapPixelAcces> access(wrapper.createPixelAccess());
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->getBitmapWidth(), 1140u);
    EXPECT_EQ(access->getBitmapHeight(), 1140u);
    // The corner of a frame is clear, its centre is the knob.
    uint8_t r, g, b, a;
    ASSERT_TRUE(access->setPosition(1, 1));
    access->getColor(r, g, b, a);
    EXPECT_EQ(a, 0);
    ASSERT_TRUE(access->setPosition(114, 114));
    access->getColor(r, g, b, a);
    EXPECT_EQ(a, 255);
}

TEST(LibraryFonts, FacesSizesAndStylesOfTheTable)
{
    struct Expected {
        HRXFont* font;
        const char* name;
        double size;
    };
    const Expected fonts[] = {
        {getFontArial12(), "Arial", 12.0},    {getFontArial10(), "Arial", 10.0},
        {getFontArial10Info(), "Arial", 10.0}, {getFontArial14(), "Arial", 14.0},
        {getFontComic32(), "Comic Sans MS", 32.0},
    };
    for (const Expected& e : fonts) {
        ASSERT_NE(e.font, nullptr);
        EXPECT_STREQ(e.font->getName(), e.name);
        EXPECT_DOUBLE_EQ(e.font->getSize(), e.size);
        EXPECT_EQ(e.font->getStyle(), 0);
    }
    EXPECT_NE(getFontArial10(), getFontArial10Info());
}

namespace {

struct CountedResource : HRXResource {
    explicit CountedResource(int* deletions) : deletions_(deletions) {}
    ~CountedResource() override { ++*deletions_; }
    int* deletions_;
};

} // namespace

TEST(BitmapAutoReleaseHandler, DeletesWhatItHolds)
{
    int deletions = 0;
    {
        HRXBitmapAutoReleaseHandler handler(new CountedResource(&deletions));
        EXPECT_NE(handler.get(), nullptr);
        EXPECT_EQ(deletions, 0);
    }
    EXPECT_EQ(deletions, 1);
}
