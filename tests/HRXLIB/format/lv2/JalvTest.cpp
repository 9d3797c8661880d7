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
#include <unistd.h>

namespace {

uint32_t pixelAt(cairo_surface_t* surface, int x, int y) {
    if (!surface || x >= cairo_image_surface_get_width(surface) || y >= cairo_image_surface_get_height(surface))
        return 0xFFFFFFFFu;
    uint32_t value = 0;
    cairo_surface_flush(surface);
    std::memcpy(&value, cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface) + 4 * x, 4);
    return value & 0xFFFFFF;
}

// The top-level window holding a 400 x 327 window with the preset strip's
// grey in its corner, and that window's place in it; 0 while there is none.
Window findEditor(Display* display, Window window, Window top, int& x, int& y) {
    Window root = 0, parent = 0, child = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        const Window candidate = children[i];
        const Window holder = top ? top : candidate;
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display, candidate, &attributes) || attributes.map_state != IsViewable)
            continue;
        if (top && attributes.width == 400 && attributes.height == 327) {
            XTranslateCoordinates(display, candidate, holder, 0, 0, &x, &y, &child);
            cairo_surface_t* shot = VSTGUI::X11::grabWindow(display, holder);
            if (pixelAt(shot, x + 5, y + 5) == 0x1E1E1E)
                found = holder;
            if (shot)
                cairo_surface_destroy(shot);
        }
        if (!found)
            found = findEditor(display, candidate, holder, x, y);
    }
    if (children)
        XFree(children);
    return found;
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
    Window top = 0;
    int x = 0, y = 0;
    for (const time_t deadline = time(nullptr) + 20; !top && time(nullptr) <= deadline;) {
        const timespec pause{0, 50000000L};
        nanosleep(&pause, nullptr);
        top = findEditor(display, DefaultRootWindow(display), 0, x, y);
    }
    ASSERT_NE(0u, top) << "no editor in jalv's window\n" << readBytes(scratch.file("jalv.log"));
    EXPECT_TRUE(jalv.isRunning());

    // The panel as the offscreen drawing shows it at the default settings,
    // at points off the needle and the text.
    velvaTonEditorPicture picture;
    std::string error;
    ASSERT_TRUE(writeEditorPicture(picture, scratch.file("editor.png"), error)) << error;
    cairo_surface_t* drawn = cairo_image_surface_create_from_png(scratch.file("editor.png").c_str());
    cairo_surface_t* shot = VSTGUI::X11::grabWindow(display, top);
    for (const auto& point : {std::pair{380, 40}, {200, 60}, {12, 70}, {85, 137}, {10, 318}})
        EXPECT_EQ(pixelAt(drawn, point.first, point.second), pixelAt(shot, x + point.first, y + point.second))
            << point.first << "," << point.second;
    cairo_surface_destroy(shot);
    cairo_surface_destroy(drawn);

    const char* binaryDir = std::getenv("VELVATON_TEST_BINARY_DIR");
    const std::string docs = std::string(binaryDir ? binaryDir : ".") + "/docs";
    std::filesystem::create_directories(docs);
    EXPECT_TRUE(VSTGUI::X11::writeWindowPNG(display, top, (docs + "/lv2-jalv.png").c_str()));
    XCloseDisplay(display);
}

}  // namespace
