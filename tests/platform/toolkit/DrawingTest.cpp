#include "ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using namespace VSTGUI;
using toolkit_test::bitmapPixel;
using toolkit_test::makePng;
using toolkit_test::OffscreenFrame;
using toolkit_test::PaintView;

namespace {

const CColor kRed(255, 0, 0, 255);
const CColor kGreen(0, 255, 0, 255);
const CColor kBlue(0, 0, 255, 255);
const CColor kYellow(255, 255, 0, 255);
const CColor kBackground(0, 0, 0, 255);

// An 8 x 8-pixel bitmap at scale 2 (4 x 4 logical) of four 2 x 2 quadrants.
CBitmap* makeQuadrantBitmap() {
    auto png = makePng(8, 8, [](int x, int y) {
        if (x < 4)
            return y < 4 ? kRed : kBlue;
        return y < 4 ? kGreen : kYellow;
    });
    auto pixels = PlatformBitmap::createFromMemory(png.data(), png.size());
    pixels->setScaleFactor(2.0);
    auto* bitmap = new CBitmap();
    bitmap->addBitmap(pixels);
    return bitmap;
}

struct InkBox {
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
};

InkBox inkOf(const OffscreenPlatformFrame* window, const CRect& area) {
    InkBox box;
    for (int y = int(area.top); y < int(area.bottom); ++y) {
        for (int x = int(area.left); x < int(area.right); ++x) {
            CColor c = window->getPixel(x, y);
            if (c.red > 128) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

}  // namespace

TEST(Drawing, BitmapFromSourceOffsetWithAlphaAtOneHundredAndTwoHundredPercent) {
    CBitmap* bitmap = makeQuadrantBitmap();
    for (double zoom : {1.0, 2.0}) {
        OffscreenFrame f(CRect(0, 0, 40, 30));
        f.frame->setBackgroundColor(kBackground);
        f.frame->addView(new PaintView(CRect(0, 0, 40, 30), [bitmap](CDrawContext* c, const CRect&) {
            // The lower right quadrant (offset 2, 2) into a 2 x 2 rectangle at (10, 10).
            c->drawBitmap(bitmap, CRect(10, 10, 12, 12), CPoint(2, 2));
            c->drawBitmap(bitmap, CRect(20, 10, 24, 12), CPoint(0, 0));
            c->drawBitmap(bitmap, CRect(30, 20, 32, 22), CPoint(0, 0), 0.5f);
        }));
        ASSERT_TRUE(f.frame->setZoom(zoom));
        f.window->render();
        int z = int(zoom);
        SCOPED_TRACE(zoom);
        EXPECT_EQ(f.window->getPixel(10 * z, 10 * z), kYellow);
        EXPECT_EQ(f.window->getPixel(12 * z - 1, 12 * z - 1), kYellow);
        EXPECT_EQ(f.window->getPixel(12 * z, 12 * z), kBackground);
        EXPECT_EQ(f.window->getPixel(10 * z - 1, 10 * z), kBackground);
        // Destination narrower than the bitmap: only its top half shows.
        EXPECT_EQ(f.window->getPixel(20 * z, 10 * z), kRed);
        EXPECT_EQ(f.window->getPixel(23 * z, 11 * z), kGreen);
        EXPECT_EQ(f.window->getPixel(20 * z, 12 * z), kBackground);
        // Half alpha blends with what is below.
        CColor c = f.window->getPixel(31 * z, 21 * z);
        EXPECT_NEAR(c.red, 128, 2);
        EXPECT_EQ(c.green, 0);
    }
    bitmap->forget();
}

TEST(Drawing, LinesAreClippedToTheirView) {
    OffscreenFrame f(CRect(0, 0, 40, 30));
    f.frame->addView(new PaintView(CRect(10, 10, 20, 20), [](CDrawContext* c, const CRect&) {
        c->setLineWidth(2.0);
        c->setFrameColor(kRed);
        c->moveTo(CPoint(0, 15));
        c->lineTo(CPoint(40, 15));
    }));
    for (double zoom : {1.0, 2.0}) {
        f.frame->setZoom(zoom);
        f.window->render();
        int z = int(zoom);
        SCOPED_TRACE(zoom);
        EXPECT_EQ(f.window->getPixel(15 * z, 15 * z), kRed);
        EXPECT_EQ(f.window->getPixel(15 * z, 14 * z), kRed);
        EXPECT_EQ(f.window->getPixel(15 * z, 17 * z).alpha, 0);
        EXPECT_EQ(f.window->getPixel(9 * z, 15 * z).alpha, 0);
        EXPECT_EQ(f.window->getPixel(21 * z, 15 * z).alpha, 0);
    }
}

// The editor's layout: a content container below a 52-unit strip.
TEST(Drawing, ViewsDrawThroughTheContainerOffsetAndZoomClippedToThemselves) {
    OffscreenFrame f(CRect(0, 0, 400, 327));
    auto* content = new CViewContainer(CRect(0, 52, 400, 327));
    content->setBackgroundColor(kBlue);
    CGraphicsTransform seen;
    CRect clip;
    double scale = 0.0;
    content->addView(new PaintView(CRect(150, 66, 250, 109), [&](CDrawContext* c, const CRect& r) {
        seen = c->getCurrentTransform();
        clip = c->getClipRect();
        scale = c->getScaleFactor();
        c->setFillColor(kRed);
        c->drawRect(r, kDrawFilled);
    }));
    f.frame->addView(content);
    f.frame->setZoom(2.0);
    f.window->render();
    EXPECT_EQ(f.window->getPixel(300, 236), kRed);
    EXPECT_EQ(f.window->getPixel(499, 321), kRed);
    EXPECT_EQ(f.window->getPixel(500, 322), kBlue);
    EXPECT_EQ(f.window->getPixel(799, 653), kBlue);
    EXPECT_EQ(f.window->getPixel(300, 103).alpha, 0);

    f.frame->setZoom(1.5);
    f.window->render();
    EXPECT_DOUBLE_EQ(seen.m11, 1.5);
    EXPECT_DOUBLE_EQ(seen.m22, 1.5);
    EXPECT_DOUBLE_EQ(seen.dx, 0.0);
    EXPECT_DOUBLE_EQ(seen.dy, 78.0);  // 52 units of strip at 150 %
    EXPECT_DOUBLE_EQ(scale, 1.5);
    // The clip covers whole window pixels: within one pixel (1 / 1.5 unit).
    EXPECT_NEAR(clip.left, 150.0, 1.0 / 1.5);
    EXPECT_NEAR(clip.top, 66.0, 1.0 / 1.5);
    EXPECT_NEAR(clip.right, 250.0, 1.0 / 1.5);
    EXPECT_NEAR(clip.bottom, 109.0, 1.0 / 1.5);
    EXPECT_LT(clip.getWidth(), 102.0);
}

TEST(Drawing, ZoomScalesTheWindowAndRefusesZero) {
    OffscreenFrame f(CRect(0, 0, 400, 275));
    ASSERT_TRUE(f.frame->setZoom(0.7));
    cairo_surface_t* surface = f.window->render();
    EXPECT_EQ(cairo_image_surface_get_width(surface), 280);
    EXPECT_EQ(cairo_image_surface_get_height(surface), 193);  // 192.5 rounded up
    ASSERT_TRUE(f.frame->setZoom(4.0));
    surface = f.window->render();
    EXPECT_EQ(cairo_image_surface_get_width(surface), 1600);
    EXPECT_EQ(cairo_image_surface_get_height(surface), 1100);
    EXPECT_FALSE(f.frame->setZoom(0.0));
    EXPECT_DOUBLE_EQ(f.frame->getZoom(), 4.0);
    EXPECT_EQ(f.frame->getLocalBounds(), CRect(0, 0, 400, 275));
}

TEST(Drawing, TextAlignsLeftOrCentredWithTheArialMetrics) {
    OffscreenFrame f(CRect(0, 0, 200, 60));
    CFontDesc arial("Arial", 12.0);
    CFontDesc comic("Comic Sans MS", 32.0), arial32("Arial", 32.0);
    CCoord width = 0.0, comicWidth = 0.0, arialWidth = 0.0;
    f.frame->addView(new PaintView(CRect(0, 0, 200, 60), [&](CDrawContext* c, const CRect&) {
        c->setFont(&comic);
        comicWidth = c->getStringWidth("velvaTon presets");
        c->setFont(&arial32);
        arialWidth = c->getStringWidth("velvaTon presets");
        c->setFont(&arial);
        c->setFontColor(kRed);
        c->drawString("HHHH", CRect(0, 0, 200, 30), kLeftText);
        c->drawString("HHHH", CRect(0, 30, 200, 60), kCenterText);
        width = c->getStringWidth("HHHH");
    }));
    f.window->render();
    // "Arial" resolves to a metric-compatible face: H advances 1479/2048 em.
    EXPECT_NEAR(width, 4 * 12.0 * 1479.0 / 2048.0, 0.05);
    // "Comic Sans MS" resolves to another face.
    EXPECT_GT(comicWidth, 0.0);
    EXPECT_GT(std::fabs(comicWidth - arialWidth), 1.0);
    InkBox left = inkOf(f.window, CRect(0, 0, 200, 30));
    InkBox centred = inkOf(f.window, CRect(0, 30, 200, 60));
    EXPECT_LE(left.left, 3);
    EXPECT_NEAR((centred.left + centred.right + 1) * 0.5, 100.0, 1.5);
    // Vertically centred in each rectangle.
    EXPECT_NEAR((left.top + left.bottom + 1) * 0.5, 15.0, 1.5);
    EXPECT_NEAR((centred.top + centred.bottom + 1) * 0.5, 45.0, 1.5);
}

TEST(Drawing, TextKeepsDescendersBelowItsRectangleAndCutsOverlongTextAtItsSides) {
    OffscreenFrame f(CRect(0, 0, 200, 60));
    CFontDesc arial("Arial", 12.0);
    f.frame->addView(new PaintView(CRect(0, 0, 200, 60), [&](CDrawContext* c, const CRect&) {
        c->setFont(&arial);
        c->setFontColor(kRed);
        // Lower than the font: capitals reach above it, "gy" below it.
        c->drawString("Technology", CRect(0, 20, 200, 26), kCenterText);
        c->drawString("AAX Native by Avid Technology", CRect(10, 45, 50, 51), kLeftText);
    }));
    f.window->render();
    InkBox fits = inkOf(f.window, CRect(0, 0, 200, 40));
    EXPECT_LT(fits.top, 20);
    EXPECT_GE(fits.bottom, 27);
    InkBox overlong = inkOf(f.window, CRect(0, 40, 200, 60));
    EXPECT_EQ(overlong.right, 49);
    EXPECT_LT(overlong.top, 45);
    EXPECT_GE(overlong.bottom, 52);
}

TEST(Drawing, OffscreenContextDrawsIntoABitmap) {
    EXPECT_FALSE(COffscreenContext::create(nullptr, 0.5, 10.0));
    EXPECT_FALSE(COffscreenContext::create(nullptr, 10.0, 0.0));
    SharedPointer<COffscreenContext> context = COffscreenContext::create(nullptr, 10.0, 5.0, 2.0);
    ASSERT_TRUE(context);
    context->beginDraw();
    context->setFillColor(kGreen);
    context->drawRect(CRect(5, 0, 10, 5), kDrawFilled);
    context->endDraw();
    CBitmap* bitmap = context->getBitmap();
    EXPECT_DOUBLE_EQ(bitmap->getWidth(), 10.0);
    EXPECT_DOUBLE_EQ(bitmap->getHeight(), 5.0);
    EXPECT_EQ(bitmapPixel(bitmap, 10, 9), kGreen);
    EXPECT_EQ(bitmapPixel(bitmap, 9, 0).alpha, 0);
    EXPECT_EQ(bitmap->getBestPlatformBitmapForScaleFactor(2.0)->getWidth(), 20);
}
