#include "ToolkitTestSupport.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using toolkit_test::bitmapPixel;
using toolkit_test::makePng;

TEST(PlatformBitmap, DecodesPngFromMemoryWithItsPixelsAndLogicalSize) {
    // Quadrants red, green / blue, half-transparent yellow.
    auto png = makePng(8, 6, [](int x, int y) {
        if (y < 3)
            return x < 4 ? CColor(255, 0, 0, 255) : CColor(0, 255, 0, 255);
        return x < 4 ? CColor(0, 0, 255, 255) : CColor(255, 255, 0, 128);
    });
    SharedPointer<PlatformBitmap> pixels = PlatformBitmap::createFromMemory(png.data(), png.size());
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->getWidth(), 8);
    EXPECT_EQ(pixels->getHeight(), 6);
    pixels->setScaleFactor(2.0);

    auto* bitmap = new CBitmap();
    ASSERT_TRUE(bitmap->addBitmap(pixels));
    EXPECT_DOUBLE_EQ(bitmap->getWidth(), 4.0);
    EXPECT_DOUBLE_EQ(bitmap->getHeight(), 3.0);
    const CColor c = bitmapPixel(bitmap, 7, 5);
    EXPECT_EQ(c.alpha, 128);
    EXPECT_NEAR(c.red, 255, 2);
    EXPECT_NEAR(c.green, 255, 2);
    EXPECT_EQ(c.blue, 0);
    EXPECT_EQ(bitmapPixel(bitmap, 4, 0), CColor(0, 255, 0, 255));

    CBitmapPixelAccess* access = CBitmapPixelAccess::create(bitmap);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->getBitmapWidth(), 8u);
    EXPECT_FALSE(access->setPosition(8, 0));
    EXPECT_FALSE(access->setPosition(0, 6));
    // Colours written straight come back straight.
    ASSERT_TRUE(access->setPosition(2, 1));
    access->setColor(CColor(200, 100, 50, 128));
    CColor back;
    access->getColor(back);
    EXPECT_NEAR(back.red, 200, 2);
    EXPECT_NEAR(back.green, 100, 2);
    EXPECT_NEAR(back.blue, 50, 2);
    EXPECT_EQ(back.alpha, 128);
    access->forget();
    bitmap->forget();
}

TEST(PlatformBitmap, RefusesBytesThatAreNotACompletePng) {
    auto png = makePng(4, 4, [](int, int) { return CColor(1, 2, 3, 255); });
    EXPECT_FALSE(PlatformBitmap::createFromMemory(nullptr, 0));
    EXPECT_FALSE(PlatformBitmap::createFromMemory("not a png at all", 16));
    EXPECT_FALSE(PlatformBitmap::createFromMemory(png.data(), png.size() / 2));
    EXPECT_FALSE(PlatformBitmap::createFromMemory(png.data(), 8));
    EXPECT_FALSE(PlatformBitmap::create(0, 10));
}

TEST(PlatformBitmap, OpaquePngBecomesArgbWithFullAlpha) {
    auto png = makePng(
        3, 2, [](int, int) { return CColor(0, 0, 255, 255); }, CAIRO_FORMAT_RGB24);
    ASSERT_EQ(png[25], 2);  // colour type RGB: no alpha channel
    auto* bitmap = new CBitmap();
    bitmap->addBitmap(PlatformBitmap::createFromMemory(png.data(), png.size()));
    EXPECT_EQ(bitmapPixel(bitmap, 0, 0), CColor(0, 0, 255, 255));
    bitmap->forget();
}

TEST(CBitmap, KeepsOnePlatformBitmapPerScaleFactorAndPicksTheBestOne) {
    auto* bitmap = new CBitmap();
    EXPECT_DOUBLE_EQ(bitmap->getWidth(), 0.0);
    EXPECT_EQ(CBitmapPixelAccess::create(bitmap), nullptr);
    auto one = PlatformBitmap::create(10, 10);
    auto two = PlatformBitmap::create(20, 20);
    auto twoAgain = PlatformBitmap::create(20, 20);
    two->setScaleFactor(2.0);
    twoAgain->setScaleFactor(2.0);
    EXPECT_TRUE(bitmap->addBitmap(one));
    EXPECT_TRUE(bitmap->addBitmap(two));
    EXPECT_FALSE(bitmap->addBitmap(twoAgain));
    EXPECT_FALSE(bitmap->addBitmap(SharedPointer<PlatformBitmap>()));
    EXPECT_EQ(bitmap->getNumPlatformBitmaps(), 2u);
    EXPECT_EQ(bitmap->getBestPlatformBitmapForScaleFactor(0.7), one.get());
    EXPECT_EQ(bitmap->getBestPlatformBitmapForScaleFactor(1.5), two.get());
    EXPECT_EQ(bitmap->getBestPlatformBitmapForScaleFactor(4.0), two.get());
    bitmap->forget();
}
