#pragma once

#include <cstdint>

#include "HRXGeometry.h"

class HRXMasterGraphicalEngine;

// The engine-neutral editor content: builds its views through the graphical
// engine it was created for and hears parameter changes and control edits.
class HRXBaseEditor {
public:
    HRXBaseEditor(HRXMasterGraphicalEngine* engine, const HRXRect& rect) : engine_(engine), rect_(rect) {}
    HRXBaseEditor(const HRXBaseEditor&) = delete;
    HRXBaseEditor& operator=(const HRXBaseEditor&) = delete;

    virtual ~HRXBaseEditor() = default;
    virtual void open() = 0;
    virtual void close() = 0;
    // index: parameter slot 0..28 or message id.
    virtual void parameterChanged(int32_t index, double value) = 0;
    // tag: the control's tag; value: its new normalised value.
    virtual void controlChanged(int32_t tag, double value) = 0;
    // One graphical-engine timer tick.
    virtual void idle() = 0;

    HRXMasterGraphicalEngine* getEngine() const { return engine_; }
    const HRXRect& getRect() const { return rect_; }

protected:
    HRXMasterGraphicalEngine* engine_;
    HRXRect rect_;
};
