#include "ToolkitTestSupport.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using toolkit_test::makePng;

namespace {

CColor quadrant(int x, int y, int width, int height)
{
    bool right = x >= width / 2, bottom = y >= height / 2;
    if (!right && !bottom)
        return CColor(255, 0, 0, 255);
    if (right && !bottom)
        return CColor(0, 255, 0, 255);
    if (!right && bottom)
        return CColor(0, 0, 255, 255);
    return CColor(255, 255, 0, 128);
}

} // namespace

TEST(PlatformBitmap, DecodesPngFromMemoryWithItsPixelsAndLogicalSize)
{
    auto png = makePng(8, 6, [](int x, int y) { return quadrant(x, y, 8, 6); });
    SharedPointer<PlatformBitmap> pixels = PlatformBitmap::createFromMemory(png.data(), png.size());
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->getWidth(), 8);
    EXPECT_EQ(pixels->getHeight(), 6);
    pixels->setScaleFactor(2.0);

    auto* bitmap = new CBitmap();
    ASSERT_TRUE(bitmap->addBitmap(pixels));
    EXPECT_DOUBLE_EQ(bitmap->getWidth(), 4.0);
    EXPECT_DOUBLE_EQ(bitmap->getHeight(), 3.0);

    CBitmapPixelAccess* access = CBitmapPixelAccess::create(bitmap);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->getBitmapWidth(), 8u);
    CColor c;
    ASSERT_TRUE(access->setPosition(7, 5));
    access->getColor(c);
    EXPECT_EQ(c.alpha, 128);
    EXPECT_NEAR(c.red, 255, 2);
    EXPECT_NEAR(c.green, 255, 2);
    EXPECT_EQ(c.blue, 0);
    ASSERT_TRUE(access->setPosition(4, 0));
    access->getColor(c);
    EXPECT_EQ(c, CColor(0, 255, 0, 255));
    EXPECT_FALSE(access->setPosition(8, 0));
    EXPECT_FALSE(access->setPosition(0, 6));
    access->forget();
    bitmap->forget();
}

TEST(PlatformBitmap, RefusesBytesThatAreNotACompletePng)
{
    auto png = makePng(4, 4, [](int, int) { return CColor(1, 2, 3, 255); });
    EXPECT_FALSE(PlatformBitmap::createFromMemory(nullptr, 0));
    EXPECT_FALSE(PlatformBitmap::createFromMemory("not a png at all", 16));
    EXPECT_FALSE(PlatformBitmap::createFromMemory(png.data(), png.size() / 2));
    EXPECT_FALSE(PlatformBitmap::createFromMemory(png.data(), 8));
    EXPECT_FALSE(PlatformBitmap::create(0, 10));
}

TEST(PlatformBitmap, OpaquePngBecomesArgbWithFullAlpha)
{
    cairo_surface_t* rgb = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 3, 2);
    cairo_t* cr = cairo_create(rgb);
    cairo_set_source_rgb(cr, 0.0, 0.0, 1.0);
    cairo_paint(cr);
    cairo_destroy(cr);
    std::vector<uint8_t> png;
    cairo_surface_write_to_png_stream(
        rgb,
        [](void* closure, const unsigned char* bytes, unsigned int length) {
            static_cast<std::vector<uint8_t>*>(closure)->insert(static_cast<std::vector<uint8_t>*>(closure)->end(),
                                                                bytes, bytes + length);
            return CAIRO_STATUS_SUCCESS;
        },
        &png);
    cairo_surface_destroy(rgb);

    auto* bitmap = new CBitmap();
    bitmap->addBitmap(PlatformBitmap::createFromMemory(png.data(), png.size()));
    CBitmapPixelAccess* access = CBitmapPixelAccess::create(bitmap);
    ASSERT_NE(access, nullptr);
    CColor c;
    access->getColor(c);
    EXPECT_EQ(c, CColor(0, 0, 255, 255));
    access->forget();
    bitmap->forget();
}

TEST(CBitmap, KeepsOnePlatformBitmapPerScaleFactorAndPicksTheBestOne)
{
    auto* bitmap = new CBitmap();
    EXPECT_DOUBLE_EQ(bitmap->getWidth(), 0.0);
    EXPECT_EQ(CBitmapPixelAccess::create(bitmap), nullptr);
    auto one = PlatformBitmap::create(10, 10);
    auto two = PlatformBitmap::create(20, 20);
    two->setScaleFactor(2.0);
    auto twoAgain = PlatformBitmap::create(20, 20);
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

TEST(CBitmapPixelAccess, WritesStraightColoursAndWalksEveryPixel)
{
    auto* bitmap = new CBitmap(3.0, 2.0);
    CBitmapPixelAccess* access = CBitmapPixelAccess::create(bitmap);
    ASSERT_NE(access, nullptr);
    int visited = 1;
    while (++(*access))
        ++visited;
    EXPECT_EQ(visited, 6);
    EXPECT_EQ(access->getX(), 2u);
    EXPECT_EQ(access->getY(), 1u);
    access->setColor(CColor(200, 100, 50, 128));
    CColor c;
    access->getColor(c);
    EXPECT_NEAR(c.red, 200, 2);
    EXPECT_NEAR(c.green, 100, 2);
    EXPECT_NEAR(c.blue, 50, 2);
    EXPECT_EQ(c.alpha, 128);
    access->forget();
    bitmap->forget();
}
