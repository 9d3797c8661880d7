#include "X11TestSupport.h"

#include "ToolkitTestSupport.h"
#include "x11/X11Menu.h"
#include "x11/X11Screenshot.h"

#include "HRXKeyState.h"
#include "HRXTickCount.h"

#include <X11/keysym.h>
#include <cairo.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

using namespace VSTGUI;
using toolkit_test::makePng;
using toolkit_test::PaintView;
using x11_test::X11Test;

namespace {

// A frame's content with what the backends must draw alike: filled and
// stroked rectangles on fractional edges, a scaled bitmap with alpha, text.
CView* paintedView = nullptr;

void populate(CFrame* frame) {
    frame->setBackgroundColor(CColor(30, 30, 30, 255));
    paintedView = new PaintView(CRect(10, 10, 110, 70), [](CDrawContext* context, const CRect& r) {
        context->setFillColor(CColor(200, 40, 40, 255));
        context->drawRect(CRect(r.left, r.top, r.left + 50.5, r.top + 30.25), kDrawFilled);
        context->setFrameColor(CColor(40, 200, 90, 255));
        context->setLineWidth(2.0);
        context->drawRect(CRect(r.left + 55, r.top + 5, r.right - 3.5, r.bottom - 7), kDrawStroked);
        context->drawLine(CPoint(r.left, r.bottom), CPoint(r.right, r.top + 33));
    });
    frame->addView(paintedView);
    auto png = makePng(16, 16, [](int x, int y) {
        return CColor(static_cast<uint8_t>(x * 16), static_cast<uint8_t>(y * 16), 160,
                      static_cast<uint8_t>(55 + x * 12));
    });
    auto pixels = PlatformBitmap::createFromMemory(png.data(), png.size());
    pixels->setScaleFactor(2.0);
    auto* bitmap = new CBitmap();
    bitmap->addBitmap(pixels);
    auto* image = new CView(CRect(120, 10, 128, 18));
    image->setBackground(bitmap);
    bitmap->forget();
    frame->addView(image);
    auto* label = new CTextLabel(CRect(10, 80, 150, 100), "Attack gyp 0.5 dB");
    label->setBackColor(CColor(230, 230, 210, 255));
    label->setFontColor(CColor(10, 10, 60, 255));
    frame->addView(label);
}

// Pixels of the window on the server that differ from the offscreen
// drawing of the same content (RGB: the window has no alpha).
int differingPixels(Display* display, Window window, OffscreenPlatformFrame* offscreen, int& width, int& height) {
    cairo_surface_t* shot = X11::grabWindow(display, window);
    if (!shot)
        return -1;
    width = cairo_image_surface_get_width(shot);
    height = cairo_image_surface_get_height(shot);
    int differing = 0;
    const unsigned char* data = cairo_image_surface_get_data(shot);
    const int stride = cairo_image_surface_get_stride(shot);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint32_t word;
            std::memcpy(&word, data + y * stride + x * 4, 4);
            const CColor expected = offscreen->getPixel(x, y);
            if (((word >> 16) & 0xff) != expected.red || ((word >> 8) & 0xff) != expected.green ||
                (word & 0xff) != expected.blue)
                ++differing;
        }
    }
    cairo_surface_destroy(shot);
    return differing;
}

TEST_F(X11Test, DrawsTheSamePixelsAsTheOffscreenBackendAndFollowsTheZoom) {
    toolkit_test::OffscreenFrame offscreen(CRect(0, 0, 160, 110));
    populate(offscreen.frame);
    CView* offscreenPainted = paintedView;
    X11::X11PlatformFrame* window = open(CRect(0, 0, 160, 110));
    ASSERT_NE(window, nullptr);
    populate(editor_.frame);
    window->setTitle("Pixels");

    int width = 0;
    int height = 0;
    ASSERT_TRUE(pumpUntilDrawn(window));
    offscreen.window->render();
    EXPECT_EQ(differingPixels(user_, window->getWindow(), offscreen.window, width, height), 0);
    EXPECT_EQ(width, 160);
    EXPECT_EQ(height, 110);

    // Only the invalid region is drawn again, and it matches too.
    for (CView* view : {offscreenPainted, paintedView}) {
        view->getFrame()->setBackgroundColor(CColor(0, 90, 200, 255));
        view->invalid();
    }
    ASSERT_TRUE(pumpUntilDrawn(window));
    offscreen.window->render();
    EXPECT_EQ(differingPixels(user_, window->getWindow(), offscreen.window, width, height), 0);

    // The zoom resizes the window (fractional sizes round up) and scales
    // the drawing alike.
    offscreen.frame->setZoom(1.5);
    editor_.frame->setZoom(1.5);
    ASSERT_TRUE(pumpUntil([&] {
        XWindowAttributes attributes{};
        XGetWindowAttributes(user_, window->getWindow(), &attributes);
        return attributes.width == 240 && attributes.height == 165 && !window->isDrawingPending();
    }));
    CRect size;
    window->getSize(size);
    EXPECT_EQ(size, CRect(0, 0, 240, 165));
    offscreen.window->render();
    EXPECT_EQ(differingPixels(user_, window->getWindow(), offscreen.window, width, height), 0);
    EXPECT_EQ(width, 240);

    // The screenshot file holds the same picture.
    const std::string path = ::testing::TempDir() + "x11-frame-" + std::to_string(getpid()) + ".png";
    ASSERT_TRUE(X11::writeWindowPNG(user_, window->getWindow(), path.c_str()));
    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    EXPECT_EQ(cairo_image_surface_get_width(png), 240);
    EXPECT_EQ(cairo_image_surface_get_height(png), 165);
    cairo_surface_destroy(png);
    std::remove(path.c_str());
    EXPECT_FALSE(X11::writeWindowPNG(user_, 0x1fffff, path.c_str()));
    EXPECT_NE(access((path + ".tmp").c_str(), F_OK), 0);
}

struct MenuListener : IControlListener {
    int changes = 0;
    void valueChanged(CControl*) override { ++changes; }
};

TEST_F(X11Test, TooltipsShowAndHideAndMenuChoicesArriveLater) {
    X11::X11PlatformFrame* window = open(CRect(0, 0, 300, 200));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(pumpUntilDrawn(window));

    editor_.frame->showTooltip(CRect(40, 50, 65, 65), "Sets up the combined attack and release time");
    ASSERT_TRUE(pumpUntil([&] { return isViewable(window, window->getTooltipWindow()); }));
    XWindowAttributes tip{};
    XGetWindowAttributes(window->getDisplay(), window->getTooltipWindow(), &tip);
    EXPECT_EQ(tip.x, 40);
    EXPECT_EQ(tip.y, 65);
    EXPECT_GT(tip.width, 150);
    editor_.frame->hideTooltip();
    ASSERT_TRUE(pumpUntil([&] { return !isViewable(window, window->getTooltipWindow()); }));

    MenuListener listener;
    auto* menu = new COptionMenu(CRect(10, 10, 110, 30), &listener, 7);
    menu->addEntry("Factory");
    menu->addEntry("User");
    menu->addSeparator();
    menu->addEntry("Locked")->setEnabled(false);
    auto* sub = new COptionMenu();
    sub->addEntry("Drums");
    sub->addEntry("Vocals");
    menu->addEntry(sub, "Categories");
    sub->forget();
    editor_.frame->addView(menu);

    auto openMenu = [&] {
        moveTo(20, 20);
        click(1);
        return pumpUntil(
            [&] { return window->getPopupMenu() && isViewable(window, window->getPopupMenu()->levelWindow(0)); });
    };
    auto clickEntry = [&](size_t level, int32_t index) {
        const CRect entry = window->getPopupMenu()->entryRect(level, index);
        moveTo(static_cast<int>(entry.left) + 10, static_cast<int>(entry.top) + 5);
        click(1);
    };

    // The pop-up returns at once; the choice comes with a later click.
    ASSERT_TRUE(openMenu());
    EXPECT_TRUE(window->getPopupMenu()->isGrabbed());
    // Below the control: its bottom left is at 10, 30 in the window at 0, 0.
    EXPECT_EQ(window->getPopupMenu()->entryRect(0, 0).getTopLeft(), CPoint(13, 33));
    EXPECT_EQ(listener.changes, 0);
    clickEntry(0, 3);  // disabled: nothing happens
    clickEntry(0, 1);
    ASSERT_TRUE(pumpUntil([&] { return listener.changes == 1; }));
    EXPECT_EQ(window->getPopupMenu(), nullptr);
    EXPECT_EQ(menu->getCurrentIndex(), 1);

    // Hovering the submenu entry opens it beside; its entry is chosen.
    ASSERT_TRUE(openMenu());
    const CRect categories = window->getPopupMenu()->entryRect(0, 4);
    moveTo(static_cast<int>(categories.left) + 10, static_cast<int>(categories.top) + 5);
    ASSERT_TRUE(pumpUntil([&] { return window->getPopupMenu()->levelCount() == 2; }));
    EXPECT_GE(window->getPopupMenu()->entryRect(1, 0).left, categories.right);
    clickEntry(1, 1);
    ASSERT_TRUE(pumpUntil([&] { return listener.changes == 2; }));
    int32_t index = -1;
    EXPECT_EQ(menu->getLastItemMenu(index), sub);
    EXPECT_EQ(index, 1);

    // Escape, and a press outside the menu, cancel without a choice; the
    // keyboard chooses as well.
    ASSERT_TRUE(openMenu());
    key(XK_Escape, true);
    key(XK_Escape, false);
    ASSERT_TRUE(pumpUntil([&] { return window->getPopupMenu() == nullptr; }));
    ASSERT_TRUE(openMenu());
    moveTo(600, 500);
    click(1);
    ASSERT_TRUE(pumpUntil([&] { return window->getPopupMenu() == nullptr; }));
    EXPECT_EQ(listener.changes, 2);
    ASSERT_TRUE(openMenu());
    for (KeySym symbol : {XK_Down, XK_Return}) {
        key(symbol, true);
        key(symbol, false);
    }
    ASSERT_TRUE(pumpUntil([&] { return listener.changes == 3; }));
    EXPECT_EQ(menu->getCurrentIndex(), 0);
}

TEST_F(X11Test, ClosedByTheWindowManagerOrWithItsParent) {
    X11::X11PlatformFrame* window = open(CRect(0, 0, 120, 80));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(pumpUntilDrawn(window));
    // What a window manager sends when the user closes the window; the
    // editor closes the frame inside the notice.
    editor_.closeOnNotice = true;
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window->getWindow();
    message.xclient.message_type = XInternAtom(user_, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(user_, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(user_, message.xclient.window, False, NoEventMask, &message);
    ASSERT_TRUE(pumpUntil([&] { return editor_.closedNotices == 1; }));
    EXPECT_EQ(editor_.frame, nullptr);

    // A host's window as parent: the frame's window becomes its child, and
    // goes away with it.
    const Window parent = XCreateSimpleWindow(user_, DefaultRootWindow(user_), 0, 0, 300, 200, 0, 0, 0);
    XMapWindow(user_, parent);
    XSync(user_, False);
    window = open(CRect(0, 0, 120, 80), parent);
    ASSERT_NE(window, nullptr);
    Window root = 0;
    Window actualParent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    XQueryTree(user_, window->getWindow(), &root, &actualParent, &children, &count);
    if (children)
        XFree(children);
    EXPECT_EQ(actualParent, parent);
    ASSERT_TRUE(pumpUntilDrawn(window));
    XDestroyWindow(user_, parent);
    ASSERT_TRUE(pumpUntil([&] { return editor_.closedNotices == 2; }));
    EXPECT_EQ(editor_.frame, nullptr);

    // A parent that does not exist: no frame.
    EXPECT_EQ(open(CRect(0, 0, 120, 80), parent), nullptr);
}

TEST_F(X11Test, ALostServerClosesTheFramesAndLeavesTheProcessRunning) {
    X11::X11PlatformFrame* window = open(CRect(0, 0, 120, 80));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(pumpUntilDrawn(window));
    editor_.frame->showTooltip(CRect(10, 10, 35, 25), "tip");
    auto* menu = new COptionMenu(CRect(0, 0, 50, 20), nullptr, 1);
    menu->addEntry("One");
    editor_.frame->addView(menu);
    ASSERT_TRUE(menu->popup());
    HRXRunLoop::pump();
    // The test's own connection would end the process the default way.
    XCloseDisplay(user_);
    user_ = nullptr;

    xvfb_->stop();
    const time_t deadline = time(nullptr) + 5;
    while (editor_.closedNotices == 0 && time(nullptr) <= deadline) {
        HRXRunLoop::pump();
        const timespec pause{0, 1000000L};
        nanosleep(&pause, nullptr);
    }
    EXPECT_EQ(editor_.closedNotices, 1);
    EXPECT_EQ(window->getDisplay(), nullptr);
    EXPECT_EQ(window->getPopupMenu(), nullptr);
    // Every later call does nothing.
    EXPECT_FALSE(menu->popup());
    editor_.frame->setZoom(2.0);
    editor_.frame->invalid();
    editor_.frame->showTooltip(CRect(10, 10, 35, 25), "tip");
    editor_.frame->hideTooltip();
    CPoint where;
    EXPECT_TRUE(editor_.frame->getCurrentMouseLocation(where));
    EXPECT_FALSE(isKeyDown(HRXKey::Control));
    HRXRunLoop::pump();
    EXPECT_EQ(editor_.closedNotices, 1);
    editor_.frame->close();
    editor_.frame = nullptr;

    // No server: opening fails; a new server: a new connection.
    EXPECT_EQ(open(CRect(0, 0, 120, 80)), nullptr);
    xvfb_.reset();
    xvfb_ = std::make_unique<XvfbSession>();
    ASSERT_TRUE(xvfb_->isRunning()) << xvfb_->error();
    user_ = XOpenDisplay(nullptr);
    ASSERT_NE(user_, nullptr);
    window = open(CRect(0, 0, 120, 80));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(pumpUntilDrawn(window));
}

class SteppedClock : public HRXTickSource {
public:
    uint32_t tickCount() override { return now; }
    uint32_t now = 5000;
};

TEST(X11Platform, ToolkitTimersRunFromThePumpOnThePlatformClockCoalesced) {
    SteppedClock clock;
    setTickSource(&clock);
    X11::registerPlatform();
    HRXRunLoop::pump();  // the clock replaced: time starts over here
    int ticks = 0;
    auto* timer = new CVSTGUITimer([&](CVSTGUITimer*) { ++ticks; }, 17);
    clock.now += 16;
    HRXRunLoop::pump();
    EXPECT_EQ(ticks, 0);
    clock.now += 1;
    HRXRunLoop::pump();
    EXPECT_EQ(ticks, 1);
    // A late pump fires once; the next tick keeps the 17 ms grid.
    clock.now += 100;
    HRXRunLoop::pump();
    EXPECT_EQ(ticks, 2);
    clock.now += 2;
    HRXRunLoop::pump();
    EXPECT_EQ(ticks, 3);
    timer->forget();
    setTickSource(nullptr);
}

}  // namespace
