// Debian's jalv, a host nobody here wrote, shows the editor embedded in its
// window: a JACK server on its dummy driver and a private X server, both
// started by the test. The screenshot is kept in the build tree for the
// README (docs/lv2-jalv.png).

// Before Xlib, whose macros (None) break gtest's names.
#include <gtest/gtest.h>

#include "LV2TestHost.h"
#include "PresetTestSupport.h"
#include "ProgramRun.h"
#include "ToolTestSupport.h"
#include "XvfbSession.h"
#include "velvaTonEditorPicture.h"
#include "x11/X11Screenshot.h"

#include <X11/Xlib.h>
#include <cairo.h>

#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <unistd.h>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 327;

// Every window below `window`, depth first.
void descendants(Display* display, Window window, std::vector<Window>& found) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return;
    for (unsigned int i = 0; i < count; ++i) {
        found.push_back(children[i]);
        descendants(display, children[i], found);
    }
    if (children)
        XFree(children);
}

uint32_t pixelAt(cairo_surface_t* surface, int x, int y) {
    if (!surface || x >= cairo_image_surface_get_width(surface) || y >= cairo_image_surface_get_height(surface))
        return 0xFFFFFFFFu;
    uint32_t value = 0;
    cairo_surface_flush(surface);
    std::memcpy(&value, cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface) + 4 * x, 4);
    return value & 0xFFFFFF;
}

bool waitFor(const std::function<bool()>& condition, int seconds) {
    const time_t deadline = time(nullptr) + seconds;
    while (!condition()) {
        if (time(nullptr) > deadline)
            return false;
        const timespec pause{0, 50000000L};
        nanosleep(&pause, nullptr);
    }
    return true;
}

TEST(LV2Jalv, ShowsTheEditorEmbeddedInItsWindow) {
    for (const char* program : {"jalv.gtk3", "jackd", "jack_wait"}) {
        if (!hasProgram(program))
            GTEST_SKIP() << program << " is not installed (jalv, jackd2)";
    }
    if (!XvfbSession::isInstalled())
        GTEST_SKIP() << XvfbSession::kNotInstalled;
    if (kSanitizedBuild)
        GTEST_SKIP() << "jalv cannot load a plug-in built with the sanitizers";

    TemporaryUserHome home;  // jalv and GTK write below HOME
    ScratchFolder scratch;
    setenv("TMPDIR", scratch.path().c_str(), 1);
    std::string lv2Path = LV2TestWorld::bundlePath();
    lv2Path.resize(lv2Path.rfind('/', lv2Path.size() - 2));
    setenv("LV2_PATH", lv2Path.c_str(), 1);
    const std::string server = "velvaton-test-" + std::to_string(getpid());
    setenv("JACK_DEFAULT_SERVER", server.c_str(), 1);
    setenv("JACK_NO_AUDIO_RESERVATION", "1", 1);
    XvfbSession xvfb;
    ASSERT_TRUE(xvfb.isRunning()) << xvfb.error();

    BackgroundProgram jackd({"jackd", "-n", server, "--no-realtime", "-d", "dummy", "-r", "48000", "-p", "256"},
                            scratch.file("jackd.log"));
    const ProgramRun waited = runProgram({"jack_wait", "-w", "-t", "10"});
    ASSERT_EQ(0, waited.exitCode) << waited.output << readBytes(scratch.file("jackd.log"));
    BackgroundProgram jalv({"jalv.gtk3", "--jack-name=velvaton", LV2TestWorld::pluginUri(2)}, scratch.file("jalv.log"));

    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(nullptr, display);
    // jalv's window, and in it the editor's: 400 x 327 with the strip's grey
    // in its corner.
    Window top = 0;
    int editorX = 0, editorY = 0;
    const bool shown = waitFor(
        [&] {
            std::vector<Window> windows;
            Window root = 0, parent = 0;
            Window* children = nullptr;
            unsigned int count = 0;
            XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
            for (unsigned int i = 0; i < count; ++i) {
                XWindowAttributes attributes{};
                if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable)
                    continue;
                std::vector<Window> inside;
                descendants(display, children[i], inside);
                for (const Window window : inside) {
                    XWindowAttributes inner{};
                    Window child = 0;
                    if (!XGetWindowAttributes(display, window, &inner) || inner.width != kWidth ||
                        inner.height != kHeight || inner.map_state != IsViewable)
                        continue;
                    XTranslateCoordinates(display, window, children[i], 0, 0, &editorX, &editorY, &child);
                    cairo_surface_t* shot = VSTGUI::X11::grabWindow(display, children[i]);
                    const bool strip = pixelAt(shot, editorX + 5, editorY + 5) == 0x1E1E1E;
                    if (shot)
                        cairo_surface_destroy(shot);
                    if (strip) {
                        top = children[i];
                        break;
                    }
                }
                if (top)
                    break;
            }
            if (children)
                XFree(children);
            return top != 0;
        },
        20);
    ASSERT_TRUE(shown) << "no editor in jalv's window\n" << readBytes(scratch.file("jalv.log"));
    EXPECT_TRUE(jalv.isRunning());

    // The panel as the offscreen drawing shows it at the default settings,
    // at points off the needle and the text.
    velvaTonEditorPicture picture;
    std::string error;
    ASSERT_TRUE(writeEditorPicture(picture, scratch.file("editor.png"), error)) << error;
    cairo_surface_t* drawn = cairo_image_surface_create_from_png(scratch.file("editor.png").c_str());
    cairo_surface_t* shot = VSTGUI::X11::grabWindow(display, top);
    ASSERT_NE(nullptr, shot);
    const int points[][2] = {{5, 5}, {380, 40}, {200, 60}, {12, 70}, {85, 137}, {10, 318}};
    for (const auto& point : points)
        EXPECT_EQ(pixelAt(drawn, point[0], point[1]), pixelAt(shot, editorX + point[0], editorY + point[1]))
            << point[0] << "," << point[1];
    cairo_surface_destroy(shot);
    cairo_surface_destroy(drawn);

    const char* binaryDir = std::getenv("VELVATON_TEST_BINARY_DIR");
    const std::string docs = std::string(binaryDir ? binaryDir : ".") + "/docs";
    std::filesystem::create_directories(docs);
    EXPECT_TRUE(VSTGUI::X11::writeWindowPNG(display, top, (docs + "/lv2-jalv.png").c_str()));
    XCloseDisplay(display);
}

}  // namespace
