#include "CHRXBitmapWrapper.h"
#include "HRXEmbeddedImages.h"
#include "HRXLibraryResources.h"
#include "HRXResourceIds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

struct Rgba {
    uint8_t r, g, b, a;
};

// Stored pixels of an embedded image.
class StoredPixels {
public:
    explicit StoredPixels(uint32_t id) : wrapper_(id), access_(wrapper_.createPixelAccess()) {}
    Rgba at(int x, int y) const {
        Rgba c{0, 0, 0, 0};
        if (access_->setPosition(uint32_t(x), uint32_t(y)))
            access_->getColor(c.r, c.g, c.b, c.a);
        return c;
    }

private:
    Brackenworks::CHRXBitmapWrapper wrapper_;
    std::unique_ptr<HRXBitmapPixelAcces> access_;
};

double luminance(const Rgba& c) {
    return (0.299 * c.r + 0.587 * c.g + 0.114 * c.b) * c.a / 255.0;
}

struct Strip {
    uint32_t id;
    int frames;
    int columns;
    double frameSize;      // logical, square frames
    double pointerRadius;  // logical, a point on the cream pointer line
};

constexpr Strip kStrips[] = {
    {kHRXBitmapTimeKnob, 21, 5, 114, 15},       {kHRXBitmapCompressionKnob, 41, 7, 114, 15},
    {kHRXBitmapOutputKnob, 61, 8, 114, 15},     {kHRXBitmapRatioKnob, 7, 1, 70, 15},
    {kHRXBitmapAttackRatioKnob, 7, 1, 31, 6.5}, {kHRXBitmapValveLevelKnob, 7, 1, 31, 6.5},
};

bool isPointerCream(const Rgba& c) {
    return c.a == 255 && c.r > 200 && c.g > 190 && c.b > 150;
}

std::vector<char> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(Artwork, EveryKnobFramePointsAtItsValueOverA270DegreeSweep) {
    for (const Strip& strip : kStrips) {
        SCOPED_TRACE(strip.id);
        StoredPixels stored(strip.id);
        int rows = (strip.frames + strip.columns - 1) / strip.columns;
        for (int i = 0; i < strip.frames; ++i) {
            double value = double(i) / (strip.frames - 1);
            double angle = (-135.0 + 270.0 * value) * 3.14159265358979323846 / 180.0;
            double cx = (i / rows) * strip.frameSize + strip.frameSize * 0.5;
            double cy = (i % rows) * strip.frameSize + strip.frameSize * 0.5;
            auto pixelAt = [&](double a) {
                double x = cx + std::sin(a) * strip.pointerRadius;
                double y = cy - std::cos(a) * strip.pointerRadius;
                return stored.at(int(std::floor(x * 2.0)), int(std::floor(y * 2.0)));
            };
            EXPECT_TRUE(isPointerCream(pixelAt(angle))) << "frame " << i;
            EXPECT_FALSE(isPointerCream(pixelAt(angle + 3.14159265358979323846))) << "frame " << i;
        }
        // Cells past the last frame stay empty.
        int cells = rows * strip.columns;
        if (cells > strip.frames) {
            int last = cells - 1;
            Rgba centre = stored.at(int(((last / rows) * strip.frameSize + strip.frameSize * 0.5) * 2.0),
                                    int(((last % rows) * strip.frameSize + strip.frameSize * 0.5) * 2.0));
            EXPECT_EQ(centre.a, 0);
        }
    }
}

TEST(Artwork, ProcessStripLightsValveClearAndOffFromTopToBottom) {
    StoredPixels stored(kHRXBitmapProcessSwitch);
    const double segment = 106.0 / 3.0;
    for (int frame = 0; frame < 3; ++frame) {
        for (int lamp = 0; lamp < 3; ++lamp) {
            // Jewel centre of each button (a pressed button sits lower).
            double x = lamp * segment + segment * 0.5;
            double y = frame * 78.0 + 4.5 + 29.0 * 0.42 + (lamp == frame ? 0.9 : 0.0);
            double light = luminance(stored.at(int(x * 2.0), int(y * 2.0)));
            if (lamp == frame)
                EXPECT_GT(light, 150.0) << "frame " << frame;
            else
                EXPECT_LT(light, 90.0) << "frame " << frame << " lamp " << lamp;
        }
    }
}

TEST(Artwork, LitMeterFaceIsBrighterThanTheUnlitOne) {
    StoredPixels lit(kHRXBitmapVuFaceLit);
    StoredPixels unlit(kHRXBitmapVuFaceUnlit);
    double litSum = 0.0, unlitSum = 0.0;
    for (int y = 0; y < 86; y += 2) {
        for (int x = 0; x < 200; x += 2) {
            litSum += luminance(lit.at(x, y));
            unlitSum += luminance(unlit.at(x, y));
        }
    }
    EXPECT_GT(litSum, unlitSum * 1.4);
}

// The embedded images come from a build-time run of the generator: a second
// run must give the same bytes.
TEST(Artwork, TheGeneratorDrawsTheSameBytesEveryTime) {
    const std::string dir = ::testing::TempDir() + "velvaton-artwork-" + std::to_string(getpid());
    ASSERT_EQ(std::system(("mkdir -p '" + dir + "'").c_str()), 0);
    ASSERT_EQ(std::system(("ASAN_OPTIONS=detect_leaks=0 '" VELVATON_ARTWORK_TOOL "' '" + dir + "'").c_str()), 0);
    for (uint32_t id : {11128, 12129, 12130, 12139, 12151, 12152, 12153, 12171, 12173, 12177, 12181, 12200, 90001}) {
        SCOPED_TRACE(id);
        const std::vector<char> drawn = readFile(dir + "/" + std::to_string(id) + ".png");
        ASSERT_FALSE(drawn.empty());
        HRXEmbeddedImage embedded;
        ASSERT_TRUE(findEmbeddedImage(id, embedded));
        EXPECT_EQ(std::vector<char>(embedded.data, embedded.data + embedded.size), drawn);
    }
    EXPECT_EQ(std::system(("rm -rf '" + dir + "'").c_str()), 0);
}
