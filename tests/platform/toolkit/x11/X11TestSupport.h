#pragma once

// Before Xlib, whose macros (None) break gtest's names.
#include <gtest/gtest.h>

#include "XvfbSession.h"
#include "x11/X11Frame.h"
#include "x11/X11Platform.h"

#include "HRXRunLoop.h"
#include "vstgui/vstgui.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <ctime>
#include <functional>
#include <memory>

namespace x11_test {

// The editor side of a frame: counts window-closed notices and, when told
// to, closes (and so deletes) the frame inside the notice as an editor does.
struct Editor : VSTGUI::VSTGUIEditorInterface {
    VSTGUI::CFrame* frame = nullptr;
    int closedNotices = 0;
    bool closeOnNotice = false;

    VSTGUI::CFrame* getFrame() const override { return frame; }
    void onWindowClosed() override {
        ++closedNotices;
        if (closeOnNotice && frame) {
            VSTGUI::CFrame* closing = frame;
            frame = nullptr;
            closing->close();
        }
    }
};

// A private X server, and a second connection to it playing the user:
// synthetic input through XTest, and inspection of windows.
class X11Test : public ::testing::Test {
protected:
    void SetUp() override {
        if (!XvfbSession::isInstalled())
            GTEST_SKIP() << XvfbSession::kNotInstalled;
        xvfb_ = std::make_unique<XvfbSession>();
        ASSERT_TRUE(xvfb_->isRunning()) << xvfb_->error();
        VSTGUI::X11::registerPlatform();
        user_ = XOpenDisplay(nullptr);
        ASSERT_NE(user_, nullptr);
    }

    void TearDown() override {
        if (editor_.frame)
            editor_.frame->close();
        editor_.frame = nullptr;
        if (user_)
            XCloseDisplay(user_);
        user_ = nullptr;
        xvfb_.reset();
    }

    // Opens a frame on the server: top-level (parent 0) or in parent.
    VSTGUI::X11::X11PlatformFrame* open(const VSTGUI::CRect& size, Window parent = 0) {
        editor_.frame = new VSTGUI::CFrame(size, &editor_);
        if (!editor_.frame->open(reinterpret_cast<void*>(static_cast<uintptr_t>(parent)),
                                 VSTGUI::PlatformType::kX11Window)) {
            editor_.frame->forget();
            editor_.frame = nullptr;
            return nullptr;
        }
        return VSTGUI::X11::X11PlatformFrame::of(editor_.frame);
    }

    // Pumps the run loop until the condition holds; false after 5 s. The
    // frame's requests reach the server before the user's next input (a
    // menu's grab released, say).
    bool pumpUntil(const std::function<bool()>& condition) {
        const time_t deadline = time(nullptr) + 5;
        for (;;) {
            XSync(user_, False);
            HRXRunLoop::pump();
            if (auto* window = VSTGUI::X11::X11PlatformFrame::of(editor_.frame)) {
                if (Display* display = window->getDisplay())
                    XSync(display, False);
            }
            if (condition())
                return true;
            if (time(nullptr) > deadline)
                return false;
            const timespec pause{0, 1000000L};
            nanosleep(&pause, nullptr);
        }
    }

    // Pumps until the frame has drawn everything it was asked to.
    bool pumpUntilDrawn(VSTGUI::X11::X11PlatformFrame* window) {
        return pumpUntil([window] { return !window->isDrawingPending(); });
    }

    // Asked on the frame's own connection, whose requests made the window.
    bool isViewable(VSTGUI::X11::X11PlatformFrame* frame, Window window) {
        XWindowAttributes attributes{};
        return window && XGetWindowAttributes(frame->getDisplay(), window, &attributes) &&
               attributes.map_state == IsViewable;
    }

    void moveTo(int x, int y) { XTestFakeMotionEvent(user_, -1, x, y, CurrentTime); }
    void button(unsigned int number, bool down) { XTestFakeButtonEvent(user_, number, down, CurrentTime); }
    void click(unsigned int number) {
        button(number, true);
        button(number, false);
    }
    void key(KeySym symbol, bool down) { XTestFakeKeyEvent(user_, XKeysymToKeycode(user_, symbol), down, CurrentTime); }

    std::unique_ptr<XvfbSession> xvfb_;
    Display* user_ = nullptr;
    Editor editor_;
};

}  // namespace x11_test
