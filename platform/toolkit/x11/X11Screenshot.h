#pragma once

#include "vstgui/cairofwd.h"

// Xlib's Display, declared without Xlib's header (whose macros, None and
// Bool among them, collide with other libraries' names).
struct _XDisplay;  // NOLINT(bugprone-reserved-identifier): Xlib's own name

namespace VSTGUI {
namespace X11 {

// The pixels a window shows on the server (XGetImage), as a new RGB24
// cairo image surface of the window's size; the caller destroys it. Null
// when the window does not exist, is not viewable or has a visual other
// than true colour.
cairo_surface_t* grabWindow(_XDisplay* display, unsigned long window);

// Writes the window's pixels as a PNG file: into a temporary file beside
// path, renamed into place once complete. False on any failure (nothing is
// left behind then).
bool writeWindowPNG(_XDisplay* display, unsigned long window, const char* path);

}  // namespace X11
}  // namespace VSTGUI
