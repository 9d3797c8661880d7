#pragma once

#include <cstdint>

#include "HRXControlEvents.h"
#include "HRXGeometry.h"

class HRXBitmap;
class HRXDrawContext;
class HRXEngineView;

// Engine-neutral control: owns a normalised value, a rectangle in logical
// units, a tag, a bitmap and a tooltip, and does its own drawing and mouse
// handling. A toolkit companion shows it on screen and, once linked, owns it.
class HRXBaseControl {
public:
    static constexpr int32_t kTooltipSize = 512;

    HRXBaseControl(const HRXRect& rect, int32_t tag, HRXBitmap* bitmap, int32_t kind);
    HRXBaseControl(const HRXBaseControl&) = delete;
    HRXBaseControl& operator=(const HRXBaseControl&) = delete;

    virtual ~HRXBaseControl();
    virtual void setValue(double value);
    virtual void setTag(int32_t tag);
    virtual void beginEdit();
    virtual void valueChanged();
    virtual void endEdit();
    virtual bool isEditing() const;
    virtual void setDefaultValue(double value);
    virtual double getDefaultValue() const;
    virtual void setViewSize(const HRXRect& rect);
    virtual void setScale(double factor);
    virtual void draw(HRXDrawContext* context);
    virtual void setBackground(HRXBitmap* bitmap);
    virtual int32_t onMouseDown(const HRXPoint& point, uint32_t buttons);
    virtual int32_t onMouseMoved(const HRXPoint& point, uint32_t buttons);
    virtual int32_t onMouseUp(const HRXPoint& point, uint32_t buttons);
    virtual int32_t onMouseEntered(const HRXPoint& point, uint32_t buttons);
    virtual int32_t onMouseExited(const HRXPoint& point, uint32_t buttons);
    virtual bool onWheel(const HRXPoint& point, float distance, uint32_t buttons);
    virtual void setValueNotify(double value);

    double getValue() const { return value_; }
    int32_t getTag() const { return tag_; }
    int32_t getKind() const { return kind_; }
    const HRXRect& getViewSize() const { return viewRect_; }
    HRXBitmap* getBackground() const { return bitmap_; }

    // Copies at most 511 characters; the companion shows it as hover help.
    void setTooltip(const char* text);
    // Empty text when none was set.
    const char* getTooltip() const;

    void setLinkedControl(HRXBaseControl* control) { linkedControl_ = control; }
    void setReportClicks(bool report) { reportClicks_ = report; }
    bool getReportClicks() const { return reportClicks_; }
    void setIgnoreDoubleClick(bool ignore) { ignoreDoubleClick_ = ignore; }
    bool wasDoubleClicked() const { return doubleClicked_; }

    // Set by the companion when it takes the control and cleared when it goes.
    void setCompanion(HRXEngineView* view) { companion_ = view; }
    HRXEngineView* getCompanion() const { return companion_; }

    // Redraws through the companion, when there is one.
    void redraw();

protected:
    HRXBitmap* bitmap_;
    HRXRect viewRect_;
    double value_;
    int32_t tag_;
    int32_t kind_;
    double defaultValue_;
    bool editing_ = false;
    bool reportClicks_ = true;
    bool ignoreDoubleClick_ = false;
    bool doubleClicked_ = false;
    HRXBaseControl* linkedControl_ = nullptr;
    HRXEngineView* companion_ = nullptr;
    char* tooltip_ = nullptr;
    HRXRect initialRect_;
};
