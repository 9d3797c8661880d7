#pragma once

#include <cstdint>

#include "HRXGeometry.h"

class HRXMasterGraphicalEngine;
class HRXViewContainer;

// What the preset bar asks of the editor window that holds it: the window's
// graphical engine, containers over the window for its strip, menus and
// panels, the zoom of the whole window and the hover help.
class HRXPresetBarHost {
public:
    virtual ~HRXPresetBarHost() = default;
    // The engine of the window: attaches containers, carries messages (89 to
    // 94) to the host and back.
    virtual HRXMasterGraphicalEngine* getEngine() = 0;
    // A container over `rect` in window units, attached (by the engine's
    // addView) above everything already shown; its controls report to the
    // bar's controlChanged. The caller owns the handle.
    virtual HRXViewContainer* createPresetBarContainer(const HRXRect& rect) = 0;
    // Gives `container` the wheel before any other view; null ends that.
    virtual void setModalContainer(HRXViewContainer* container) = 0;
    // Zooms the whole window (limited as every zoom control limits it); the
    // native window follows.
    virtual void zoomEditor(double factor) = 0;
    // Shows (1) or hides (0) the controls' tooltips in this window.
    virtual void showHints(int32_t hints) = 0;
    // The host format the window belongs to, as the version line names it.
    virtual const char* getFormatName() = 0;
};

// The preset bar as the editor window sees it: built when the window opens,
// laid out with the editor's size, told of notifications and idle ticks.
class HRXMasterPresetBar {
public:
    virtual ~HRXMasterPresetBar() = default;
    // Builds the bar for an editor of width x height (the strip lies above it).
    virtual void open(HRXPresetBarHost* host, double width, double height) = 0;
    // The window is closing: forgets every view (the frame destroys them).
    virtual void close() = 0;
    virtual void setEditorSize(double width, double height) = 0;
    virtual void notify(int32_t id, double value) = 0;
    // A control of one of the bar's containers changed its value.
    virtual void controlChanged(int32_t tag, double value) = 0;
    virtual void idle() = 0;
};
