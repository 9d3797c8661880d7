#pragma once

#include "cview.h"

#include <cstdint>

namespace VSTGUI {

class CControl;

// Receives the value changes of controls.
class IControlListener {
public:
    virtual ~IControlListener() = default;
    virtual void valueChanged(CControl* control) = 0;
    virtual void controlBeginEdit(CControl* /*control*/) {}
    virtual void controlEndEdit(CControl* /*control*/) {}
};

// A view with a float value between a minimum and a maximum, a tag and a
// listener that hears of every change the user makes.
class CControl : public CView {
public:
    CControl(const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1, CBitmap* background = nullptr);
    ~CControl() override = default;

    virtual void setValue(float value) { value_ = value; }
    float getValue() const { return value_; }
    void setMin(float value) { min_ = value; }
    float getMin() const { return min_; }
    void setMax(float value) { max_ = value; }
    float getMax() const { return max_; }
    // Keeps the value within minimum and maximum.
    void bounceValue();
    void setDefaultValue(float value) { default_ = value; }
    float getDefaultValue() const { return default_; }

    virtual void setTag(int32_t tag) { tag_ = tag; }
    int32_t getTag() const { return tag_; }
    void setListener(IControlListener* listener) { listener_ = listener; }
    IControlListener* getListener() const { return listener_; }

    // Tells the listener about the current value.
    virtual void valueChanged();
    virtual void beginEdit();
    virtual void endEdit();
    bool isEditing() const { return editing_ > 0; }

private:
    IControlListener* listener_;
    int32_t tag_;
    float value_ = 0.0f;
    float min_ = 0.0f;
    float max_ = 1.0f;
    float default_ = 0.5f;
    int32_t editing_ = 0;
};

}  // namespace VSTGUI
