#pragma once

#include <cstdint>

#include "HRXGeometry.h"

class HRXBaseEditor;
class HRXBitmap;
class HRXViewContainer;

// The interface through which the engine-neutral editor content talks to the
// drawing toolkit and, through the host binding, to the host. Operations are
// kept in this order; implementations add nothing in between.
class HRXMasterGraphicalEngine {
public:
    virtual ~HRXMasterGraphicalEngine() = default;

    virtual void setBackground(HRXBitmap* bitmap) = 0;
    virtual void setBackgroundId(uint32_t resourceId) = 0;
    virtual void addView(HRXViewContainer* container) = 0;
    virtual void removeView(HRXViewContainer* container) = 0;
    // The new container is not attached; the caller owns the handle.
    virtual HRXViewContainer* createViewContainer(const HRXRect& rect) = 0;
    virtual bool isAttached(HRXViewContainer* container) = 0;
    // Null when flag is not 0; otherwise the caller owns the bitmap.
    virtual HRXBitmap* createBitmap(uint32_t resourceId, int32_t flag) = 0;
    virtual HRXRect getScaledEditorSize() = 0;
    virtual uint32_t getMouseButtons() = 0;
    virtual void setKnobMode(int32_t mode) = 0;
    // Index 0..11: a parameter edited by the user; higher: a message id.
    virtual void editParameter(int32_t index, double value) = 0;
    virtual void setEditorSize(int32_t width, int32_t height) = 0;
    virtual void setResizing(bool resizing) = 0;
    virtual void refreshFrame() = 0;
    virtual int64_t getUserValue() = 0;
    virtual HRXBaseEditor* getEditor() = 0;
    // A control took a mouse-down; the host may act on it too (automation
    // menu). Answers the host's result, or the tag's parameter flags when the
    // click is not the host's.
    virtual int32_t controlClicked(int32_t tag, uint32_t buttons) = 0;
    virtual void idle() = 0;
    virtual void notifyEditor(int32_t index, double value) = 0;
    virtual void setPresetBarUserValue(int64_t value) = 0;
    virtual void setUserValue(int64_t value) = 0;
    virtual double getZoomFactor() = 0;
};
