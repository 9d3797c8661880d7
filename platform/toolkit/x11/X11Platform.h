#pragma once

namespace VSTGUI {
namespace X11 {

// Makes CFrame::open(parent, PlatformType::kX11Window) open X11 windows:
// parent is an X11 window id cast through uintptr_t to void* (the frame's
// window becomes its child, as hosts embed editors), or null for a
// top-level window that the window manager may close. Frames on the X
// server are driven by HRXRunLoop::pump on the thread that opened them,
// which from now on also runs the toolkit's timers (CVSTGUITimer) on the
// platform tick count. An explicit call, since a registration made by a
// static object would be dropped when the library is linked statically.
// Calling it again does nothing.
void registerPlatform();

}  // namespace X11
}  // namespace VSTGUI
