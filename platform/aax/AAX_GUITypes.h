#pragma once

#include <cstdint>

// A size or position in the host's window coordinates (pixels), vertical
// first as the framework orders them.
struct AAX_Point {
    float vert = 0.0f;
    float horz = 0.0f;
};

// An area of the editor's view to draw.
struct AAX_Rect {
    float top = 0.0f;
    float left = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

// What a view container's native pointer is. On Windows type 3 holds a
// window handle (HWND); here type 3 carries an X11 window id (an XID cast
// through uintptr_t), the window the plug-in's view becomes a child of.
enum AAX_EViewContainer_Type : int32_t {
    AAX_eViewContainer_Type_NULL = 0,
    AAX_eViewContainer_Type_NSView = 1,
    AAX_eViewContainer_Type_UIView = 2,
    AAX_eViewContainer_Type_HWND = 3,
};

// Modifier bits of a parameter mouse-down handed to the host.
enum AAX_EModifiers : uint32_t {
    AAX_eModifiers_None = 0,
    AAX_eModifiers_Command = 1 << 1,  // the Apple or Windows key
    AAX_eModifiers_Option = 1 << 2,   // Alt
    AAX_eModifiers_Control = 1 << 3,
    AAX_eModifiers_SecondaryButton = 1 << 4,
};
