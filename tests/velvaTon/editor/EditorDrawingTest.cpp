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

int colourDistance(const VSTGUI::CColor& a, const VSTGUI::CColor& b) {
    return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

class EditorDrawingTest : public EditorTest {
protected:
    void render(double z) {
        ASSERT_TRUE(engine_.setZoom(z));
        ASSERT_NE(window().render(), nullptr);
        zoom_ = z;
    }

    // The drawn pixel under a point in logical units.
    VSTGUI::CColor pixelAt(double x, double y) const {
        return engine_.getWindow()->getPixel(int32_t(std::floor(x * zoom_)), int32_t(std::floor(y * zoom_)));
    }

    // A point on the needle at a distance from the pivot, for a value.
    VSTGUI::CColor needlePixel(double value, double radius) const {
        const double angle = 2.0 * kPi / 3.0 - value * kPi / 3.0;
        return pixelAt(200.5 + radius * std::cos(angle), 155.5 - radius * std::sin(angle));
    }

    // Mean colour distance between the drawn knob and one frame of its strip
    // (two strip pixels per unit), over the pixels the frame covers fully so
    // that the panel behind does not count.
    double frameDistance(HRXBitmapPixelAcces& strip, const velvaTonKnobLayout& knob, int32_t frame) const {
        const int32_t rows = (knob.frames + knob.columns - 1) / knob.columns;
        const int32_t size = int32_t(knob.rect.width()) * 2;
        const int32_t step = int32_t(2.0 / zoom_);  // strip pixels per drawn pixel
        long total = 0, counted = 0;
        for (int32_t y = 0; y < size / step; ++y) {
            for (int32_t x = 0; x < size / step; ++x) {
                int sum[3] = {0, 0, 0};
                bool opaque = true;
                for (int32_t d = 0; d < step * step; ++d) {
                    uint8_t c[4];
                    strip.setPosition((frame / rows) * size + x * step + d % step,
                                      (frame % rows) * size + y * step + d / step);
                    strip.getColor(c[0], c[1], c[2], c[3]);
                    opaque = opaque && c[3] == 255;
                    for (int i = 0; i < 3; ++i)
                        sum[i] += c[i];
                }
                if (!opaque)
                    continue;
                const int n = step * step;
                const VSTGUI::CColor expected(uint8_t(sum[0] / n), uint8_t(sum[1] / n), uint8_t(sum[2] / n));
                total += colourDistance(expected, engine_.getWindow()->getPixel(int32_t(knob.rect.left * zoom_) + x,
                                                                                int32_t(knob.rect.top * zoom_) + y));
                ++counted;
            }
        }
        return counted ? double(total) / counted : std::numeric_limits<double>::max();
    }

    // The frame that matches the drawn knob best must be the expected one.
    void expectFrame(int32_t tag, int32_t expectedFrame) {
        const velvaTonKnobLayout* knob = nullptr;
        for (const velvaTonKnobLayout& layout : kKnobLayout)
            knob = layout.tag == tag ? &layout : knob;
        ASSERT_NE(knob, nullptr);
        std::unique_ptr<HRXBitmapPixelAcces> strip(getLibraryBitmap(knob->bitmapId)->createPixelAccess());
        ASSERT_NE(strip, nullptr);
        const int32_t rows = (knob->frames + knob->columns - 1) / knob->columns;
        ASSERT_EQ(strip->getBitmapWidth(), uint32_t(knob->columns * knob->rect.width() * 2));
        ASSERT_EQ(strip->getBitmapHeight(), uint32_t(rows * knob->rect.height() * 2));
        int32_t best = -1;
        double bestDistance = std::numeric_limits<double>::max(), secondDistance = bestDistance;
        for (int32_t frame = 0; frame < knob->frames; ++frame) {
            const double d = frameDistance(*strip, *knob, frame);
            if (d < bestDistance) {
                secondDistance = bestDistance;
                bestDistance = d;
                best = frame;
            } else if (d < secondDistance) {
                secondDistance = d;
            }
        }
        EXPECT_EQ(best, expectedFrame) << "tag " << tag << " zoom " << zoom_;
        EXPECT_LT(bestDistance, secondDistance);
        if (zoom_ == 2.0) {
            EXPECT_LT(bestDistance, 1.0);  // drawn one to one from the strip
        }
    }

    double zoom_ = 1.0;
};

TEST_F(EditorDrawingTest, NeedleEndsWhereItsGeometrySaysAtBothEnds) {
    const VSTGUI::CColor lit(170, 165, 160);
    for (double value : {0.0, 1.0}) {
        editor_.parameterChanged(kGainReduction, value);
        editor_.parameterChanged(kGainReduction, value);
        editor_.idle();
        render(2.0);
        EXPECT_LE(colourDistance(needlePixel(value, 84.0), lit), 6) << value;
        EXPECT_LE(colourDistance(needlePixel(value, 60.0), lit), 6) << value;
        EXPECT_GT(colourDistance(needlePixel(value, 90.0), lit), 20) << value;
        // The other end's position shows no needle.
        EXPECT_GT(colourDistance(needlePixel(1.0 - value, 84.0), lit), 20) << value;
    }
}

TEST_F(EditorDrawingTest, ProcessOffDrawsTheUnlitFaceAndTheDarkerNeedle) {
    render(2.0);
    const VSTGUI::CColor litFace = pixelAt(235, 100);
    editor_.parameterChanged(kProcess, 0.0);
    render(2.0);
    EXPECT_LE(colourDistance(needlePixel(0.0, 84.0), VSTGUI::CColor(140, 135, 130)), 6);
    EXPECT_NE(pixelAt(235, 100), litFace);
}

TEST_F(EditorDrawingTest, DrawnKnobFrameIsTheOneTheValueSelectsAt100And200Percent) {
    // Values between two frames: the nearer one is drawn (round, not truncate).
    const std::pair<int32_t, double> values[] = {
        {kTime, 0.38},          // 20 x 0.38 = 7.6: frame 8
        {kCompression, 0.815},  // 40 x 0.815 = 32.6: frame 33
        {kOutput, 0.51},        // 60 x 0.51 = 30.6: frame 31
        {kRatio, 0.25},         // 6 x 0.25 = 1.5: frame 2
    };
    for (const auto& v : values)
        editor_.parameterChanged(v.first, v.second);
    for (double z : {1.0, 2.0}) {
        render(z);
        expectFrame(kTime, 8);
        expectFrame(kCompression, 33);
        expectFrame(kOutput, 31);
        expectFrame(kRatio, 2);
    }
}

// The needle rests on the face's 0 mark: no figure may be printed under it
// there, and the "0" shows beside it, on the side the needle never swings to.
TEST(MeterFace, TheRestingNeedleHidesNoFigure) {
    const double ux = std::cos(2.0 * kPi / 3.0), uy = -std::sin(2.0 * kPi / 3.0);  // along the resting needle
    const double nx = -0.866025403784, ny = 0.5;                                   // across it, to the left
    for (uint32_t id : {kMeterLitBitmapId, kMeterUnlitBitmapId}) {
        SCOPED_TRACE(id);
        std::unique_ptr<HRXBitmapPixelAcces> face(getLibraryBitmap(id)->createPixelAccess());
        ASSERT_NE(face, nullptr);
        // Figures are printed in dark ink on light paper.
        auto isInk = [&](double along, double across) {
            const double x = kMeterPivot.x + 0.5 + along * ux + across * nx - kMeterRect.left;
            const double y = kMeterPivot.y + 0.5 + along * uy + across * ny - kMeterRect.top;
            uint8_t c[4] = {0, 0, 0, 0};
            if (!face->setPosition(uint32_t(x * 2.0), uint32_t(y * 2.0)))
                return false;
            face->getColor(c[0], c[1], c[2], c[3]);
            return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2] < 100.0;
        };
        int underNeedle = 0, beside = 0;
        // Beyond the 0 mark's tick, out to the needle's tip.
        for (double along = 77.0; along <= kMeterOuterRadius; along += 0.25) {
            for (double across = -2.0; across <= 2.0; across += 0.25)
                underNeedle += isInk(along, across);
            for (double across = 3.0; across <= 8.0; across += 0.25)
                beside += isInk(along, across);
        }
        EXPECT_EQ(underNeedle, 0);
        EXPECT_GT(beside, 20);
    }
}

TEST(EditorPicture, WritesAPngOfTheZoomedPanelAndRefusesZoomsOutOfRange) {
    const std::string path = ::testing::TempDir() + "velvaton-editor-" + std::to_string(getpid()) + ".png";
    velvaTonEditorPicture picture;
    std::string error;
    for (int32_t percent : {69, 401}) {
        picture.zoomPercent = percent;
        EXPECT_FALSE(writeEditorPicture(picture, path, error));
        EXPECT_FALSE(error.empty());
        EXPECT_NE(access(path.c_str(), F_OK), 0);
    }
    picture.zoomPercent = 150;
    error.clear();
    EXPECT_FALSE(writeEditorPicture(picture, "/nonexistent-folder/editor.png", error));
    EXPECT_FALSE(error.empty());
    picture.aboutBox = true;
    ASSERT_TRUE(writeEditorPicture(picture, path, error)) << error;
    std::ifstream file(path, std::ios::binary);
    unsigned char header[24] = {};
    file.read(reinterpret_cast<char*>(header), sizeof header);
    std::remove(path.c_str());
    ASSERT_TRUE(file);
    EXPECT_EQ(0, std::memcmp(header, "\x89PNG\r\n\x1a\n", 8));
    const uint32_t width = (header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19];
    const uint32_t height = (header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23];
    EXPECT_EQ(width, 600u);
    EXPECT_EQ(height, 490u);  // the strip and the panel, (52 + 275) x 1.5 = 490.5 cut to whole pixels
}

}  // namespace
