// The plug-in's editor in a real X11 window of the host, on a private X
// server: the user's pointer moves knobs, and the values travel through the
// host to the engine; the window shows what the offscreen drawing shows.

// Before Xlib, whose macros (None) break gtest's names.
#include <gtest/gtest.h>

#include "AAXHost.h"
#include "AAXHostEditor.h"
#include "AAXHostWindow.h"
#include "AAX_Errors.h"
#include "AAX_FourCC.h"
#include "PluginLibrary.h"
#include "PresetTestSupport.h"
#include "XvfbSession.h"
#include "velvaTonEditorPicture.h"
#include "velvaTonParameters.h"
#include "vstgui/offscreenframe.h"
#include "x11/X11Screenshot.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <cairo.h>

#include <cmath>
#include <cstring>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kStrip = 52;

class EditorWindowEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        if (!XvfbSession::isInstalled())
            GTEST_SKIP() << XvfbSession::kNotInstalled;
        xvfb_ = std::make_unique<XvfbSession>();
        ASSERT_TRUE(xvfb_->isRunning()) << xvfb_->error();
        user_ = XOpenDisplay(nullptr);
        ASSERT_NE(user_, nullptr);
        loadPlugin(host_);
        instance_ = host_.createInstance(AAXHostVariant::Stereo, 48000.0);
        ASSERT_TRUE(instance_);
        std::string error;
        window_ = AAXHostWindow::open("velvaTon test", 400, 327, &error);
        ASSERT_TRUE(window_) << error;
        ASSERT_EQ(AAX_SUCCESS, instance_->createEditor());
        instance_->editor()->onViewSizeRequest = [this](const AAX_Point& size) {
            window_->resize(static_cast<int>(size.horz), static_cast<int>(size.vert));
        };
        ASSERT_EQ(AAX_SUCCESS, instance_->editor()->attach(window_->id()));
        ASSERT_TRUE(pumpUntil([this] { return pixel(1, 1) == 0x1E1E1E; })) << "the window never drew";
    }

    void TearDown() override {
        if (instance_)
            instance_->destroyEditor();
        instance_.reset();
        window_.reset();
        if (user_)
            XCloseDisplay(user_);
        xvfb_.reset();
    }

    // Runs the host's main thread until the condition holds; false after 5 s.
    bool pumpUntil(const std::function<bool()>& condition) {
        const time_t deadline = time(nullptr) + 5;
        for (;;) {
            XSync(user_, False);
            window_->pump();
            instance_->idle();
            if (condition())
                return true;
            if (time(nullptr) > deadline)
                return false;
            const timespec pause{0, 2000000L};
            nanosleep(&pause, nullptr);
        }
    }

    // The window's pixel as the screen shows it, 0xRRGGBB.
    uint32_t pixel(int x, int y) {
        cairo_surface_t* shot = VSTGUI::X11::grabWindow(user_, static_cast<unsigned long>(window_->id()));
        if (!shot)
            return 0xFFFFFFFFu;
        uint32_t value = 0xFFFFFFFFu;
        if (x < cairo_image_surface_get_width(shot) && y < cairo_image_surface_get_height(shot)) {
            const uint8_t* row = cairo_image_surface_get_data(shot) + y * cairo_image_surface_get_stride(shot);
            std::memcpy(&value, row + 4 * x, 4);
            value &= 0xFFFFFF;
        }
        cairo_surface_destroy(shot);
        return value;
    }

    double hostValue(int32_t slot) {
        double value = -1.0;
        instance_->parameterValue(parameterIdTable[slot], &value);
        return value;
    }

    void moveTo(int x, int y) {
        XWindowAttributes attributes{};
        XGetWindowAttributes(user_, static_cast<Window>(window_->id()), &attributes);
        XTestFakeMotionEvent(user_, -1, attributes.x + x, attributes.y + y, CurrentTime);
    }
    void button(unsigned int number, bool down) { XTestFakeButtonEvent(user_, number, down, CurrentTime); }
    void click(int x, int y) {
        moveTo(x, y);
        button(1, true);
        button(1, false);
    }
    int windowWidth() {
        XWindowAttributes attributes{};
        XGetWindowAttributes(user_, static_cast<Window>(window_->id()), &attributes);
        return attributes.width;
    }
    // The preset the instance's state names as its current setup.
    bool stateNames(const char* name) {
        AAXHostChunk chunk;
        if (instance_->getChunk(AAX_FourCC("All "), &chunk) != AAX_SUCCESS)
            return false;
        const std::string bytes(chunk.data.begin(), chunk.data.end());
        return bytes.find(std::string(name) + '\0') != std::string::npos;
    }
    // The name field's text area as the screen shows it, its pixels added up.
    uint64_t nameFieldPixels() {
        cairo_surface_t* shot = VSTGUI::X11::grabWindow(user_, static_cast<unsigned long>(window_->id()));
        if (!shot)
            return 0;
        uint64_t sum = 0;
        for (int y = 5; y < 22; ++y) {
            const uint8_t* row = cairo_image_surface_get_data(shot) + y * cairo_image_surface_get_stride(shot);
            for (int x = 132; x < 340; ++x)
                sum += row[4 * x] + row[4 * x + 1] + row[4 * x + 2];
        }
        cairo_surface_destroy(shot);
        return sum;
    }

    std::unique_ptr<XvfbSession> xvfb_;
    Display* user_ = nullptr;
    TemporaryUserHome home_;
    AAXHost host_;
    std::unique_ptr<AAXHostInstance> instance_;
    std::unique_ptr<AAXHostWindow> window_;
};

TEST_F(EditorWindowEndToEnd, WindowShowsTheOffscreenDrawing) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(user_, static_cast<Window>(window_->id()), &attributes);
    EXPECT_EQ(400, attributes.width);
    EXPECT_EQ(327, attributes.height);

    velvaTonEditorPicture picture;
    for (int32_t slot = 0; slot < kPresetValues; ++slot) {
        if (getParameterFlags(slot) & kFlagHostParameter)
            picture.values[slot] = hostValue(slot);
    }
    const std::string path = ::testing::TempDir() + "velvaton-offscreen-" + std::to_string(getpid()) + ".png";
    std::string error;
    ASSERT_TRUE(writeEditorPicture(picture, path, error)) << error;
    cairo_surface_t* drawn = cairo_image_surface_create_from_png(path.c_str());
    std::remove(path.c_str());
    ASSERT_EQ(CAIRO_STATUS_SUCCESS, cairo_surface_status(drawn));
    // Points off the needle and the text: the strip, the name plate, the
    // switch, the knobs' caps, the screws.
    const int points[][2] = {{5, 5},    {380, 40},  {200, 60},  {12, 70},  {315, 130},
                             {85, 252}, {200, 252}, {315, 252}, {85, 137}, {10, 318}};
    cairo_surface_flush(drawn);
    for (const auto& p : points) {
        uint32_t expected = 0;
        std::memcpy(&expected,
                    cairo_image_surface_get_data(drawn) + p[1] * cairo_image_surface_get_stride(drawn) + 4 * p[0], 4);
        EXPECT_EQ(expected & 0xFFFFFF, pixel(p[0], p[1])) << p[0] << "," << p[1];
    }
    cairo_surface_destroy(drawn);
}

TEST_F(EditorWindowEndToEnd, AboutBoxOpensAndClosesByClicks) {
    const uint32_t panel = pixel(150, kStrip + 140);
    moveTo(200, 25 + kStrip);  // the product name
    button(1, true);
    button(1, false);
    ASSERT_TRUE(pumpUntil([&] { return pixel(150, kStrip + 140) != panel; })) << "no about box";
    moveTo(40, kStrip + 240);  // anywhere but the web link
    button(1, true);
    button(1, false);
    EXPECT_TRUE(pumpUntil([&] { return pixel(150, kStrip + 140) == panel; })) << "the about box stayed";
}

// The preset menu in the real window: a click on the name field opens it,
// "Drums" and then "Kick" load the preset through the host; undo takes it
// back. Points are window pixels at 100 %: the strip is 52 high, the menu
// lies below it with the category column at (10, 42) and the preset columns
// at (2, 172), rows 20 high.
TEST_F(EditorWindowEndToEnd, ChoosingKickFromDrumsInThePresetMenu) {
    ASSERT_TRUE(stateNames("Default"));
    const uint64_t defaultName = nameFieldPixels();
    click(247, 13);
    ASSERT_TRUE(pumpUntil([&] { return windowWidth() == 420; })) << "the menu did not open";
    click(60, kStrip + 42 + 2 * 20 + 10);  // "Drums"
    ASSERT_TRUE(pumpUntil([] { return true; }));
    click(60, kStrip + 172 + 3 * 20 + 10);  // "03. Kick"
    ASSERT_TRUE(pumpUntil([&] { return std::fabs(hostValue(kTime) - 0.3) < 1e-6; })) << hostValue(kTime);
    EXPECT_NEAR(0.133, hostValue(kOutput), 1e-6);
    EXPECT_TRUE(pumpUntil([&] { return windowWidth() == 400; })) << "the menu stayed open";
    EXPECT_TRUE(stateNames("Kick"));
    EXPECT_TRUE(pumpUntil([&] { return nameFieldPixels() != defaultName; })) << "the name field did not change";

    click(327, 39);  // undo
    ASSERT_TRUE(pumpUntil([&] { return std::fabs(hostValue(kTime) - 0.5) < 1e-6; })) << hostValue(kTime);
    EXPECT_NEAR(0.15, hostValue(kOutput), 1e-6);
    EXPECT_TRUE(stateNames("Default"));
    EXPECT_TRUE(pumpUntil([&] { return nameFieldPixels() == defaultName; })) << "the name field shows no Default";
}

}  // namespace
