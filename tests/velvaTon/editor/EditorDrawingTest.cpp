#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <memory>
#include <string>
#include <unistd.h>

#include "EditorFixture.h"
#include "HRXLibraryResources.h"
#include "velvaTonEditorPicture.h"
#include "velvaTonParameters.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

int colourDistance(const VSTGUI::CColor& a, const VSTGUI::CColor& b)
{
    return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

class EditorDrawingTest : public EditorTest {
protected:
    void render(double zoom)
    {
        ASSERT_TRUE(engine.setZoom(zoom));
        ASSERT_NE(window().render(), nullptr);
        this->zoom = zoom;
    }

    // The drawn pixel under a point in logical units.
    VSTGUI::CColor pixelAt(double x, double y) const
    {
        return engine.getWindow()->getPixel(static_cast<int32_t>(std::floor(x * zoom)),
                                           static_cast<int32_t>(std::floor(y * zoom)));
    }

    // A point on the needle at a distance from the pivot, for a value.
    VSTGUI::CColor needlePixel(double value, double radius) const
    {
        const double angle = 2.0 * kPi / 3.0 - value * kPi / 3.0;
        return pixelAt(200.5 + radius * std::cos(angle), 155.5 - radius * std::sin(angle));
    }

    double zoom = 1.0;
};

TEST_F(EditorDrawingTest, NeedleEndsWhereItsGeometrySaysAtBothEnds)
{
    const VSTGUI::CColor lit(170, 165, 160);
    for (double value : {0.0, 1.0}) {
        editor.parameterChanged(kGainReduction, value);
        editor.parameterChanged(kGainReduction, value);
        editor.idle();
        render(2.0);
        EXPECT_LE(colourDistance(needlePixel(value, 84.0), lit), 6) << value;
        EXPECT_LE(colourDistance(needlePixel(value, 60.0), lit), 6) << value;
        EXPECT_GT(colourDistance(needlePixel(value, 90.0), lit), 20) << value;
        // The other end's position shows no needle.
        EXPECT_GT(colourDistance(needlePixel(1.0 - value, 84.0), lit), 20) << value;
    }
}

TEST_F(EditorDrawingTest, ProcessOffDrawsTheUnlitFaceAndTheDarkerNeedle)
{
    render(2.0);
    const VSTGUI::CColor litFace = pixelAt(235, 100);
    editor.parameterChanged(kProcess, 0.0);
    render(2.0);
    EXPECT_LE(colourDistance(needlePixel(0.0, 84.0), VSTGUI::CColor(140, 135, 130)), 6);
    EXPECT_NE(pixelAt(235, 100), litFace);
}

// The drawn knob is compared with every frame of its strip: the frame that
// matches best must be the one the value selects. Only pixels the frame
// covers fully are compared, so the panel behind does not count.
class KnobFrameTest : public EditorDrawingTest {
protected:
    struct Strip {
        int32_t width = 0;
        int32_t height = 0;
        std::vector<VSTGUI::CColor> pixels;
        const VSTGUI::CColor& at(int32_t x, int32_t y) const { return pixels[size_t(y) * width + x]; }
    };

    static Strip readStrip(uint32_t id)
    {
        Strip strip;
        std::unique_ptr<HRXBitmapPixelAcces> access(getLibraryBitmap(id)->createPixelAccess());
        if (!access)
            return strip;
        strip.width = static_cast<int32_t>(access->getBitmapWidth());
        strip.height = static_cast<int32_t>(access->getBitmapHeight());
        strip.pixels.resize(size_t(strip.width) * strip.height);
        for (int32_t y = 0; y < strip.height; ++y) {
            for (int32_t x = 0; x < strip.width; ++x) {
                access->setPosition(x, y);
                VSTGUI::CColor& c = strip.pixels[size_t(y) * strip.width + x];
                access->getColor(c.red, c.green, c.blue, c.alpha);
            }
        }
        return strip;
    }

    // Mean colour distance between the drawn knob and one frame; the strip
    // holds two pixels per logical unit.
    double frameDistance(const Strip& strip, const HRXRect& rect, int32_t frames, int32_t columns,
                         int32_t frame) const
    {
        const int32_t rows = (frames + columns - 1) / columns;
        const int32_t frameSize = static_cast<int32_t>(rect.width()) * 2;
        const int32_t originX = (frame / rows) * frameSize;
        const int32_t originY = (frame % rows) * frameSize;
        const int32_t step = static_cast<int32_t>(2.0 / zoom);  // strip pixels per drawn pixel
        const int32_t drawn = static_cast<int32_t>(rect.width() * zoom);
        long total = 0;
        long counted = 0;
        for (int32_t y = 0; y < drawn; ++y) {
            for (int32_t x = 0; x < drawn; ++x) {
                int sum[3] = {0, 0, 0};
                bool opaque = true;
                for (int32_t dy = 0; dy < step; ++dy) {
                    for (int32_t dx = 0; dx < step; ++dx) {
                        const VSTGUI::CColor& c = strip.at(originX + x * step + dx, originY + y * step + dy);
                        opaque = opaque && c.alpha == 255;
                        sum[0] += c.red;
                        sum[1] += c.green;
                        sum[2] += c.blue;
                    }
                }
                if (!opaque)
                    continue;
                const int n = step * step;
                const VSTGUI::CColor expected(uint8_t(sum[0] / n), uint8_t(sum[1] / n), uint8_t(sum[2] / n));
                const VSTGUI::CColor got = engine.getWindow()->getPixel(
                    static_cast<int32_t>(rect.left * zoom) + x, static_cast<int32_t>(rect.top * zoom) + y);
                total += colourDistance(expected, got);
                ++counted;
            }
        }
        return counted ? double(total) / counted : std::numeric_limits<double>::max();
    }

    void expectFrame(const velvaTonKnobLayout& layout, double value, int32_t expectedFrame)
    {
        const Strip strip = readStrip(layout.bitmapId);
        const int32_t rows = (layout.frames + layout.columns - 1) / layout.columns;
        ASSERT_EQ(strip.width, layout.columns * static_cast<int32_t>(layout.rect.width()) * 2);
        ASSERT_EQ(strip.height, rows * static_cast<int32_t>(layout.rect.height()) * 2);
        int32_t best = -1;
        double bestDistance = std::numeric_limits<double>::max();
        double secondDistance = bestDistance;
        for (int32_t frame = 0; frame < layout.frames; ++frame) {
            const double d = frameDistance(strip, layout.rect, layout.frames, layout.columns, frame);
            if (d < bestDistance) {
                secondDistance = bestDistance;
                bestDistance = d;
                best = frame;
            } else if (d < secondDistance) {
                secondDistance = d;
            }
        }
        EXPECT_EQ(best, expectedFrame) << "tag " << layout.tag << " value " << value << " zoom " << zoom;
        EXPECT_LT(bestDistance, secondDistance);
        if (zoom == 2.0) {
            EXPECT_LT(bestDistance, 1.0);  // drawn one to one from the strip
        }
    }

    const velvaTonKnobLayout& layoutOf(int32_t tag) const
    {
        for (const velvaTonKnobLayout& layout : kKnobLayout)
            if (layout.tag == tag)
                return layout;
        return kKnobLayout[0];
    }
};

TEST_F(KnobFrameTest, DrawnFrameIsTheOneTheValueSelectsAt100And200Percent)
{
    // Values between two frames: the nearer one is drawn (round, not truncate).
    editor.parameterChanged(kTime, 0.38);         // 20 x 0.38 = 7.6: frame 8
    editor.parameterChanged(kCompression, 0.815); // 40 x 0.815 = 32.6: frame 33
    editor.parameterChanged(kOutput, 0.51);       // 60 x 0.51 = 30.6: frame 31
    editor.parameterChanged(kRatio, 0.25);        // 6 x 0.25 = 1.5: frame 2
    for (double zoom : {1.0, 2.0}) {
        render(zoom);
        expectFrame(layoutOf(kTime), 0.38, 8);
        expectFrame(layoutOf(kCompression), 0.815, 33);
        expectFrame(layoutOf(kOutput), 0.51, 31);
        expectFrame(layoutOf(kRatio), 0.25, 2);
    }
}

class EditorPictureTest : public ::testing::Test {
protected:
    std::string path = ::testing::TempDir() + "velvaton-editor-" + std::to_string(getpid()) + ".png";
    ~EditorPictureTest() override { std::remove(path.c_str()); }
};

TEST_F(EditorPictureTest, WritesAPngOfTheZoomedPanel)
{
    velvaTonEditorPicture picture;
    picture.zoomPercent = 150;
    picture.aboutBox = true;
    std::string error;
    ASSERT_TRUE(writeEditorPicture(picture, path, error)) << error;
    std::ifstream file(path, std::ios::binary);
    unsigned char header[24] = {};
    file.read(reinterpret_cast<char*>(header), sizeof header);
    ASSERT_TRUE(file);
    EXPECT_EQ(0, std::memcmp(header, "\x89PNG\r\n\x1a\n", 8));
    const uint32_t width = (header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19];
    const uint32_t height = (header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23];
    EXPECT_EQ(width, 600u);
    EXPECT_EQ(height, 413u);  // 275 x 1.5 = 412.5, whole pixels
}

TEST_F(EditorPictureTest, RefusesAZoomOutsideTheRangeAndWritesNothing)
{
    velvaTonEditorPicture picture;
    std::string error;
    for (int32_t percent : {69, 401}) {
        picture.zoomPercent = percent;
        EXPECT_FALSE(writeEditorPicture(picture, path, error));
        EXPECT_FALSE(error.empty());
        EXPECT_NE(access(path.c_str(), F_OK), 0);
    }
}

}  // namespace
